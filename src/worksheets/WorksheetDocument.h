// The one owner of the document in the Action Area's editor: which file it is, whether it
// holds changes not yet saved, saving it, and the save prompt that every move away from it
// (another pane, entry, view or tab, closing) goes through first.
#pragma once

#include "richtext/DocumentFile.h"

#include <QObject>
#include <QSet>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class RichTextBox;

class WorksheetDocument : public QObject
{
    Q_OBJECT
public:
    // How a view that keeps its own document (the timeline's grid) saves it and drops its
    // changes. save() answers whether everything was written, having told the user what was not.
    struct Keeper
    {
        std::function<bool()> save;
        std::function<void()> discard;
    };

    // owner is the screen whose window the save prompt and messages belong to.
    WorksheetDocument(RichTextBox* editor, QWidget* owner);

    // A document the user writes, kept in file name (a bare name in the program folder):
    // loads it into the editor. A file that is not in the program's format, or is damaged,
    // is shown as well as it can be, and the original is kept beside it before the first
    // save over it.
    void openFile(const QString& name);
    // The sample's documents: shown from name, changes are never saved and leaving never asks.
    void openSample(const QString& name);
    // Text to read, or nothing: no file, no changes to keep.
    void openReadOnly();
    // A view that keeps its document itself; the editor's changes are not tracked.
    void openKept(Keeper keeper);

    // Changes to the editor made by the program rather than the user. The editor lays its
    // text out once the outermost change is over.
    void clearEditor();
    void changeAsProgram(const std::function<void()>& change);
    // Within a change: the editor, resized meanwhile, lays nothing out until the change is over.
    void holdLayout();

    QString fileName() const { return m_fileName; }
    bool isChanged() const { return m_changed; }
    // The file could not be read (too large, not a regular file, unreadable): the pane shows
    // why, read-only, and a save never replaces the file.
    bool isRefused() const { return m_kind == Kind::Refused; }
    // A document the user writes into a file keeps its earlier versions.
    bool hasHistory() const { return m_kind == Kind::File; }
    // Makes an earlier version (its file's bytes) the current text and saves it; the text it
    // replaces is kept in the history like any other. False when the save failed.
    bool bringBack(const QByteArray& bytes);
    // The user changed a kept document (a cell of the timeline's grid).
    void markChanged();

    // The save command. True when there was nothing to save or everything was written; on
    // failure the user is told, and the document stays in the editor, still changed.
    bool save();
    // The save prompt: answers whether leaving the document may go on. False only when the
    // user chose to save and the save failed, so the caller must stay where it is.
    bool confirmLeave();

signals:
    void changedChanged(bool changed);
    // Another document, or none, is now in the editor.
    void opened();
    // Everything was written: the place for what follows a save.
    void saved();

private:
    enum class Kind
    {
        ReadOnly,
        File,
        Refused,
        Sample,
        Kept
    };

    void open(Kind kind, const QString& name);
    DocumentFile::Source showFile(const QString& name, QString* error = nullptr);
    void onEditorChanged();
    void setChanged(bool changed);
    void discardChanges();
    bool saveEditorFile();
    bool finishSave(bool saved);
    bool keepOriginal(QString* error);
    void noteForeignFile(bool damaged);
    void releaseLayout();
    void showScrollBarAhead();

    RichTextBox* m_editor;
    QWidget* m_owner;
    Kind m_kind = Kind::ReadOnly;
    QString m_fileName;
    Keeper m_keeper;
    bool m_changed = false;
    bool m_loading = false;
    std::optional<QSizeF> m_heldPageSize;
    // The file as opened was not the program's RTF: keep a copy before replacing it.
    bool m_originalToKeep = false;
    QSet<QString> m_notedFiles;
};

#include "worksheets/WorksheetDocument.h"

#include "base/DataFolder.h"
#include "base/Messages.h"
#include "base/WorkbookAccess.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextFrame>

namespace {

const QString kSaveTitle = QStringLiteral("Save Command");

} // namespace

WorksheetDocument::WorksheetDocument(RichTextBox* editor, QWidget* owner)
    : QObject(editor), m_editor(editor), m_owner(owner)
{
    connect(m_editor, &RichTextBox::contentChanged, this, &WorksheetDocument::onEditorChanged);
}

void WorksheetDocument::open(Kind kind, const QString& name)
{
    m_kind = kind;
    m_fileName = name;
    m_keeper = Keeper();
    m_originalToKeep = false;
    setChanged(false);
    emit opened();
}

void WorksheetDocument::openFile(const QString& name)
{
    open(Kind::File, name);
    QString error;
    const DocumentFile::Source source = showFile(name, &error);
    if (source == DocumentFile::Source::Refused) {
        // What was not read is never saved over: the pane says why and takes no typing.
        m_kind = Kind::Refused;
        changeAsProgram([&] {
            m_editor->setPlainText(error + QStringLiteral("\n\nThis pane is read-only, so that nothing is saved over "
                                                          "the file."));
        });
        m_editor->setLocked(true);
        return;
    }
    if (source == DocumentFile::Source::PlainText || source == DocumentFile::Source::DamagedRtf) {
        m_originalToKeep = true;
        noteForeignFile(source == DocumentFile::Source::DamagedRtf);
    }
}

DocumentFile::Source WorksheetDocument::showFile(const QString& name, QString* error)
{
    DocumentFile::Source source = DocumentFile::Source::Missing;
    changeAsProgram([&] {
        m_editor->clear();
        source = DocumentFile::read(name, m_editor->document(), error);
        m_editor->moveCursor(QTextCursor::Start);
    });
    return source;
}

void WorksheetDocument::openSample(const QString& name)
{
    open(Kind::Sample, name);
    showFile(name);
}

void WorksheetDocument::openReadOnly()
{
    open(Kind::ReadOnly, QString());
}

void WorksheetDocument::openKept(Keeper keeper)
{
    open(Kind::Kept, QString());
    m_keeper = std::move(keeper);
}

void WorksheetDocument::clearEditor()
{
    changeAsProgram([this] { m_editor->clear(); });
}

void WorksheetDocument::changeAsProgram(const std::function<void()>& change)
{
    const bool wasLoading = m_loading;
    m_loading = true;
    if (!wasLoading)
        holdLayout();
    change();
    if (!wasLoading)
        releaseLayout();
    m_loading = wasLoading;
}

void WorksheetDocument::holdLayout()
{
    // Qt lays out the paragraphs a reader adds as it goes, all of them and at once. A document
    // without a page size is not laid out; given its size back, it is laid out afresh, the
    // visible part first and the rest while the program waits for the user. A resize of the
    // editor while held gives the document a size again: that is the one it gets back.
    QTextDocument* document = m_editor->document();
    if (document->pageSize().isNull())
        return;
    m_heldPageSize = document->pageSize();
    document->setPageSize(QSizeF(0, 0));
}

void WorksheetDocument::releaseLayout()
{
    if (!m_heldPageSize)
        return;
    QTextDocument* document = m_editor->document();
    // A resize of the editor meanwhile has given the document its new size already.
    if (document->pageSize().isNull()) {
        showScrollBarAhead();
        if (document->pageSize().isNull())
            document->setPageSize(*m_heldPageSize);
    }
    m_heldPageSize.reset();
}

void WorksheetDocument::showScrollBarAhead()
{
    // A text longer than the editor, laid out without the scroll bar, would be laid out again
    // when the bar comes and narrows it. Paragraphs enough to fill the editor at one line each
    // bring the bar first; the narrower editor then lays the text out once. Qt still decides
    // after the layout whether the bar stays.
    QScrollBar* bar = m_editor->verticalScrollBar();
    if (!m_editor->isVisible() || bar->isVisible() || m_editor->verticalScrollBarPolicy() != Qt::ScrollBarAsNeeded)
        return;
    const int enough = m_editor->viewport()->height() / qMax(1, m_editor->fontMetrics().lineSpacing()) + 1;
    int paragraphs = 0;
    for (QTextFrame::iterator it = m_editor->document()->rootFrame()->begin(); !it.atEnd() && paragraphs < enough;
         ++it) {
        if (it.currentBlock().isValid())
            ++paragraphs;
    }
    if (paragraphs >= enough) {
        bar->setRange(0, 1);
        // The scroll area answers a new range through a queued call: it comes now.
        QCoreApplication::sendPostedEvents(m_editor, QEvent::MetaCall);
    }
}

void WorksheetDocument::onEditorChanged()
{
    if (m_loading)
        return;
    if (m_kind == Kind::File || m_kind == Kind::Sample)
        setChanged(true);
}

void WorksheetDocument::markChanged()
{
    setChanged(true);
}

void WorksheetDocument::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit changedChanged(changed);
}

void WorksheetDocument::discardChanges()
{
    if (m_kind == Kind::Kept && m_keeper.discard)
        m_keeper.discard();
    setChanged(false);
}

bool WorksheetDocument::bringBack(const QByteArray& bytes)
{
    if (m_kind != Kind::File)
        return false;
    changeAsProgram([&] {
        m_editor->clear();
        DocumentFile::show(bytes, m_editor->document());
        m_editor->moveCursor(QTextCursor::Start);
    });
    setChanged(true);
    return save();
}

bool WorksheetDocument::save()
{
    switch (m_kind) {
    case Kind::ReadOnly:
        setChanged(false);
        return true;
    case Kind::Refused:
        Messages::show(m_owner, QStringLiteral("%1 was not read, so Tessaly does not save over it.").arg(m_fileName),
                       kSaveTitle, Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return false;
    case Kind::Sample:
        Messages::show(m_owner, QStringLiteral("Unable to save changes to sample."), kSaveTitle, Messages::Buttons::Ok,
                       Messages::Icon::Question);
        return false;
    case Kind::Kept:
        // The view's own document is written only when it holds changes.
        return finishSave(!m_changed || !m_keeper.save || m_keeper.save());
    case Kind::File:
        break;
    }
    return finishSave(saveEditorFile());
}

bool WorksheetDocument::finishSave(bool saved)
{
    setChanged(!saved);
    if (saved)
        emit this->saved();
    return saved;
}

bool WorksheetDocument::saveEditorFile()
{
    QString error;
    if ((!m_originalToKeep || keepOriginal(&error)) && DocumentFile::write(m_fileName, *m_editor->document(), &error)) {
        m_editor->document()->setModified(false);
        m_originalToKeep = false;
        return true;
    }
    Messages::show(
        m_owner,
        QStringLiteral("Your changes could not be saved to %1.\r%2\r\rThe file on disk has not been changed, "
                       "and your text is still here: you can try again, or copy it elsewhere.")
            .arg(m_fileName, error),
        kSaveTitle, Messages::Buttons::Ok, Messages::Icon::Exclamation);
    return false;
}

bool WorksheetDocument::keepOriginal(QString* error)
{
    const QString path = DataFolder::path(m_fileName);
    if (!QFileInfo::exists(path))
        return true;
    if (WorkbookAccess::refusesWrite(path, error))
        return false;
    // An earlier kept original is never replaced: the first free name takes the copy.
    const QString keptBase = DataFolder::writePath(m_fileName) + QStringLiteral(".orig");
    QString kept = keptBase;
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = keptBase + QString::number(n);
    QFile original(path);
    if (original.copy(kept))
        return true;
    *error = QStringLiteral("The original could not be kept as %1: %2")
                 .arg(QFileInfo(kept).fileName(), original.errorString());
    return false;
}

void WorksheetDocument::noteForeignFile(bool damaged)
{
    if (m_notedFiles.contains(m_fileName))
        return;
    m_notedFiles.insert(m_fileName);
    // The text shows behind the message.
    releaseLayout();
    const QString what = damaged
                             ? QStringLiteral("%1 is damaged: Tessaly shows what could be read from it.")
                             : QStringLiteral("%1 is not in Tessaly's document format, so it is shown as plain text.");
    Messages::show(m_owner,
                   what.arg(m_fileName) +
                       QStringLiteral("\r\rWhen you save it, it will be saved in Tessaly's format, and the file as "
                                      "it is now will be kept beside it as %1.orig.")
                           .arg(m_fileName),
                   QStringLiteral("Document Format"), Messages::Buttons::Ok, Messages::Icon::Information);
}

bool WorksheetDocument::confirmLeave()
{
    if (!m_changed)
        return true;
    if (m_kind == Kind::Sample) {
        discardChanges();
        return true;
    }
    const Messages::Answer answer =
        Messages::show(m_owner, QStringLiteral("Save changes/entries before next action?"),
                       QStringLiteral("Save Changes?"), Messages::Buttons::YesNoByChoiceOnly, Messages::Icon::Question);
    if (answer == Messages::Answer::Yes) {
        if (!save())
            return false;
    } else {
        discardChanges();
    }
    QCoreApplication::processEvents();
    return true;
}

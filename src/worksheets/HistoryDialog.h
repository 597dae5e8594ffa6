// The earlier versions of one document, newest first: the user reads one and can make it the
// current text again. The document's owner does the bringing back, so that the text it
// replaces is kept like any other.
#pragma once

#include "base/DocumentHistory.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QListWidget;
class QPushButton;
class RichTextBox;

class HistoryDialog : public QDialog
{
    Q_OBJECT
public:
    // Lists the versions of the workbook file fileName, titled after documentName.
    HistoryDialog(const QString& fileName, const QString& documentName, QWidget* parent);

    // The bytes of the version to bring back, or nothing when the user closed the list. A
    // document with no versions yet is said to have none and no list is shown. Tests replace it.
    using Chooser =
        std::function<std::optional<QByteArray>(const QString& fileName, const QString& documentName, QWidget* parent)>;
    static Chooser& chooser();

    QListWidget* list() const { return m_list; }
    RichTextBox* preview() const { return m_preview; }
    QPushButton* bringBackButton() const { return m_bringBack; }
    QCheckBox* compareBox() const { return m_compare; }
    // The chosen version's bytes, once the user asked to bring it back.
    std::optional<QByteArray> chosen() const { return m_chosen; }

private:
    void showVersion(int row);
    // The version's words against the current text's, the differences marked.
    void showChanges(const QString& versionText);
    void bringBack();

    QList<DocumentHistory::Version> m_versions;
    QListWidget* m_list;
    RichTextBox* m_preview;
    QPushButton* m_bringBack;
    QCheckBox* m_compare;
    QString m_currentText; // the saved file as it is now, to compare a version with
    std::optional<QByteArray> m_chosen;
};

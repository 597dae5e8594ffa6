#include "worksheets/HistoryDialog.h"

#include "base/Messages.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"
#include "richtext/WordDiff.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Document History");

// "Until December 7, 2026 9:05:12 AM (renata)": the text as it stood until that save of renata's.
QString caption(const DocumentHistory::Version& version)
{
    const QDateTime local = version.replacedAt.toLocalTime();
    return QStringLiteral("Until %1 %2 (%3)")
        .arg(QLocale::c().toString(local.date(), QStringLiteral("MMMM d, yyyy")),
             QLocale::c().toString(local.time(), QStringLiteral("h:mm:ss AP")), version.login);
}

} // namespace

HistoryDialog::HistoryDialog(const QString& fileName, const QString& documentName, QWidget* parent)
    : QDialog(parent), m_versions(DocumentHistory::versions(fileName)), m_list(new QListWidget(this)),
      m_preview(new RichTextBox(this)), m_bringBack(new QPushButton(QStringLiteral("&Bring Back This Version"), this)),
      m_compare(new QCheckBox(QStringLiteral("&Compare with the current text"), this))
{
    QTextDocument current;
    DocumentFile::read(fileName, &current);
    m_currentText = current.toPlainText();
    m_compare->setToolTip(QStringLiteral("Words only the current text has are underlined in green; words only this "
                                         "version has are struck through in red."));
    setObjectName(QStringLiteral("historyDialog"));
    setWindowTitle(kTitle + QStringLiteral(" - ") + documentName);
    auto* intro = new QLabel(QStringLiteral("Earlier versions of %1, newest first. Choose one to read it; "
                                            "bringing it back keeps the current text here too.")
                                 .arg(documentName),
                             this);
    intro->setWordWrap(true);
    for (const DocumentHistory::Version& version : m_versions) {
        auto* item = new QListWidgetItem(caption(version), m_list);
        item->setToolTip(QStringLiteral("The text as it was until %1 saved over it.").arg(version.login));
    }
    m_list->setAccessibleName(QStringLiteral("Versions"));
    m_preview->setLocked(true);
    m_preview->setAccessibleName(QStringLiteral("The chosen version"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_bringBack, QDialogButtonBox::ActionRole);
    auto* panes = new QHBoxLayout();
    panes->addWidget(m_list, 2);
    panes->addWidget(m_preview, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(panes, 1);
    layout->addWidget(m_compare);
    layout->addWidget(buttons);
    resize(960, 560);

    connect(m_list, &QListWidget::currentRowChanged, this, &HistoryDialog::showVersion);
    connect(m_bringBack, &QPushButton::clicked, this, &HistoryDialog::bringBack);
    connect(m_compare, &QCheckBox::toggled, this, [this] { showVersion(m_list->currentRow()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_list->setCurrentRow(0);
    m_list->setFocus();
}

void HistoryDialog::showVersion(int row)
{
    m_preview->clear();
    const std::optional<QByteArray> bytes =
        row >= 0 && row < m_versions.size() ? DocumentHistory::read(m_versions.at(row)) : std::nullopt;
    m_bringBack->setEnabled(bytes.has_value());
    if (bytes) {
        DocumentFile::show(*bytes, m_preview->document());
        if (m_compare->isChecked())
            showChanges(m_preview->document()->toPlainText());
    } else if (row >= 0)
        m_preview->setPlainText(QStringLiteral("This version's copy is damaged and cannot be shown."));
}

void HistoryDialog::showChanges(const QString& versionText)
{
    m_preview->clear();
    QTextCursor cursor(m_preview->document());
    for (const WordDiff::Piece& piece : WordDiff::compare(versionText, m_currentText)) {
        QTextCharFormat format;
        if (piece.kind == WordDiff::Piece::Added) {
            format.setForeground(QColor(0, 128, 0));
            format.setFontUnderline(true);
        } else if (piece.kind == WordDiff::Piece::Removed) {
            format.setForeground(QColor(192, 0, 0));
            format.setFontStrikeOut(true);
        }
        cursor.insertText(piece.text, format);
    }
}

void HistoryDialog::bringBack()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_versions.size())
        return;
    m_chosen = DocumentHistory::read(m_versions.at(row));
    if (m_chosen)
        accept();
}

HistoryDialog::Chooser& HistoryDialog::chooser()
{
    static Chooser choose = [](const QString& fileName, const QString& documentName,
                               QWidget* parent) -> std::optional<QByteArray> {
        if (DocumentHistory::versions(fileName).isEmpty()) {
            Messages::show(parent,
                           QStringLiteral("No earlier versions of %1 have been kept yet.\rEach save keeps "
                                          "the text it replaces.")
                               .arg(documentName),
                           kTitle, Messages::Buttons::Ok, Messages::Icon::Information);
            return std::nullopt;
        }
        HistoryDialog dialog(fileName, documentName, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.chosen();
    };
    return choose;
}

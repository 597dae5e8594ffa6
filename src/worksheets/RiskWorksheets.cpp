#include "worksheets/RiskWorksheets.h"

#include "base/HINFO1.h"
#include "base/Messages.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"
#include "worksheets/ActionAreaState.h"
#include "worksheets/RiskWorksheetButtons.h"
#include "worksheets/StatusStore.h"
#include "worksheets/TemplateInsertion.h"
#include "worksheets/WorksheetDocument.h"
#include "worksheets/WorksheetPanel.h"
#include "worksheets/WorksheetTitleEditor.h"
#include "worksheets/WorksheetTitles.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTextDocument>

namespace {

const QString kWorksheetTemplate = QStringLiteral("Misc59.Hlp");

} // namespace

RiskWorksheets::RiskWorksheets(ActionAreaState& state, StatusStore& statuses, WorksheetPanel* panel,
                               RiskWorksheetButtons* buttons, WorksheetTitleEditor* titleEditor)
    : QObject(panel), m_state(state), m_statuses(statuses), m_panel(panel), m_buttons(buttons),
      m_titleEditor(titleEditor)
{
    connect(m_buttons, &RiskWorksheetButtons::worksheetPressed, this, &RiskWorksheets::openWorksheet);
    connect(m_titleEditor, &WorksheetTitleEditor::saveRequested, this, &RiskWorksheets::saveTitles);
    connect(m_titleEditor, &WorksheetTitleEditor::closed, this,
            [this] { emit windowTitleChanged(m_buttons->title(m_current)); });
    connect(m_panel->document(), &WorksheetDocument::saved, this, &RiskWorksheets::clearStatusOfEmptiedWorksheet);
}

void RiskWorksheets::enter()
{
    m_current = -1;
    m_state.entryIndex = -1;
    m_buttons->setTitles(WorksheetTitles::read());
    m_buttons->choose(-1);
    m_panel->setTemplateCaption(QStringLiteral("New Worksheet"));
    renewContentMarks();
}

void RiskWorksheets::renewContentMarks()
{
    for (int n = 0; n < WorksheetTitles::kCount; ++n) {
        QTextDocument worksheet;
        const bool loaded = DocumentFile::isShown(DocumentFile::read(WorksheetTitles::documentFile(n), &worksheet));
        m_buttons->setHasContent(n, loaded && !worksheet.toPlainText().trimmed().isEmpty());
    }
}

void RiskWorksheets::openWorksheet(int n)
{
    // The worksheet being left is saved or let go first; if its save fails, it stays open.
    if (!m_panel->document()->confirmLeave()) {
        m_buttons->choose(m_current);
        return;
    }
    HINFO1::busyOn();
    m_current = n;
    m_state.entryIndex = n;
    m_panel->showWorksheetStatus(m_buttons->hasContent(n) ? m_statuses.slot(StatusStore::worksheetRecord(n))
                                                          : QString());
    m_buttons->choose(n);
    QCoreApplication::processEvents();
    emit windowTitleChanged(m_buttons->title(n));
    renewContentMarks();
    m_panel->openWorksheetDocument(WorksheetTitles::documentFile(n));
    m_buttons->button(n)->setFocus();
    HINFO1::busyOff();
}

void RiskWorksheets::clearStatusOfEmptiedWorksheet()
{
    // A worksheet saved empty has nothing left to be compliant about.
    if (m_state.viewCode != RiskAnalysisView || m_current < 0 || !m_panel->editor()->text().trimmed().isEmpty())
        return;
    QString error;
    if (!m_statuses.clear(StatusStore::worksheetRecord(m_current), &error))
        Messages::show(m_panel, error, QStringLiteral("Save Status"), Messages::Buttons::Ok,
                       Messages::Icon::Exclamation);
    m_panel->showWorksheetStatus(QString());
}

void RiskWorksheets::newWorksheet()
{
    if (m_current < 0)
        return;
    TemplateInsertion::Request request;
    request.templateFile = kWorksheetTemplate;
    request.existingFile = WorksheetTitles::documentFile(m_current);
    request.question = QStringLiteral("The program has detected an existing ") + m_buttons->title(m_current) +
                       QStringLiteral(" worksheet!\r\rIf you insert template and save file the existing file will be "
                                      "overwritten!\r\rNew Worksheet?");
    request.title = QStringLiteral("New Worksheet");
    TemplateInsertion::insert(m_panel->editor(), m_panel, request);
}

void RiskWorksheets::changeTitles()
{
    m_titleEditor->open(m_buttons->titles());
}

bool RiskWorksheets::isEditingTitles() const
{
    return m_titleEditor->isVisible();
}

void RiskWorksheets::closeTitleEditor()
{
    m_titleEditor->closeWithoutSaving();
}

void RiskWorksheets::saveTitles(const QMap<int, QString>& titles)
{
    QStringList failed;
    for (auto it = titles.cbegin(); it != titles.cend(); ++it) {
        QString error;
        if (WorksheetTitles::write(it.key(), it.value(), &error))
            m_buttons->setTitle(it.key(), it.value().trimmed());
        else
            failed << error;
    }
    if (!failed.isEmpty()) {
        Messages::show(m_panel,
                       QStringLiteral("The worksheet titles could not be saved to %1.\r%2")
                           .arg(WorksheetTitles::kFileName, failed.first()),
                       QStringLiteral("Risk Analysis Worksheet Button Name"), Messages::Buttons::Ok,
                       Messages::Icon::Exclamation);
    }
}

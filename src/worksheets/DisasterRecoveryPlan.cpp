#include "worksheets/DisasterRecoveryPlan.h"

#include "base/Messages.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"
#include "worksheets/RecoveryPlanFiles.h"
#include "worksheets/TemplateInsertion.h"
#include "worksheets/WorksheetDocument.h"
#include "worksheets/WorksheetPanel.h"

DisasterRecoveryPlan::DisasterRecoveryPlan(WorksheetPanel* panel) : QObject(panel), m_panel(panel) {}

void DisasterRecoveryPlan::enter()
{
    WorksheetDocument* document = m_panel->document();
    m_panel->openWorksheetDocument(RecoveryPlanFiles::kPlan);
    if (m_panel->editor()->text().trimmed().isEmpty()) {
        // The sample is shown, not yet the plan: nothing is written until the user saves.
        document->changeAsProgram([this] {
            DocumentFile::read(RecoveryPlanFiles::kSample, m_panel->editor()->document());
            m_panel->editor()->moveCursor(QTextCursor::Start);
        });
        Messages::show(
            m_panel,
            QStringLiteral("In response to a request from a user, we have included a copy of a sample Disaster "
                           "Recovery Plan. \r\rThis plan is for a larger organization and may or may not be "
                           "applicable to your organization.\r\rHopefully, it will give you some ideas on how to "
                           "address disaster recovery in your situation.\r\rIf you are a small provider then much "
                           "of this plan can be cut down or covered in a few sentences instead of the lists and so "
                           "forth as contained in this plan.\r\rYou can use this template to make changes in this "
                           "program and save your changes, etc. \ror you can copy and paste this document into "
                           "your word processor and work on it there."),
            QStringLiteral("Disaster Recovery Plan Information"), Messages::Buttons::Ok, Messages::Icon::Information);
    }
    m_panel->setTemplateCaption(QStringLiteral("Insert Template"));
}

void DisasterRecoveryPlan::insertTemplate()
{
    TemplateInsertion::Request request;
    request.templateFile = RecoveryPlanFiles::kSample;
    request.existingFile = RecoveryPlanFiles::kPlan;
    request.onlyTextCounts = true;
    request.question = QStringLiteral("The program has detected an existing Disaster Recovery Plan.\r\rIf you insert "
                                      "template and save file the existing file will be overwritten!\r\rInsert new "
                                      "Template?");
    request.title = QStringLiteral("Insert Template");
    TemplateInsertion::insert(m_panel->editor(), m_panel, request);
}

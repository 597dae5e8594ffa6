#include "worksheets/WorksheetPanel.h"

#include "base/Messages.h"
#include "base/PickOnlyComboBox.h"
#include "base/WrappingButton.h"
#include "catalog/ReferenceTexts.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"
#include "worksheets/AddressableDecisionDialog.h"
#include "worksheets/HistoryDialog.h"
#include "worksheets/StatusStore.h"
#include "worksheets/TemplateInsertion.h"
#include "worksheets/WorksheetDocument.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kPaneCaptions[kWorksheetPaneCount] = {
    "References in Rule",           "Action Taken",          "Comments/Notes", "Policies && Procedures/Plan",
    "Implementation specification", "Additional Information"};
const char* const kPaneNames[kWorksheetPaneCount] = {"referencesInRulePane", "actionTakenPane",
                                                     "commentsNotesPane",    "policiesPane",
                                                     "specificationPane",    "additionalInformationPane"};

QString sampleFile(WorksheetPane pane)
{
    switch (pane) {
    case WorksheetPane::ActionTaken:
        return QStringLiteral("SampleAct.Dat");
    case WorksheetPane::CommentsNotes:
        return QStringLiteral("SampleCom.Dat");
    default:
        return QStringLiteral("SamplePol.Dat");
    }
}

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new WrappingButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

WorksheetPanel::WorksheetPanel(ActionAreaState& state, StatusStore& statuses, ActionAreaActions& actions,
                               QWidget* parent)
    : QWidget(parent), m_state(state), m_statuses(statuses), m_actions(actions)
{
    setObjectName(QStringLiteral("worksheetPanel"));
    setAutoFillBackground(true);
    m_editorArea = new QWidget(this);
    m_editorArea->setObjectName(QStringLiteral("editorArea"));
    buildHeader();
    m_header->installEventFilter(this);
    m_editor = new RichTextBox(m_editorArea);
    m_editor->setObjectName(QStringLiteral("RText1"));
    m_editor->setAccessibleName(QStringLiteral("Worksheet document"));
    m_document = new WorksheetDocument(m_editor, this);
    connect(m_editor, &RichTextBox::selectionMoved, this, &WorksheetPanel::reflectAlignment);
    buildButtons();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_editorArea, 1);
    auto* column = new QVBoxLayout();
    for (QPushButton* b : {m_printButton, m_saveButton, m_exitButton, m_fontButton, m_thesaurusButton, m_spellButton,
                           m_templateButton, m_historyButton})
        column->addWidget(b);
    column->addWidget(m_textLocation);
    column->addStretch();
    layout->addLayout(column);
}

void WorksheetPanel::buildHeader()
{
    m_header = new QWidget(m_editorArea);
    m_header->setObjectName(QStringLiteral("worksheetHeader"));
    m_standardLabel = new QLabel(m_header);
    m_standardLabel->setObjectName(QStringLiteral("standardLabel"));
    m_sectionLabel = new QLabel(m_header);
    m_sectionLabel->setObjectName(QStringLiteral("sectionLabel"));
    m_specificationLabel = new QLabel(m_header);
    m_specificationLabel->setObjectName(QStringLiteral("specificationLabel"));
    // Long names break between words; the panes' frames keep their places beside them.
    for (QLabel* heading : {m_standardLabel, m_sectionLabel, m_specificationLabel})
        heading->setWordWrap(true);
    m_statusLabel = new QLabel(m_header);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusList = new PickOnlyComboBox(m_header);
    m_statusList->setObjectName(QStringLiteral("statusList"));
    m_statusList->setAccessibleName(QStringLiteral("Status"));
    m_statusList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_statusList, qOverload<int>(&QComboBox::activated), this, &WorksheetPanel::onStatusPicked);
    m_complianceButton =
        makeButton(QStringLiteral("Compliance Status"), QStringLiteral("complianceStatusButton"), m_header);
    m_complianceButton->hide();
    connect(m_complianceButton, &QPushButton::clicked, this, &WorksheetPanel::showComplianceTerms);
    // An Addressable entry's decision: the button names it and opens its record.
    m_decisionButton = makeButton(QString(), QStringLiteral("decisionButton"), m_header);
    connect(m_decisionButton, &QPushButton::clicked, this, &WorksheetPanel::editDecision);

    m_actionsFrame = new QGroupBox(QStringLiteral("Actions"), m_header);
    m_actionsFrame->setObjectName(QStringLiteral("actionsFrame"));
    m_referencesFrame = new QGroupBox(QStringLiteral("References"), m_header);
    m_referencesFrame->setObjectName(QStringLiteral("referencesFrame"));
    auto* actionsLayout = new QVBoxLayout(m_actionsFrame);
    auto* referencesLayout = new QVBoxLayout(m_referencesFrame);
    for (auto* l : {actionsLayout, referencesLayout}) {
        l->setSpacing(0);
        l->setContentsMargins(6, 2, 6, 2);
    }
    m_paneGroup = new QButtonGroup(this);
    for (int p = 0; p < kWorksheetPaneCount; ++p) {
        const bool isDocument = isDocumentPane(WorksheetPane(p));
        auto* radio =
            new QRadioButton(QString::fromLatin1(kPaneCaptions[p]), isDocument ? m_actionsFrame : m_referencesFrame);
        radio->setObjectName(QString::fromLatin1(kPaneNames[p]));
        m_panes[p] = radio;
        m_paneGroup->addButton(radio, p);
    }
    for (WorksheetPane p :
         {WorksheetPane::ActionTaken, WorksheetPane::CommentsNotes, WorksheetPane::PoliciesProcedures})
        actionsLayout->addWidget(paneButton(p));
    for (WorksheetPane p :
         {WorksheetPane::Specification, WorksheetPane::ReferencesInRule, WorksheetPane::AdditionalInformation})
        referencesLayout->addWidget(paneButton(p));
    connect(m_paneGroup, &QButtonGroup::idClicked, this, [this](int p) { openPane(WorksheetPane(p)); });

    auto* grid = new QGridLayout(m_header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    grid->addWidget(m_standardLabel, 0, 0, 1, 3);
    grid->addWidget(m_sectionLabel, 1, 0, 1, 3);
    grid->addWidget(m_specificationLabel, 2, 0, 1, 3);
    m_statusRow = new QBoxLayout(QBoxLayout::LeftToRight);
    m_statusRow->addWidget(m_statusLabel, 0, Qt::AlignLeft);
    m_statusRow->addWidget(m_statusList, 0, Qt::AlignLeft);
    m_statusRow->addWidget(m_complianceButton, 0, Qt::AlignLeft);
    m_statusRow->addSpacing(8);
    m_statusRow->addWidget(m_decisionButton, 0, Qt::AlignLeft);
    m_statusRow->addStretch();
    grid->addLayout(m_statusRow, 3, 0, 1, 3);
    // The panes' frames keep their size and place when a long heading takes a second line.
    grid->addWidget(m_actionsFrame, 0, 3, 4, 1, Qt::AlignTop);
    grid->addWidget(m_referencesFrame, 0, 4, 4, 1, Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1); // the headings stay together at the top of a tall header
}

void WorksheetPanel::buildButtons()
{
    m_printButton = makeButton(QStringLiteral("&Print"), QStringLiteral("printButton"), this);
    m_saveButton = makeButton(QStringLiteral("&Save"), QStringLiteral("saveButton"), this);
    m_exitButton = makeButton(QStringLiteral("E&xit"), QStringLiteral("worksheetExitButton"), this);
    m_fontButton = makeButton(QStringLiteral("&Font Select"), QStringLiteral("fontSelectButton"), this);
    m_thesaurusButton = makeButton(QStringLiteral("&Thesaurus"), QStringLiteral("thesaurusButton"), this);
    m_spellButton = makeButton(QStringLiteral("Spell &Check"), QStringLiteral("spellCheckButton"), this);
    m_templateButton = makeButton(QStringLiteral("&Insert Template"), QStringLiteral("insertTemplateButton"), this);
    m_templateButton->setEnabled(false);
    m_historyButton = makeButton(QStringLiteral("Histor&y"), QStringLiteral("historyButton"), this);
    m_historyButton->setEnabled(false);

    m_textLocation = new QGroupBox(QStringLiteral("Text Location"), this);
    m_textLocation->setObjectName(QStringLiteral("textLocationFrame"));
    auto* alignLayout = new QVBoxLayout(m_textLocation);
    const QString captions[3] = {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
    const Qt::Alignment alignments[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        m_alignButtons[i] = new QRadioButton(captions[i], m_textLocation);
        m_alignButtons[i]->setObjectName(QStringLiteral("textLocation") + captions[i]);
        alignLayout->addWidget(m_alignButtons[i]);
        const Qt::Alignment alignment = alignments[i];
        connect(m_alignButtons[i], &QRadioButton::clicked, this, [this, alignment] {
            m_editor->setSelAlignment(alignment);
            m_editor->setFocus();
        });
    }

    connect(m_saveButton, &QPushButton::clicked, m_document, &WorksheetDocument::save);
    connect(m_historyButton, &QPushButton::clicked, this, &WorksheetPanel::showHistory);
    connect(m_exitButton, &QPushButton::clicked, this, &WorksheetPanel::exitPressed);
    const std::pair<QPushButton*, Service> serviceButtons[] = {{m_printButton, PrintService},
                                                               {m_fontButton, FontSelectService},
                                                               {m_thesaurusButton, ThesaurusService},
                                                               {m_spellButton, SpellCheckService},
                                                               {m_templateButton, InsertTemplateService}};
    for (const auto& [button, service] : serviceButtons) {
        const Service s = service;
        connect(button, &QPushButton::clicked, this, [this, s] {
            if (m_services[s])
                m_services[s]();
        });
    }
}

void WorksheetPanel::connectMenuActions()
{
    // Nothing is open yet: the tools wait for a pane.
    disableEditingTools();
    connect(m_actions.save, &QAction::triggered, m_document, &WorksheetDocument::save);
    connect(m_actions.history, &QAction::triggered, this, &WorksheetPanel::showHistory);
    connect(m_actions.decision, &QAction::triggered, this, &WorksheetPanel::editDecision);
    m_actions.decision->setEnabled(false);
    // The history is there for documents kept in a file of their own.
    connect(m_document, &WorksheetDocument::opened, this, [this] {
        m_historyButton->setEnabled(m_document->hasHistory());
        m_actions.history->setEnabled(m_document->hasHistory());
    });
    m_actions.history->setEnabled(false);
    const std::pair<QAction*, Service> serviceItems[] = {{m_actions.print, PrintService},
                                                         {m_actions.fontSelect, FontSelectService},
                                                         {m_actions.thesaurus, ThesaurusService},
                                                         {m_actions.spellCheck, SpellCheckService},
                                                         {m_actions.copyToClipboard, CopyToClipboardService}};
    for (const auto& [action, service] : serviceItems) {
        const Service s = service;
        connect(action, &QAction::triggered, this, [this, s] {
            if (m_services[s])
                m_services[s]();
        });
    }
}

void WorksheetPanel::setService(Service service, std::function<void()> handler)
{
    m_services[service] = std::move(handler);
}

// --- Views and entries ------------------------------------------------------------------

void WorksheetPanel::prepareView(int viewCode)
{
    m_complianceButton->hide();
    showDecision(std::nullopt);
    if (viewCode == RiskAnalysisView) {
        m_statusLabel->setText(StatusStore::kComplianceStatusLabel);
        m_statusList->clear();
        m_statusList->addItems(StatusStore::kComplianceStatusItems);
    } else if (ActionAreaState::isCatalogView(viewCode) || viewCode == SampleView) {
        m_statusLabel->setText(StatusStore::kCurrentStatusLabel);
        m_statusList->clear();
        m_statusList->addItems(StatusStore::kCurrentStatusItems);
    }
    const bool editorAlone = viewCode == RiskAnalysisView || viewCode == DisasterRecoveryView;
    m_editorTop = editorAlone ? 0.02 : 0.195;
    m_editorHeight = editorAlone ? 0.97 : 0.795;
    layoutEditor();
    setHeadingsVisible(true);
}

void WorksheetPanel::enterView(int viewCode)
{
    setSpecificationPaneEnabled(true);
    m_document->openReadOnly();
    // A group's first entry follows at once and replaces the text itself.
    if (!ActionAreaState::isCatalogView(viewCode))
        m_document->clearEditor();
    if (viewCode != RiskAnalysisView)
        setTemplateCaption(QStringLiteral("Insert Template"));
    setTemplateButtonEnabled(false);
    if (viewCode >= AdministrativeView)
        m_actions.print->setEnabled(false); // until a pane is opened
    setStatusText(viewCode == SampleView ? StatusStore::kSampleStatus : QString());
    m_editor->setLocked(false);
    // The first entry of both groups is an Overview, which has no specification.
    setSpecificationPaneEnabled(viewCode != OrganizationView && viewCode != PoliciesView);
}

void WorksheetPanel::showPlanLayout()
{
    setHeadingsVisible(false);
    disableEditingTools();
}

void WorksheetPanel::showEntry(const SafeguardEntry& entry)
{
    setSpecificationPaneEnabled(!entry.isOverview);
    // One change from the last entry's text to the next one's. The headings, status and
    // decision give the editor its size first, and the text is laid out once, at that size.
    m_document->changeAsProgram([&] {
        setStatusText(m_statuses.slot(SafeguardCatalog::statusRecord(entry.number)));
        showDecision(ReferenceTexts::isAddressable(entry.number) ? std::optional<int>(entry.number) : std::nullopt);
        setHeadings(entry);
        settleLayout();
        m_document->holdLayout();
        m_document->openReadOnly();
        m_document->clearEditor();
        reopenSelectedPane();
        if (!m_paneGroup->checkedButton())
            waitForPane();
        setTemplateButtonEnabled(isPaneSelected(WorksheetPane::PoliciesProcedures) && !entry.isOverview);
    });
}

void WorksheetPanel::showSample()
{
    m_document->clearEditor();
    deselectAllPanes();
    // The sample names the standard as the rule does; the catalog's rows for its group say
    // "Testing" where the rule says "Training".
    SafeguardEntry sample = *SafeguardCatalog::entry(ReferenceTexts::kSampleEntryNumber);
    sample.standard = QStringLiteral("Security Awareness and Training");
    setHeadings(sample);
    setStatusText(StatusStore::kSampleStatus);
    waitForPane();
}

void WorksheetPanel::openWorksheetDocument(const QString& file)
{
    m_currentPane.reset();
    m_editor->setLocked(false);
    m_editor->setPlaceholderText(QString());
    setTemplateButtonEnabled(true);
    setPrintEnabled(true);
    setSaveEnabled(true);
    setEditToolsEnabled(true);
    m_document->openFile(file);
}

void WorksheetPanel::showWorksheetStatus(const QString& text)
{
    for (QWidget* w : {static_cast<QWidget*>(m_statusLabel), static_cast<QWidget*>(m_statusList),
                       static_cast<QWidget*>(m_complianceButton), m_header})
        w->show();
    setStatusText(text);
    layoutEditor();
}

void WorksheetPanel::setTemplateCaption(const QString& caption)
{
    m_templateButton->setText(caption);
}

void WorksheetPanel::insertPolicyTemplate()
{
    const bool sample = m_state.viewCode == SampleView;
    const int number = m_state.entryNumber();
    TemplateInsertion::Request request;
    request.templateFile = SafeguardCatalog::templateFileName(number);
    // In the sample the question is always asked: there is no document of the user's to look at.
    if (!sample)
        request.existingFile = SafeguardCatalog::documentFileName(number, WorksheetPane::PoliciesProcedures);
    request.question = QStringLiteral("The program has detected an existing Policy and Procedure/Plan.\r\rIf you "
                                      "insert template and save file the existing file will be overwritten!\r\r"
                                      "Insert new Template?");
    request.title = QStringLiteral("Insert Template");
    TemplateInsertion::insert(m_editor, this, request);
}

void WorksheetPanel::setHeadings(const SafeguardEntry& entry)
{
    m_standardLabel->setText(SafeguardCatalog::displayText(SafeguardCatalog::standardLabel(entry)));
    m_sectionLabel->setText(SafeguardCatalog::displayText(SafeguardCatalog::sectionLabel(entry)));
    m_specificationLabel->setText(SafeguardCatalog::displayText(SafeguardCatalog::specificationLabel(entry)));
}

void WorksheetPanel::setHeadingsVisible(bool visible)
{
    for (QWidget* w : {static_cast<QWidget*>(m_standardLabel), static_cast<QWidget*>(m_sectionLabel),
                       static_cast<QWidget*>(m_specificationLabel), static_cast<QWidget*>(m_statusLabel),
                       static_cast<QWidget*>(m_statusList), static_cast<QWidget*>(m_actionsFrame),
                       static_cast<QWidget*>(m_referencesFrame)})
        w->setVisible(visible);
    m_header->setVisible(visible || m_complianceButton->isVisible());
    layoutEditor();
}

// --- Status -------------------------------------------------------------------------------

void WorksheetPanel::setStatusText(const QString& text)
{
    // Showing a stored value is not a pick: activated() is not emitted.
    m_statusList->setCurrentIndex(text.isEmpty() ? -1 : m_statusList->findText(text));
}

QString WorksheetPanel::statusText() const
{
    return m_statusList->currentText();
}

int WorksheetPanel::statusRecord() const
{
    if (m_state.isCatalogView())
        return SafeguardCatalog::statusRecord(m_state.entryNumber());
    if (m_state.viewCode == RiskAnalysisView && m_state.entryIndex >= 0)
        return StatusStore::worksheetRecord(m_state.entryIndex);
    return 0; // the sample shows its status but keeps none
}

void WorksheetPanel::onStatusPicked(int index)
{
    const int record = statusRecord();
    if (record <= 0)
        return;
    const QString picked = m_statusList->itemText(index);
    QString error;
    if (!m_statuses.pick(record, picked, &error)) {
        // The list shows what is stored, not a pick that was not kept.
        setStatusText(m_statuses.slot(record));
        Messages::show(this, error, QStringLiteral("Save Status"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    if (StatusStore::isNotImplemented(picked)) {
        Messages::show(this, StatusStore::kNotImplementedText, StatusStore::kNotImplementedTitle, Messages::Buttons::Ok,
                       Messages::Icon::Stop);
    }
}

void WorksheetPanel::showComplianceTerms()
{
    Messages::show(this, StatusStore::kComplianceTermsText, StatusStore::kComplianceTermsTitle, Messages::Buttons::Ok,
                   Messages::Icon::Information);
}

// --- Panes --------------------------------------------------------------------------------

bool WorksheetPanel::openPane(WorksheetPane pane)
{
    if (!m_document->confirmLeave()) {
        showSelectedPane();
        return false;
    }
    if (isDocumentPane(pane))
        openDocumentPane(pane);
    else
        openReferencePane(pane);
    return true;
}

QString WorksheetPanel::documentFile(WorksheetPane pane) const
{
    if (m_state.viewCode == SampleView)
        return sampleFile(pane);
    return SafeguardCatalog::documentFileName(m_state.entryNumber(), pane);
}

void WorksheetPanel::openDocumentPane(WorksheetPane pane)
{
    const SafeguardEntry* entry = SafeguardCatalog::entry(m_state.entryNumber());
    setTemplateButtonEnabled(pane == WorksheetPane::PoliciesProcedures &&
                             !(entry && entry->isOverview && m_state.viewCode != SampleView));
    m_currentPane = pane;
    m_editor->setLocked(false);
    m_editor->setPlaceholderText(QString());
    setPrintEnabled(true);
    setSaveEnabled(true);
    setEditToolsEnabled(true);
    if (m_state.viewCode == SampleView)
        m_document->openSample(documentFile(pane));
    else
        m_document->openFile(documentFile(pane));
    const bool sampleReadOnly = m_state.viewCode == SampleView && pane != WorksheetPane::PoliciesProcedures;
    m_editor->setLocked(sampleReadOnly || m_document->isRefused());
    paneButton(pane)->setChecked(true);
    if (m_state.viewCode == SampleView && pane == WorksheetPane::PoliciesProcedures &&
        !m_state.samplePolicyNoticeShown) {
        Messages::show(this,
                       QStringLiteral("This Policy was first written using a full function word processing\rprogram "
                                      "and then copied and pasted into the program.\r\rYou can use the program to "
                                      "enter in this information, but the program\rdoesn't give you all of the "
                                      "capabilities of a commerical word processor!"),
                       QStringLiteral("Policies and Procedures"), Messages::Buttons::Ok, Messages::Icon::Information);
        m_state.samplePolicyNoticeShown = true;
    }
}

void WorksheetPanel::openReferencePane(WorksheetPane pane)
{
    setTemplateButtonEnabled(false);
    m_currentPane = pane;
    m_document->openReadOnly();
    m_editor->setLocked(true);
    m_editor->setPlaceholderText(QString());
    paneButton(pane)->setChecked(true);
    setPrintEnabled(true);
    setSaveEnabled(false);
    setEditToolsEnabled(false);

    const int number = m_state.entryNumber();
    const QString file = ReferenceTexts::referenceFile(number, pane);
    m_document->changeAsProgram([&] {
        m_editor->clear();
        if (!file.isEmpty()) {
            DocumentFile::read(file, m_editor->document());
            m_editor->moveCursor(QTextCursor::Start);
        } else
            ReferenceTexts::buildDocument(m_editor->document(), number, pane);
    });
    m_exitButton->setFocus();
}

void WorksheetPanel::reopenSelectedPane()
{
    // The panes' values run in the order they are re-opened.
    for (int p = 0; p < kWorksheetPaneCount; ++p) {
        if (!m_panes[p]->isChecked())
            continue;
        if (m_panes[p]->isEnabled()) {
            if (isDocumentPane(WorksheetPane(p)))
                openDocumentPane(WorksheetPane(p));
            else
                openReferencePane(WorksheetPane(p));
        }
        return;
    }
}

void WorksheetPanel::showSelectedPane()
{
    if (m_currentPane) {
        paneButton(*m_currentPane)->setChecked(true);
    } else {
        deselectAllPanes();
    }
}

void WorksheetPanel::deselectAllPanes()
{
    m_currentPane.reset();
    m_paneGroup->setExclusive(false);
    for (QRadioButton* pane : m_panes)
        pane->setChecked(false);
    m_paneGroup->setExclusive(true);
}

bool WorksheetPanel::isPaneSelected(WorksheetPane pane) const
{
    return paneButton(pane)->isChecked();
}

void WorksheetPanel::waitForPane()
{
    // With no pane chosen there is no document to type into: the editor says so and takes
    // no typing, so nothing typed there can be lost.
    m_currentPane.reset();
    m_editor->setLocked(true);
    m_editor->setPlaceholderText(
        QStringLiteral("Choose Action Taken, Comments/Notes or Policies & Procedures/Plan to write, or one of the "
                       "References to read."));
}

// --- Buttons and tools --------------------------------------------------------------------

void WorksheetPanel::setSpecificationPaneEnabled(bool enabled)
{
    QRadioButton* specification = paneButton(WorksheetPane::Specification);
    specification->setEnabled(enabled);
    if (!enabled && specification->isChecked()) {
        m_paneGroup->setExclusive(false);
        specification->setChecked(false);
        m_paneGroup->setExclusive(true);
    }
}

void WorksheetPanel::setTemplateButtonEnabled(bool enabled)
{
    m_templateButton->setEnabled(enabled && m_services[InsertTemplateService]);
    m_templateButton->setProperty("templateAllowed", enabled);
}

void WorksheetPanel::showHistory()
{
    if (!m_document->hasHistory())
        return;
    // The versions are those of the saved file: unsaved changes are saved or let go first,
    // and the editor then shows the file as it is.
    if (m_document->isChanged()) {
        if (!m_document->confirmLeave())
            return;
        m_document->openFile(m_document->fileName());
    }
    const QString name = m_currentPane ? QString::fromLatin1(kPaneCaptions[int(*m_currentPane)])
                                                 .replace(QStringLiteral("&&"), QStringLiteral("&")) +
                                             QStringLiteral(" (") + m_document->fileName() + QLatin1Char(')')
                                       : m_document->fileName();
    if (const std::optional<QByteArray> chosen = HistoryDialog::chooser()(m_document->fileName(), name, window()))
        m_document->bringBack(*chosen);
}

void WorksheetPanel::showDecision(std::optional<int> entryNumber)
{
    m_decisionEntry = entryNumber;
    m_decisionButton->setVisible(entryNumber.has_value());
    m_actions.decision->setEnabled(entryNumber.has_value());
    if (!entryNumber)
        return;
    const AddressableDecision decision = AddressableDecisions::read(*entryNumber);
    if (decision.choice == AddressableDecision::Undecided) {
        m_decisionButton->setText(QStringLiteral("&Decision: none yet"));
        m_decisionButton->setToolTip(QStringLiteral("Record whether and how this Addressable specification is met."));
        return;
    }
    m_decisionButton->setText(QStringLiteral("&Decision: ") + AddressableDecisions::choiceText(decision.choice));
    QString tip = decision.explanation;
    if (decision.nextReview.isValid())
        tip += QStringLiteral("\nNext review: ") + decision.nextReview.toString(QStringLiteral("MM/dd/yyyy"));
    m_decisionButton->setToolTip(tip.trimmed());
}

void WorksheetPanel::editDecision()
{
    if (!m_decisionEntry)
        return;
    const int number = *m_decisionEntry;
    const SafeguardEntry* entry = SafeguardCatalog::entry(number);
    const std::optional<AddressableDecision> decided = AddressableDecisionDialog::editor()(
        entry ? entry->fullTitle : QString(), AddressableDecisions::read(number), window());
    if (!decided)
        return;
    QString error;
    if (!AddressableDecisions::write(number, *decided, &error)) {
        Messages::show(
            this,
            QStringLiteral("The decision could not be saved to %1.\r%2").arg(AddressableDecisions::kFileName, error),
            QStringLiteral("Save Decision"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
    }
    showDecision(number);
}

void WorksheetPanel::disableEditingTools()
{
    setTemplateButtonEnabled(false);
    setPrintEnabled(false);
    setSaveEnabled(false);
    setEditToolsEnabled(false);
}

void WorksheetPanel::enableService(QPushButton* button, QAction* action, Service service, bool enabled)
{
    // A tool that no part of the program provides yet stays greyed.
    const bool available = enabled && m_services[service];
    button->setEnabled(available);
    if (action)
        action->setEnabled(available);
}

void WorksheetPanel::setPrintEnabled(bool enabled)
{
    enableService(m_printButton, m_actions.print, PrintService, enabled);
}

void WorksheetPanel::setSaveEnabled(bool enabled)
{
    m_saveButton->setEnabled(enabled);
    m_actions.save->setEnabled(enabled);
}

void WorksheetPanel::setEditToolsEnabled(bool enabled)
{
    enableService(m_fontButton, m_actions.fontSelect, FontSelectService, enabled);
    enableService(m_thesaurusButton, m_actions.thesaurus, ThesaurusService, enabled);
    enableService(m_spellButton, m_actions.spellCheck, SpellCheckService, enabled);
    m_textLocation->setEnabled(enabled);
}

void WorksheetPanel::reflectAlignment()
{
    const Qt::Alignment alignment = m_editor->selAlignment();
    const int index = (alignment & Qt::AlignHCenter) ? 1 : (alignment & Qt::AlignRight) ? 2 : 0;
    m_alignButtons[index]->setChecked(true);
}

// --- Layout -------------------------------------------------------------------------------

void WorksheetPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutEditor();
}

void WorksheetPanel::setNarrow(bool narrow)
{
    // In the narrow window of Smaller Screen Display the status list goes under its label and
    // leaves the panes' frames their whole width.
    m_statusRow->setDirection(narrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

bool WorksheetPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The header is placed by hand over the editor's area, so its layout does not reach the
    // window's: its least width, which changes with its texts, is passed on here, and the
    // window leaves it that much. Headings that wrap differently move the editor's top.
    if (watched == m_header && event->type() == QEvent::LayoutRequest)
        followHeaderWidth();
    return QWidget::eventFilter(watched, event);
}

void WorksheetPanel::settleLayout()
{
    // The layouts the new texts asked for run now rather than after the editor has laid its
    // text out at a size it is about to leave.
    followHeaderWidth();
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void WorksheetPanel::followHeaderWidth()
{
    m_editorArea->setMinimumWidth(m_header->minimumSizeHint().width());
    layoutEditor();
}

void WorksheetPanel::layoutEditor()
{
    const int height = m_editorArea->height();
    const int width = m_editorArea->width();
    int top = int(m_editorTop * height);
    if (m_header->isVisibleTo(this)) {
        // The headings, panes or status sit above the editor; never let the editor cover them.
        // Headings that wrap need more height the narrower the window.
        const int needed =
            m_header->hasHeightForWidth() ? m_header->heightForWidth(width) : m_header->sizeHint().height();
        top = qMax(top, needed);
        m_header->setGeometry(0, 0, width, top);
    }
    const int bottom = int((m_editorTop + m_editorHeight) * height);
    m_editor->setGeometry(0, top, width, qMax(40, bottom - top));
}

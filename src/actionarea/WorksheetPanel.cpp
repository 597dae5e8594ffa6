#include "actionarea/WorksheetPanel.h"

#include "actionarea/StatusStore.h"
#include "app/Messages.h"
#include "catalog/SafeguardCatalog.h"
#include "richtext/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kPaneCaptions[WorksheetPanel::kPaneCount] = {
    "References in Rule",           "Action Taken",          "Comments/Notes", "Policies && Procedures/Plan",
    "Implementation specification", "Additional Information"};
const char* const kPaneNames[WorksheetPanel::kPaneCount] = {"referencesInRulePane", "actionTakenPane",
                                                            "commentsNotesPane",    "policiesPane",
                                                            "specificationPane",    "additionalInformationPane"};

const QString kSampleFiles[3] = {QStringLiteral("SampleAct.Dat"), QStringLiteral("SampleCom.Dat"),
                                 QStringLiteral("SamplePol.Dat")};

WorksheetPanel::Pane paneOfCode(int paneCode)
{
    switch (paneCode) {
    case ActionTakenPane:
        return WorksheetPanel::ActionTaken;
    case CommentsNotesPane:
        return WorksheetPanel::CommentsNotes;
    default:
        return WorksheetPanel::PoliciesProcedures;
    }
}

WorksheetPane worksheetPaneOfCode(int paneCode)
{
    return static_cast<WorksheetPane>(paneCode);
}

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
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
    m_editor = new RichTextBox(m_editorArea);
    m_editor->setObjectName(QStringLiteral("RText1"));
    m_editor->setAccessibleName(QStringLiteral("Worksheet document"));
    connect(m_editor, &RichTextBox::contentChanged, this, &WorksheetPanel::onEditorChanged);
    connect(m_editor, &RichTextBox::selectionMoved, this, &WorksheetPanel::reflectAlignment);
    buildButtons();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_editorArea, 1);
    auto* column = new QVBoxLayout();
    for (QPushButton* b :
         {m_printButton, m_saveButton, m_exitButton, m_fontButton, m_thesaurusButton, m_spellButton, m_templateButton})
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
    m_statusLabel = new QLabel(m_header);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusList = new QComboBox(m_header);
    m_statusList->setObjectName(QStringLiteral("statusList"));
    m_statusList->setAccessibleName(QStringLiteral("Status"));
    m_statusList->setEditable(false);
    m_statusList->setMinimumContentsLength(15);
    connect(m_statusList, qOverload<int>(&QComboBox::activated), this, &WorksheetPanel::onStatusPicked);
    m_complianceButton =
        makeButton(QStringLiteral("Compliance Status"), QStringLiteral("complianceStatusButton"), m_header);
    m_complianceButton->hide();
    connect(m_complianceButton, &QPushButton::clicked, this, &WorksheetPanel::showComplianceTerms);

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
    for (int p = 0; p < kPaneCount; ++p) {
        const bool isAction = p == ActionTaken || p == CommentsNotes || p == PoliciesProcedures;
        auto* radio =
            new QRadioButton(QString::fromLatin1(kPaneCaptions[p]), isAction ? m_actionsFrame : m_referencesFrame);
        radio->setObjectName(QString::fromLatin1(kPaneNames[p]));
        m_panes[p] = radio;
        m_paneGroup->addButton(radio, p);
    }
    actionsLayout->addWidget(m_panes[ActionTaken]);
    actionsLayout->addWidget(m_panes[CommentsNotes]);
    actionsLayout->addWidget(m_panes[PoliciesProcedures]);
    referencesLayout->addWidget(m_panes[Specification]);
    referencesLayout->addWidget(m_panes[ReferencesInRule]);
    referencesLayout->addWidget(m_panes[AdditionalInfo]);
    connect(m_paneGroup, &QButtonGroup::idClicked, this, &WorksheetPanel::openPane);

    auto* grid = new QGridLayout(m_header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    grid->addWidget(m_standardLabel, 0, 0, 1, 3);
    grid->addWidget(m_sectionLabel, 1, 0, 1, 3);
    grid->addWidget(m_specificationLabel, 2, 0, 1, 3);
    grid->addWidget(m_statusLabel, 3, 0);
    grid->addWidget(m_statusList, 3, 1);
    grid->addWidget(m_complianceButton, 3, 2);
    grid->addWidget(m_actionsFrame, 0, 3, 4, 1);
    grid->addWidget(m_referencesFrame, 0, 4, 4, 1);
    grid->setColumnStretch(2, 1);
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

    connect(m_saveButton, &QPushButton::clicked, this, [this] { saveCommand(); });
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
    connect(m_actions.save, &QAction::triggered, this, [this] { saveCommand(); });
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

void WorksheetPanel::setViewDocument(int viewCode, std::function<bool()> save, std::function<void()> discard)
{
    if (viewCode < 0 || viewCode >= 10)
        return;
    m_saveHandlers[viewCode] = std::move(save);
    m_discardHandlers[viewCode] = std::move(discard);
}

// --- Headings and status -------------------------------------------------------------

void WorksheetPanel::fillStatusVocabulary(int viewCode)
{
    if (viewCode == RiskAnalysisView) {
        m_statusLabel->setText(StatusStore::kComplianceStatusLabel);
        m_statusList->clear();
        m_statusList->addItems(StatusStore::kComplianceStatusItems);
    } else if ((viewCode >= AdministrativeView && viewCode <= PoliciesView) || viewCode == SampleView) {
        m_statusLabel->setText(StatusStore::kCurrentStatusLabel);
        m_statusList->clear();
        m_statusList->addItems(StatusStore::kCurrentStatusItems);
    }
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
}

void WorksheetPanel::showStatus(int record)
{
    setStatusText(m_statuses.slot(record));
}

void WorksheetPanel::setStatusText(const QString& text)
{
    // Showing a stored value is not a pick: activated() is not emitted.
    m_statusList->setCurrentIndex(text.isEmpty() ? -1 : m_statusList->findText(text));
}

QString WorksheetPanel::statusText() const
{
    return m_statusList->currentText();
}

void WorksheetPanel::onStatusPicked(int index)
{
    const QString picked = m_statusList->itemText(index);
    int record = 0;
    if (m_state.isCatalogView())
        record = SafeguardCatalog::statusRecord(m_state.entryNumber());
    else if (m_state.viewCode == RiskAnalysisView)
        record = StatusStore::worksheetRecord(m_state.entryIndex);
    if (record <= 0)
        return; // the sample shows its status but keeps none
    QString error;
    if (!m_statuses.pick(record, picked, &error)) {
        Messages::show(error, QStringLiteral("Save Status"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
    }
    if (StatusStore::isNotImplemented(picked)) {
        Messages::show(StatusStore::kNotImplementedText, StatusStore::kNotImplementedTitle, Messages::Buttons::Ok,
                       Messages::Icon::Stop);
    }
}

void WorksheetPanel::showComplianceTerms()
{
    Messages::show(StatusStore::kComplianceTermsText, StatusStore::kComplianceTermsTitle, Messages::Buttons::Ok,
                   Messages::Icon::Information);
}

// --- Panes -------------------------------------------------------------------------

void WorksheetPanel::openPane(int pane)
{
    switch (pane) {
    case ActionTaken:
        openActionPane(ActionTakenPane);
        break;
    case CommentsNotes:
        openActionPane(CommentsNotesPane);
        break;
    case PoliciesProcedures:
        openActionPane(PoliciesPane);
        break;
    case Specification:
        openReferencePane(ReferencePane::Specification);
        break;
    case ReferencesInRule:
        openReferencePane(ReferencePane::ReferencesInRule);
        break;
    case AdditionalInfo:
        openReferencePane(ReferencePane::AdditionalInformation);
        break;
    }
}

QString WorksheetPanel::actionDocumentFile(int paneCode) const
{
    if (m_state.viewCode == SampleView)
        return kSampleFiles[paneCode - ActionTakenPane];
    return SafeguardCatalog::documentFileName(m_state.entryNumber(), worksheetPaneOfCode(paneCode));
}

void WorksheetPanel::openActionPane(int paneCode)
{
    if (m_state.dirty)
        savePrompt();
    const SafeguardEntry* entry = SafeguardCatalog::entry(m_state.entryNumber());
    setTemplateButtonEnabled(paneCode == PoliciesPane &&
                             !(entry && entry->isOverview && m_state.viewCode != SampleView));
    m_state.currentPane = paneCode;
    m_editor->setLocked(false);
    m_editor->setPlaceholderText(QString());
    setPrintEnabled(true);
    m_saveButton->setEnabled(true);
    m_actions.save->setEnabled(true);
    setEditToolsEnabled(true);
    clearEditorAsProgram();
    m_state.currentDocumentFile = actionDocumentFile(paneCode);
    m_editor->loadFile(m_state.currentDocumentFile);
    const bool sampleReadOnly = m_state.viewCode == SampleView && paneCode != PoliciesPane;
    m_editor->setLocked(sampleReadOnly);
    m_panes[paneOfCode(paneCode)]->setChecked(true);
    m_state.dirty = false;
}

void WorksheetPanel::openReferencePane(ReferencePane pane)
{
    if (m_state.dirty)
        savePrompt();
    setTemplateButtonEnabled(false);
    m_state.currentPane = ReferenceOrNoPane;
    m_state.dirty = false;
    m_editor->setLocked(true);
    m_editor->setPlaceholderText(QString());
    const Pane button = pane == ReferencePane::Specification      ? Specification
                        : pane == ReferencePane::ReferencesInRule ? ReferencesInRule
                                                                  : AdditionalInfo;
    m_panes[button]->setChecked(true);
    setPrintEnabled(true);
    m_saveButton->setEnabled(false);
    m_actions.save->setEnabled(false);
    setEditToolsEnabled(false);

    const int number = m_state.entryNumber();
    m_state.loading = true;
    const QString file = ReferenceTexts::referenceFile(number, pane);
    if (!file.isEmpty()) {
        m_state.currentDocumentFile = file;
        m_editor->clear();
        m_editor->loadFile(file);
    } else if (!ReferenceTexts::buildDocument(m_editor->document(), number, pane)) {
        m_editor->clear();
    }
    m_state.loading = false;
    m_exitButton->setFocus();
    m_state.dirty = false;
}

void WorksheetPanel::reopenSelectedPane()
{
    // The Pane values run in the order the panes are re-opened.
    for (int pane = 0; pane < kPaneCount; ++pane) {
        if (!m_panes[pane]->isChecked())
            continue;
        if (m_panes[pane]->isEnabled())
            openPane(pane);
        return;
    }
}

void WorksheetPanel::deselectAllPanes()
{
    m_paneGroup->setExclusive(false);
    for (QRadioButton* pane : m_panes)
        pane->setChecked(false);
    m_paneGroup->setExclusive(true);
}

bool WorksheetPanel::isPaneSelected(Pane pane) const
{
    return m_panes[pane]->isChecked();
}

bool WorksheetPanel::isAnyPaneSelected() const
{
    return m_paneGroup->checkedButton() != nullptr;
}

void WorksheetPanel::clearEditorAsProgram()
{
    m_state.loading = true;
    m_editor->clear();
    // clear() on an empty document may raise no change at all: never leave the flag up.
    m_state.loading = false;
}

void WorksheetPanel::setSpecificationPaneEnabled(bool enabled)
{
    m_panes[Specification]->setEnabled(enabled);
    if (!enabled && m_panes[Specification]->isChecked()) {
        m_paneGroup->setExclusive(false);
        m_panes[Specification]->setChecked(false);
        m_paneGroup->setExclusive(true);
    }
}

void WorksheetPanel::setTemplateButtonEnabled(bool enabled)
{
    m_templateButton->setEnabled(enabled && m_services[InsertTemplateService]);
    m_templateButton->setProperty("templateAllowed", enabled);
}

void WorksheetPanel::setTemplateButtonCaption(const QString& caption)
{
    m_templateButton->setText(caption);
}

void WorksheetPanel::unlockEditor()
{
    m_editor->setLocked(false);
}

void WorksheetPanel::waitForPane()
{
    m_editor->setLocked(true);
    m_editor->setPlaceholderText(
        QStringLiteral("Choose Action Taken, Comments/Notes or Policies & Procedures/Plan to write, or one of the "
                       "References to read."));
}

void WorksheetPanel::disableEditingTools()
{
    setTemplateButtonEnabled(false);
    setPrintEnabled(false);
    m_saveButton->setEnabled(false);
    m_actions.save->setEnabled(false);
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

// --- Changes and saving ---------------------------------------------------------------

void WorksheetPanel::onEditorChanged()
{
    if (m_state.loading) {
        m_state.loading = false;
        return;
    }
    if (m_state.viewCode == DisasterRecoveryView)
        m_state.dirty = true;
    else
        m_state.dirty = m_state.currentPane >= ActionTakenPane && m_state.currentPane <= PoliciesPane;
}

bool WorksheetPanel::savePrompt()
{
    if (m_state.viewCode == SampleView)
        return true;
    const Messages::Answer answer =
        Messages::show(QStringLiteral("Save changes/entries before next action?"), QStringLiteral("Save Changes?"),
                       Messages::Buttons::YesNo, Messages::Icon::Question);
    bool saved = true;
    if (answer == Messages::Answer::Yes)
        saved = saveCommand();
    else if (m_discardHandlers[m_state.viewCode])
        m_discardHandlers[m_state.viewCode]();
    m_state.dirty = false;
    QCoreApplication::processEvents();
    return saved;
}

bool WorksheetPanel::saveCommand()
{
    const int view = m_state.viewCode;
    if (view == SampleView) {
        Messages::show(QStringLiteral("Unable to save changes to sample."), QStringLiteral("Save Command"),
                       Messages::Buttons::Ok, Messages::Icon::Question);
        return false;
    }
    if (!m_state.isCatalogView()) {
        if (!m_saveHandlers[view])
            return true;
        const bool saved = m_saveHandlers[view]();
        m_state.dirty = !saved;
        return saved;
    }
    m_state.dirty = false;
    if (m_state.currentPane == ReferenceOrNoPane)
        return true;
    m_state.currentDocumentFile = actionDocumentFile(m_state.currentPane);
    QString error;
    if (m_editor->saveFile(m_state.currentDocumentFile, &error))
        return true;
    // Nothing is lost: the document stays in the editor, marked as changed.
    m_state.dirty = true;
    Messages::show(QStringLiteral("Your changes could not be saved to %1.\r%2\r\rThe previous version of the file "
                                  "has been kept.")
                       .arg(m_state.currentDocumentFile, error),
                   QStringLiteral("Save Command"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
    return false;
}

// --- Layout -----------------------------------------------------------------------------

void WorksheetPanel::placeEditor(int viewCode)
{
    const bool full = viewCode == RiskAnalysisView || viewCode == DisasterRecoveryView;
    m_editorTop = full ? 0.02 : 0.195;
    m_editorHeight = full ? 0.97 : 0.795;
    layoutEditor();
}

void WorksheetPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutEditor();
}

void WorksheetPanel::layoutEditor()
{
    const int height = m_editorArea->height();
    const int width = m_editorArea->width();
    int top = int(m_editorTop * height);
    if (m_editorTop > 0.1) {
        // The headings and panes sit above the editor; never let the editor cover them.
        top = qMax(top, m_header->sizeHint().height());
        m_header->setGeometry(0, 0, width, top);
    }
    const int bottom = int((m_editorTop + m_editorHeight) * height);
    m_editor->setGeometry(0, top, width, qMax(40, bottom - top));
}

#include "actionarea/WorkArea1.h"

#include "actionarea/ActionAreaPrinting.h"
#include "actionarea/RemindersButton.h"
#include "actionarea/SafeguardButtonPanel.h"
#include "actionarea/StandardsOverviewPanel.h"
#include "base/ButtonLook.h"
#include "base/DisplaySettings.h"
#include "base/HINFO1.h"
#include "base/Help.h"
#include "base/Messages.h"
#include "base/OptionsPopup.h"
#include "base/ProgramEnd.h"
#include "base/WorkScreenMenus.h"
#include "base/WrappingButton.h"
#include "catalog/SafeguardCatalog.h"
#include "editing/EditingServices.h"
#include "editing/TabStopRule.h"
#include "printing/PrintPanel.h"
#include "register/RiskRegisterDialog.h"
#include "richtext/RichTextBox.h"
#include "timeline/GridBackgroundMenu.h"
#include "timeline/TimelineModel.h"
#include "timeline/TimelinePanel.h"
#include "worksheets/DisasterRecoveryPlan.h"
#include "worksheets/RiskWorksheets.h"
#include "worksheets/WorksheetDocument.h"
#include "worksheets/WorksheetPanel.h"
#include "worksheets/WorksheetTitleEditor.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QStringList kLeftHandCaptions = {
    QStringLiteral("HIPAA Security Standards"),    QStringLiteral("Safeguard Project Timeline "),
    QStringLiteral("Administrative Safeguards"),   QStringLiteral("Physical Safeguards"),
    QStringLiteral("Technical Safeguards"),        QStringLiteral("Organization Requirements"),
    QStringLiteral("Policies and Proceedures..."), QStringLiteral("Risk Analysis Worksheets"),
    QStringLiteral("Disaster Recovery Plan"),      QStringLiteral("Sample Safeguard Entry")};

const QString kTitlePrefix = QStringLiteral("Action Area - ");

enum HelpContexts
{
    kPrintPanelHelp = 1014,
    kTimelineHelp = 2009,
    kWorksheetHelp = 3010,
    kRiskAnalysisHelp = 3044,
    kDisasterPlanHelp = 3048
};

} // namespace

WorkArea1::WorkArea1(QWidget* startScreen) : QMainWindow(nullptr), m_startScreen(startScreen)
{
    setObjectName(QStringLiteral("WorkArea1"));
    setWindowTitle(QStringLiteral("Action Area"));
    buildScreen();
    buildMenus();
    connectPrinting();
    connectEditing();
    installOptionsPopup();
    loadScreen();
}

WorkArea1::~WorkArea1() = default;

void WorkArea1::buildScreen()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("actionAreaBackground"));
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 4, 4, 4);

    m_tabs = new TabButtonRow(central);
    connect(m_tabs, &TabButtonRow::tabPressed, this, &WorkArea1::pressTab);
    outer->addWidget(m_tabs);

    auto* body = new QHBoxLayout();
    outer->addLayout(body, 1);
    auto* leftColumn = new QVBoxLayout();
    leftColumn->setSpacing(3);
    for (int v = 0; v < kViewCount; ++v) {
        auto* button = new WrappingButton(kLeftHandCaptions.at(v), central);
        button->setObjectName(QStringLiteral("leftHandButton%1").arg(v));
        button->setMinimumHeight(34);
        connect(button, &QPushButton::clicked, this, [this, v] { pressLeftHandButton(v); });
        leftColumn->addWidget(button);
        m_leftHandButtons.append(button);
    }
    leftColumn->addStretch();
    body->addLayout(leftColumn);

    auto* right = new QVBoxLayout();
    body->addLayout(right, 1);
    m_viewArea = new QWidget(central);
    m_viewArea->setObjectName(QStringLiteral("viewArea"));
    auto* viewLayout = new QVBoxLayout(m_viewArea);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    m_overview = new StandardsOverviewPanel(m_statuses, m_viewArea);
    connect(m_overview, &StandardsOverviewPanel::titleChanged, this, &QWidget::setWindowTitle);
    setViewEntry(StandardsOverviewView, [this] { m_overview->enter(); });
    viewLayout->addWidget(m_overview, 1);
    m_timeline = new TimelinePanel(m_viewArea);
    viewLayout->addWidget(m_timeline, 1);
    m_safeguardPanel = new SafeguardButtonPanel(m_viewArea);
    connect(m_safeguardPanel, &SafeguardButtonPanel::safeguardPressed, this, &WorkArea1::pressSafeguardButton);
    viewLayout->addWidget(m_safeguardPanel);
    m_companionPanel = new QLabel(m_viewArea);
    m_companionPanel->setObjectName(QStringLiteral("viewPanel3"));
    viewLayout->addWidget(m_companionPanel);
    right->addWidget(m_viewArea);

    m_worksheet = new WorksheetPanel(m_state, m_statuses, m_actions, central);
    connect(m_worksheet, &WorksheetPanel::exitPressed, this, [this] { pressLeftHandButton(StandardsOverviewView); });
    right->addWidget(m_worksheet, 1);
    connectTimeline();
    connectPlanViews();

    statusBar()->setObjectName(QStringLiteral("actionAreaStatusBar"));
    m_reminders = new RemindersButton(statusBar());
    statusBar()->addPermanentWidget(m_reminders);
    connect(m_reminders, &RemindersButton::goToTimelineRow, this, [this](int row) {
        pressLeftHandButton(TimelineView);
        const QModelIndex item = m_timeline->grid()->index(row, TimelineModel::kItemColumn);
        m_timeline->gridView()->setCurrentIndex(item);
        m_timeline->gridView()->scrollTo(item);
        m_timeline->gridView()->setFocus();
    });
    connect(m_reminders, &RemindersButton::goToRiskRegister, this, [this] {
        RiskRegisterDialog dialog(this);
        dialog.showTab(RiskRegisterDialog::AssociatesTab);
        dialog.exec();
        workbookChangedOutside();
    });
    connect(m_reminders, &RemindersButton::goToPolicy, this, [this](int number) {
        const EntryPosition at = SafeguardCatalog::groupAndIndex(number);
        if (!at.isValid())
            return;
        pressLeftHandButton(at.groupCode);
        pressSafeguardButton(at.groupCode, at.index);
        m_worksheet->openPane(WorksheetPane::PoliciesProcedures);
    });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &WorkArea1::handleEscape);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &WorkArea1::handleF1);
}

void WorkArea1::connectTimeline()
{
    connect(m_timeline, &TimelinePanel::changed, this, [this] {
        if (m_state.viewCode == TimelineView)
            m_worksheet->document()->markChanged();
    });
    connect(m_timeline, &TimelinePanel::saveRequested, this, [this] { m_worksheet->document()->save(); });
    connect(m_timeline, &TimelinePanel::exitRequested, this, [this] { pressLeftHandButton(StandardsOverviewView); });
    connect(m_timeline, &TimelinePanel::optionsMenuRequested, this,
            [this](const QPoint& globalPos) { m_optionsMenu->popup(globalPos); });
    connect(this, &WorkArea1::activated, m_timeline, &TimelinePanel::refreshOnActivate);
    m_timeline->gridBackgroundMenu()->addGrid(m_overview->grid());
    // "None" means the grids look like the worksheet's editor.
    m_timeline->gridBackgroundMenu()->setPlainColour(m_worksheet->editor()->palette().color(QPalette::Base));
    setViewEntry(TimelineView, [this] {
        m_worksheet->document()->openKept(
            {[this] { return m_timeline->saveTimeline(); }, [this] { m_timeline->markSaved(); }});
        m_timeline->loadTimeline();
    });
}

void WorkArea1::connectPlanViews()
{
    // The title editor lies over the worksheet panel while it is open.
    auto* titleEditor = new WorksheetTitleEditor(m_worksheet);
    m_riskWorksheets =
        new RiskWorksheets(m_state, m_statuses, m_worksheet, m_safeguardPanel->worksheetButtons(), titleEditor);
    connect(m_riskWorksheets, &RiskWorksheets::windowTitleChanged, this,
            [this](const QString& suffix) { setWindowTitle(m_state.titlePrefix + QStringLiteral(" - ") + suffix); });
    connect(titleEditor, &WorksheetTitleEditor::closed, m_worksheet, [this] { m_worksheet->setFocus(); });
    setViewEntry(RiskAnalysisView, [this, titleEditor] {
        titleEditor->setGeometry(m_worksheet->rect());
        m_safeguardPanel->setCaption(QStringLiteral("Risk Analysis Worksheets"));
        m_riskWorksheets->enter();
    });
    m_plan = new DisasterRecoveryPlan(m_worksheet);
    setViewEntry(DisasterRecoveryView, [this] {
        m_safeguardPanel->setCaption(QStringLiteral("Disaster Recovery Plan"));
        m_plan->enter();
    });
    m_worksheet->setService(WorksheetPanel::InsertTemplateService, [this] { insertTemplate(); });
}

void WorkArea1::insertTemplate()
{
    if (m_state.viewCode == RiskAnalysisView)
        m_riskWorksheets->newWorksheet();
    else if (m_state.viewCode == DisasterRecoveryView)
        m_plan->insertTemplate();
    else
        m_worksheet->insertPolicyTemplate();
}

void WorkArea1::connectPrinting()
{
    m_printing = new ActionAreaPrinting(centralWidget(), m_state, m_statuses, m_worksheet, m_timeline, m_overview);
    m_worksheet->setService(WorksheetPanel::PrintService, [this] { m_printing->print(); });
    m_timeline->setPrintAvailable(true);
    connect(m_timeline, &TimelinePanel::printRequested, m_printing, &ActionAreaPrinting::startTimelinePrint);
}

void WorkArea1::connectEditing()
{
    RichTextBox* editor = m_worksheet->editor();
    m_editing = new EditingServices(editor, this);
    new TabStopRule(this, editor);
    connect(editor, &RichTextBox::gotFocus, this, [this, editor] { m_editing->watch(editor); });
    connect(m_timeline, &TimelinePanel::itemBoxFocused, this, [this](QLineEdit* box) { m_editing->watch(box); });
    m_worksheet->setService(WorksheetPanel::FontSelectService, [this] { m_editing->selectFont(); });
    m_worksheet->setService(WorksheetPanel::CopyToClipboardService, [this] { m_editing->copyToClipboard(); });
    if (m_editing->isThesaurusAvailable()) {
        m_worksheet->setService(WorksheetPanel::ThesaurusService, [this] { m_editing->lookUpSelection(); });
    } else {
        // Without the package the command stays greyed and says what to install.
        const QString hint = Thesaurus::missingThesaurusHint();
        m_worksheet->thesaurusButton()->setToolTip(hint);
        m_actions.thesaurus->setToolTip(hint);
        m_actions.thesaurus->setStatusTip(hint);
    }
    if (m_editing->isSpellingAvailable()) {
        m_worksheet->setService(WorksheetPanel::SpellCheckService, [this] { m_editing->checkDocument(); });
        m_timeline->setSpellCheckAvailable(true);
        connect(m_timeline, &TimelinePanel::spellCheckRequested, this, &WorkArea1::checkTimelineSpelling);
    } else {
        const QString hint = SpellEngine::missingDictionaryHint();
        m_worksheet->spellButton()->setToolTip(hint);
        m_actions.spellCheck->setToolTip(hint);
        m_actions.spellCheck->setStatusTip(hint);
        m_timeline->findChild<QPushButton*>(QStringLiteral("timelineSpellButton"))->setToolTip(hint);
    }
}

void WorkArea1::checkTimelineSpelling()
{
    TimelinePanel* timeline = m_timeline;
    GridSpellCheck::Grid grid;
    grid.item = [timeline](int row) { return timeline->grid()->text(row, TimelineModel::kItemColumn); };
    grid.showRow = [timeline](int row) { timeline->showItemRow(row); };
    grid.setItem = [timeline](int row, const QString& text) { timeline->setCheckedItem(row, text); };
    grid.itemCorrected = [timeline](const QString& before, const QString& corrected) {
        timeline->renameKnownItem(before, corrected);
    };
    m_editing->checkGrid(std::move(grid));
    timeline->endSpellCheck();
}

void WorkArea1::buildMenus()
{
    m_optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("mOptions"));
    m_actions =
        ActionAreaActions::build(m_optionsMenu, m_timeline->gridBackgroundMenu(), m_timeline->deleteItemAction(),
                                 m_timeline->clearGridAction(), m_timeline->insertRowAction());
    m_worksheet->connectMenuActions();
    connect(m_actions.informationAdvisor, &QAction::triggered, this, [this] { pressTab(1); });
    connect(m_actions.securityRule, &QAction::triggered, this, [this] { pressTab(2); });
    connect(m_actions.miscellaneous, &QAction::triggered, this, [this] { pressTab(3); });
    connect(m_actions.exitProgram, &QAction::triggered, this, [this] { pressTab(4); });
    connect(m_actions.changeWorksheetTitle, &QAction::triggered, this, [this] { m_riskWorksheets->changeTitles(); });
    // "&Copy to Clipboard" is offered only while the editor holds text.
    connect(m_optionsMenu, &QMenu::aboutToShow, this, [this] {
        m_actions.copyToClipboard->setEnabled(m_worksheet->hasService(WorksheetPanel::CopyToClipboardService) &&
                                              !m_worksheet->editor()->text().trimmed().isEmpty());
    });
    // A backup copies, and a restore replaces, the files the open document is saved to.
    WorkScreenMenus::addUtilitiesMenu(menuBar(), QStringLiteral("Utilities"), this,
                                      [this] { return m_worksheet->document()->confirmLeave(); });
    WorkScreenMenus::addHelpMenu(menuBar(), this, QString(), 0);
    // Reader screens arrive separately: their tabs stay greyed until one is supplied.
    for (int t = 1; t <= 3; ++t)
        setScreenOpener(t, nullptr);
}

void WorkArea1::installOptionsPopup()
{
    // Labels, frames, panels, options and buttons; not the documents, grids and lists,
    // which have menus of their own.
    QList<QWidget*> watched{centralWidget()};
    const QList<QWidget*> children = centralWidget()->findChildren<QWidget*>();
    for (QWidget* w : children) {
        bool insideDocument = false;
        for (QWidget* p = w; p; p = p->parentWidget())
            insideDocument = insideDocument || qobject_cast<QAbstractScrollArea*>(p) || qobject_cast<QComboBox*>(p);
        if (!insideDocument && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                qobject_cast<QFrame*>(w) || w->objectName().startsWith(QLatin1String("viewPanel"))))
            watched.append(w);
    }
    (new OptionsPopup(m_optionsMenu, this))->watch(watched);
}

void WorkArea1::loadScreen()
{
    m_statuses.loadAll();
    m_tabs->choose(0);
    chooseLeftHandButton(StandardsOverviewView);
    // No view is shown until the screen is activated; with every panel hidden the window
    // also takes its size without their combined height.
    hideViewPanels();
    m_worksheet->hide();
    m_state.sampleNoticeShown = false;
    m_state.samplePolicyNoticeShown = false;
    m_timeline->gridBackgroundMenu()->loadChoice();
    m_printing->load();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (HINFO1::state().displayMode == HINFO1::SmallerScreenDisplay) {
        centralWidget()->setFont(DisplaySettings::screenFont(font(), HINFO1::SmallerScreenDisplay));
        m_worksheet->setNarrow(true);
        resize(800, 600);
        if (screen)
            move(screen->geometry().center() - rect().center());
    } else {
        if (screen)
            setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void WorkArea1::setScreenOpener(int t, std::function<void()> opener)
{
    if (t < 1 || t > 3)
        return;
    m_screenOpeners[t] = std::move(opener);
    const bool available = bool(m_screenOpeners[t]);
    m_tabs->tab(t)->setEnabled(available);
    QAction* item = t == 1 ? m_actions.informationAdvisor : t == 2 ? m_actions.securityRule : m_actions.miscellaneous;
    item->setEnabled(available);
}

void WorkArea1::setViewEntry(int v, std::function<void()> entry)
{
    if (v >= 0 && v < kViewCount)
        m_viewEntries[v] = std::move(entry);
}

void WorkArea1::hideViewPanels()
{
    for (QWidget* panel : {static_cast<QWidget*>(m_overview), static_cast<QWidget*>(m_timeline),
                           static_cast<QWidget*>(m_safeguardPanel), static_cast<QWidget*>(m_companionPanel)})
        panel->hide();
    m_safeguardPanel->hideAllFrames();
}

void WorkArea1::showViewPanel(int v)
{
    if (v == StandardsOverviewView) {
        m_overview->show();
    } else if (v == TimelineView) {
        m_timeline->show();
    } else {
        m_safeguardPanel->showFrame(v - AdministrativeView);
        m_safeguardPanel->show();
        m_companionPanel->show();
    }
}

void WorkArea1::chooseLeftHandButton(int v)
{
    for (QPushButton* b : m_leftHandButtons)
        ButtonLook::setChosen(b, false);
    if (v >= 0)
        ButtonLook::setChosen(m_leftHandButtons.at(v), true);
}

void WorkArea1::pressLeftHandButton(int v)
{
    if (v < 0 || v >= kViewCount)
        return;
    // The document being left is saved or let go first; if its save fails, the user stays.
    if (!m_worksheet->document()->confirmLeave())
        return;
    // A printout belongs to the view it was made from.
    m_printing->panel()->hide();
    m_worksheet->prepareView(v);
    m_actions.changeWorksheetTitle->setVisible(false);
    m_actions.changeTitleSeparator->setVisible(false);
    if (v >= AdministrativeView)
        m_statuses.reloadCatalogRecords();
    hideViewPanels();
    chooseLeftHandButton(v);
    showViewPanel(v);

    m_actions.setForView(v);
    m_state.viewCode = v;
    m_worksheet->enterView(v);
    m_state.titlePrefix = kTitlePrefix + kLeftHandCaptions.at(v);
    setWindowTitle(m_state.titlePrefix);
    if (v <= TimelineView) {
        m_worksheet->hide();
    } else {
        QPalette pal = m_worksheet->palette();
        pal.setColor(QPalette::Window, palette().color(QPalette::Window));
        m_worksheet->setPalette(pal);
        m_worksheet->show();
    }

    switch (v) {
    case AdministrativeView:
    case PhysicalView:
    case TechnicalView:
    case OrganizationView:
    case PoliciesView:
        m_safeguardPanel->setCaption(SafeguardCatalog::group(v)->caption);
        showSafeguard(v, 0);
        break;
    case RiskAnalysisView:
    case DisasterRecoveryView:
        m_worksheet->showPlanLayout();
        if (m_viewEntries[v])
            m_viewEntries[v]();
        break;
    case SampleView:
        enterSampleView();
        break;
    default:
        if (m_viewEntries[v])
            m_viewEntries[v]();
        break;
    }
}

void WorkArea1::pressSafeguardButton(int groupCode, int index)
{
    if (!SafeguardCatalog::entry(groupCode, index))
        return;
    // The entry being left keeps its document if its save fails.
    if (!m_worksheet->document()->confirmLeave())
        return;
    showSafeguard(groupCode, index);
}

void WorkArea1::showSafeguard(int groupCode, int index)
{
    const SafeguardEntry* entry = SafeguardCatalog::entry(groupCode, index);
    m_safeguardPanel->choose(groupCode, index);
    m_state.entryIndex = index;
    m_worksheet->showEntry(*entry);
    if (m_state.viewCode < RiskAnalysisView)
        setWindowTitle(m_state.titlePrefix + QStringLiteral(" - ") + entry->fullTitle);
}

void WorkArea1::enterSampleView()
{
    m_safeguardPanel->setCaption(QStringLiteral("Sample entries for the Password Management Safeguard"));
    m_worksheet->showSample();
    if (!m_state.sampleNoticeShown) {
        Messages::show(
            this,
            QStringLiteral("This sample was created so you can see\rhow program works and can be used.\r\rYou "
                           "can make changes etc. but cannot save\rchanges so Sample will remain in program."),
            QStringLiteral("Sample Safeguard Entry"), Messages::Buttons::Ok, Messages::Icon::Information);
        m_state.sampleNoticeShown = true;
    }
}

void WorkArea1::pressTab(int t)
{
    if (t < 0 || t > 4)
        return;
    m_tabs->choose(t);
    HINFO1::state().pendingScreenRequest = static_cast<short>(t);
    if (t == HINFO1::ActionAreaScreen)
        return;
    // A document whose save fails keeps the user on this screen, with the text.
    if (!m_worksheet->document()->confirmLeave()) {
        pressTab(HINFO1::ActionAreaScreen);
        return;
    }
    if (t < HINFO1::ExitProgram) {
        m_worksheet->hide();
        if (m_screenOpeners[t])
            m_screenOpeners[t]();
        return;
    }
    // Closing ends the program, unless a document could not be saved.
    if (WorkScreenMenus::confirmExit(this) && close())
        return;
    pressTab(HINFO1::ActionAreaScreen);
}

void WorkArea1::workbookChangedOutside()
{
    if (m_state.viewCode == TimelineView)
        m_timeline->loadTimeline();
    m_reminders->refresh();
}

void WorkArea1::activate()
{
    if (m_startScreen && m_startScreen->isVisible())
        m_startScreen->hide();
    const short request = HINFO1::state().pendingScreenRequest;
    if (request >= HINFO1::InformationAdvisorScreen && request <= HINFO1::MiscellaneousScreen &&
        m_screenOpeners[request]) {
        m_screenOpeners[request]();
        return;
    }
    pressTab(HINFO1::ActionAreaScreen);
    pressLeftHandButton(StandardsOverviewView);
    m_reminders->refresh();
    emit activated();
}

int WorkArea1::helpContext() const
{
    switch (m_state.viewCode) {
    case TimelineView:
        return kTimelineHelp;
    case RiskAnalysisView:
        return kRiskAnalysisHelp;
    case DisasterRecoveryView:
        return kDisasterPlanHelp;
    default:
        return kWorksheetHelp;
    }
}

void WorkArea1::handleEscape()
{
    // Esc in an open list (the Current Status list, a menu) closes that list and nothing else.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    if (m_riskWorksheets->isEditingTitles()) {
        m_riskWorksheets->closeTitleEditor();
        return;
    }
    pressTab(HINFO1::ExitProgram);
}

void WorkArea1::handleF1()
{
    Help::openContext(helpContext());
}

void WorkArea1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        m_windowBefore = QApplication::activeWindow();
        return;
    }
    // The screen starts over when it is first shown and when the user comes back from
    // another screen of the program; not when a message box, a dialog, the help window
    // or another application gives the focus back.
    const bool fromWorkScreen = m_windowBefore && qobject_cast<QMainWindow*>(m_windowBefore.data());
    if (!m_activatedOnce || fromWorkScreen) {
        m_activatedOnce = true;
        activate();
    }
    m_windowBefore = nullptr;
}

void WorkArea1::closeEvent(QCloseEvent* event)
{
    if (ProgramEnd::isEnding()) {
        event->accept();
        return;
    }
    // A document that could not be saved keeps the window open, so nothing is lost.
    if (!m_worksheet->document()->confirmLeave()) {
        event->ignore();
        return;
    }
    event->accept();
    ProgramEnd::endProgram();
}

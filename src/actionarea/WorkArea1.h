// The Action Area: the hub where a view and a safeguard are chosen and worksheets are kept.
#pragma once

#include "worksheets/ActionAreaActions.h"
#include "worksheets/ActionAreaState.h"
#include "worksheets/StatusStore.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class ActionAreaPrinting;
class DisasterRecoveryPlan;
class EditingServices;
class QMenu;
class RemindersButton;
class QPushButton;
class RiskWorksheets;
class QStackedWidget;
class SafeguardButtonPanel;
class StandardsOverviewPanel;
class TabButtonRow;
class TimelinePanel;
class WorksheetPanel;

class WorkArea1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit WorkArea1(QWidget* startScreen = nullptr);
    ~WorkArea1() override;

    void pressLeftHandButton(int v);
    void pressSafeguardButton(int groupCode, int index);
    void pressTab(int t);
    RemindersButton* remindersButton() const { return m_reminders; }
    // What the screen does each time it becomes the active window.
    void activate();
    void handleEscape();
    void handleF1();
    // Another window changed the workbook's files (the risk register put a row on the To Do
    // list): the timeline, if it is shown, and the reminders are read again.
    void workbookChangedOutside();

    // The screen a tab opens (1 Information Advisor, 2 Security Rule, 3 Miscellaneous),
    // supplied by the reader screens; a tab without one stays greyed.
    void setScreenOpener(int t, std::function<void()> opener);
    // What a view does after the common steps of its left-hand button.
    void setViewEntry(int v, std::function<void()> entry);
    // The help context F1 would open now.
    int helpContext() const;

    const ActionAreaState& state() const { return m_state; }
    TabButtonRow* tabs() const { return m_tabs; }
    QPushButton* leftHandButton(int v) const { return m_leftHandButtons.at(v); }
    SafeguardButtonPanel* safeguardPanel() const { return m_safeguardPanel; }
    WorksheetPanel* worksheet() const { return m_worksheet; }
    TimelinePanel* timeline() const { return m_timeline; }
    StandardsOverviewPanel* overview() const { return m_overview; }
    ActionAreaPrinting* printing() const { return m_printing; }
    StatusStore& statuses() { return m_statuses; }
    QMenu* optionsMenu() const { return m_optionsMenu; }
    ActionAreaActions& actions() { return m_actions; }
    EditingServices* editing() const { return m_editing; }

signals:
    // The screen became the active window and returned to its opening view.
    void activated();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildScreen();
    void buildMenus();
    void connectTimeline();
    void connectPlanViews();
    void insertTemplate();
    void connectPrinting();
    void connectEditing();
    void checkTimelineSpelling();
    void installOptionsPopup();
    void loadScreen();
    void hideViewPanels();
    void showViewPanel(int v);
    void chooseLeftHandButton(int v);
    void showSafeguard(int groupCode, int index);
    void enterSampleView();

    ActionAreaState m_state;
    StatusStore m_statuses;
    ActionAreaActions m_actions;
    QWidget* m_startScreen;
    TabButtonRow* m_tabs = nullptr;
    QList<QPushButton*> m_leftHandButtons;
    RemindersButton* m_reminders = nullptr;
    QWidget* m_viewArea = nullptr;
    SafeguardButtonPanel* m_safeguardPanel = nullptr;
    QWidget* m_companionPanel = nullptr; // shown and hidden with the safeguard buttons
    WorksheetPanel* m_worksheet = nullptr;
    TimelinePanel* m_timeline = nullptr;
    StandardsOverviewPanel* m_overview = nullptr;
    RiskWorksheets* m_riskWorksheets = nullptr;
    DisasterRecoveryPlan* m_plan = nullptr;
    ActionAreaPrinting* m_printing = nullptr;
    QMenu* m_optionsMenu = nullptr;
    EditingServices* m_editing = nullptr;
    std::function<void()> m_screenOpeners[4];
    std::function<void()> m_viewEntries[kViewCount];
    bool m_activatedOnce = false;
    QPointer<QWidget> m_windowBefore;
};

#include "worksheets/ActionAreaActions.h"

#include "worksheets/ActionAreaState.h"

#include <QAction>
#include <QMenu>

namespace {

QAction* addItem(QMenu* menu, const QString& caption, const QString& name)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

ActionAreaActions ActionAreaActions::build(QMenu* options, QMenu* gridBackgroundMenu, QAction* deleteItem,
                                           QAction* clearGrid, QAction* insertRow)
{
    ActionAreaActions a;
    a.gridBackgroundMenu = gridBackgroundMenu;
    gridBackgroundMenu->setTitle(QStringLiteral("&Grid Background Selector"));
    a.gridBackground = options->addMenu(gridBackgroundMenu);
    a.gridBackground->setObjectName(QStringLiteral("mOGrid"));
    a.print = addItem(options, QStringLiteral("&Print"), QStringLiteral("mOPrint"));
    a.save = addItem(options, QStringLiteral("&Save"), QStringLiteral("mOSave"));
    a.history = addItem(options, QStringLiteral("Histor&y..."), QStringLiteral("mOHistory"));
    a.decision = addItem(options, QStringLiteral("Addressable &Decision..."), QStringLiteral("mODecision"));
    a.copyToClipboard = addItem(options, QStringLiteral("&Copy to Clipboard"), QStringLiteral("mOCopy"));
    a.fontSelect = addItem(options, QStringLiteral("&Font Select"), QStringLiteral("mOFont"));
    a.spellCheck = addItem(options, QStringLiteral("&Spell Check"), QStringLiteral("mOSpell"));
    a.thesaurus = addItem(options, QStringLiteral("&Thesaurus"), QStringLiteral("mOThes"));
    // The desktop's own keys beside the menu's letters (Alt+S is "&Security Rule" as well).
    a.print->setShortcut(QKeySequence::Print);
    a.save->setShortcut(QKeySequence::Save);
    a.spellCheck->setShortcut(Qt::Key_F7);
    a.deleteItem = deleteItem;
    a.clearGrid = clearGrid;
    a.insertRow = insertRow;
    options->addActions({deleteItem, clearGrid, insertRow});
    a.changeTitleSeparator = options->addSeparator();
    a.changeWorksheetTitle =
        addItem(options, QStringLiteral("&Change Worksheet Button Title"), QStringLiteral("mOChangeTitle"));
    options->addSeparator();
    a.informationAdvisor = addItem(options, QStringLiteral("&Information Advisor"), QStringLiteral("mOInfo"));
    a.securityRule = addItem(options, QStringLiteral("&Security Rule"), QStringLiteral("mORule"));
    a.miscellaneous = addItem(options, QStringLiteral("&Miscellaneous"), QStringLiteral("mOMisc"));
    a.exitProgram = addItem(options, QStringLiteral("&Exit Program"), QStringLiteral("mOExit"));
    return a;
}

void ActionAreaActions::setForView(int v)
{
    const bool grids = v == StandardsOverviewView || v == TimelineView;
    gridBackground->setVisible(grids);
    copyToClipboard->setVisible(!grids);
    fontSelect->setVisible(!grids);
    spellCheck->setVisible(!grids);
    thesaurus->setVisible(!grids);
    deleteItem->setVisible(v == TimelineView);
    clearGrid->setVisible(v == TimelineView);
    insertRow->setVisible(v == TimelineView);
    print->setVisible(true);
    // In the worksheet views "&Print" waits for an open pane.
    print->setEnabled(grids);
    save->setVisible(!grids);
    history->setVisible(!grids);
    changeTitleSeparator->setVisible(v == RiskAnalysisView);
    changeWorksheetTitle->setVisible(v == RiskAnalysisView);
}

// The Action Area's "&Options" menu, with each view's visible and enabled items.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

struct ActionAreaActions
{
    QAction* gridBackground = nullptr; // a submenu, filled by the timeline
    QAction* copyToClipboard = nullptr;
    QAction* fontSelect = nullptr;
    QAction* spellCheck = nullptr;
    QAction* thesaurus = nullptr;
    QAction* deleteItem = nullptr;
    QAction* clearGrid = nullptr;
    QAction* insertRow = nullptr;
    QAction* print = nullptr;
    QAction* save = nullptr;
    QAction* history = nullptr;  // the open document's earlier versions
    QAction* decision = nullptr; // an Addressable specification's decision record
    QAction* changeTitleSeparator = nullptr;
    QAction* changeWorksheetTitle = nullptr;
    QAction* informationAdvisor = nullptr;
    QAction* securityRule = nullptr;
    QAction* miscellaneous = nullptr;
    QAction* exitProgram = nullptr;
    QMenu* gridBackgroundMenu = nullptr;

    // Builds the menu's items in order, each with its objectName. The grid background
    // submenu and the three grid items belong to the timeline, which supplies them.
    static ActionAreaActions build(QMenu* options, QMenu* gridBackgroundMenu, QAction* deleteItem, QAction* clearGrid,
                                   QAction* insertRow);

    // Shows and enables the items of view v, as the view table has them.
    void setForView(int v);
};

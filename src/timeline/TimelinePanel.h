// The project timeline view: the To Do grid with its item box, known-items list, date
// label, buttons and calendar. The Action Area hosts it as view 1.
#pragma once

#include <QPoint>
#include <QWidget>

#include "timeline/ItemNameList.h"
#include "timeline/TimelineGridView.h"

class GridBackgroundMenu;
class ItemBox;
class KnownItemsBox;
class QAction;
class TimelineCalendar;
class QDate;
class QLabel;
class QLineEdit;
class QPushButton;
class TimelineModel;

class TimelinePanel : public QWidget
{
    Q_OBJECT
public:
    enum Button
    {
        ExitButton,
        DeleteFromFileButton,
        AddToGridButton,
        DeleteFromGridButton,
        PrintButton,
        SaveButton,
        ClearGridButton,
        ButtonCount
    };

    explicit TimelinePanel(QWidget* parent = nullptr);

    // Reads TODONAME.FIL and TODOActv.FIL into the list and the grid; the timeline is unchanged afterwards.
    void loadTimeline();
    // Writes TODOActv.FIL and disables "&Save"; the document owner calls it when the timeline
    // holds changes. A failed write is reported, and "&Save" stays enabled.
    bool saveTimeline();
    // The owner saved or dropped the changes: "&Save" waits for the next change.
    void markSaved();
    // Column widths from the grid's width and today's date in the label; run whenever
    // the Action Area becomes the active window.
    void refreshOnActivate();

    // The Options menu's timeline items.
    void deleteItemFromGrid();
    void clearGrid();
    void insertRow();
    // Menu actions for them, enabled and disabled by the panel; the host puts them into
    // its Options menu and shows them in view 1 only.
    QAction* deleteItemAction() const { return m_deleteItemAction; }
    QAction* clearGridAction() const { return m_clearGridAction; }
    QAction* insertRowAction() const { return m_insertRowAction; }
    // The grid background submenu; the host adds it to its Options menu and registers its
    // overview grid with it.
    GridBackgroundMenu* gridBackgroundMenu() const { return m_backgroundMenu; }

    // Printing and spelling are services of their own: their buttons stay greyed until
    // the host has one to offer.
    void setPrintAvailable(bool available);
    void setSpellCheckAvailable(bool available);

    // The spell check of the items, which the host runs row by row.
    // Makes row's item the current cell, in view, with row selection on.
    void showItemRow(int row);
    // Writes a checked item back and marks the timeline changed.
    void setCheckedItem(int row, const QString& text);
    // A corrected item replaces its name before the check in the known items.
    void renameKnownItem(const QString& before, const QString& corrected);
    void endSpellCheck();

    bool isSaveEnabled() const;
    TimelineModel* grid() const { return m_grid; }
    QTableView* gridView() const { return m_gridView; }
    QLineEdit* itemBox() const;
    const ItemNameList& itemNames() const;
    QPushButton* button(Button which) const { return m_buttons[which]; }

signals:
    // The user changed the timeline: its document now holds changes to save. Whether it is
    // changed is the document owner's to know, not the panel's.
    void changed();
    // "&Save" was pressed: the owner saves (through saveTimeline()).
    void saveRequested();
    // "&Save" was enabled or disabled; the host mirrors it on its "&Save" menu item.
    void saveEnabledChanged(bool enabled);
    void exitRequested();
    void printRequested();
    void spellCheckRequested();
    // The item box took the focus (for watch-as-you-type spelling).
    void itemBoxFocused(QLineEdit* box);
    // A right-button press on the grid or the calendar: show the Options menu there.
    void optionsMenuRequested(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();

    // Grid and calendar.
    void cellClicked(int row, int column);
    void openCalendar(int column, int row, bool emptyItemBox);
    void calendarDateClicked(const QDate& date);
    void itemFirstCheck();
    void cellEdited(int row, int column);
    void headerClicked(int column);
    void gridFocused();

    // Buttons.
    void pressButton(Button which);
    void buttonFocused();
    void addToGrid();
    void deleteRow();
    void removeRedHighlight(int row);

    // Item box and known-items list.
    void itemBoxFocusedIn();
    void itemBoxTextChanged(const QString& text);
    void itemBoxEnter();
    void itemBoxKeyReleased();
    void knownItemPicked(int index);
    void knownItemsFocused();
    void knownItemsEnter();
    void registerItemName();
    void addItemName(const QString& name);
    void removeItemName(const QString& name);

    void markChanged();
    void setCurrentCell(int row, int column);
    void setSaveEnabled(bool enabled);
    void setDeleteFromGridEnabled(bool enabled);
    void setItemBoxHighlight(bool on);
    void focusExit();
    void focusPrintIfEnabled();

    TimelineModel* m_grid = nullptr;
    QLabel* m_headingLabel = nullptr;
    ItemBox* m_itemBox = nullptr;
    KnownItemsBox* m_knownItemsList = nullptr;
    QLabel* m_dateLabel = nullptr;
    QPushButton* m_buttons[ButtonCount] = {};
    QPushButton* m_spellButton = nullptr;
    TimelineGridView* m_gridView = nullptr;
    TimelineCalendar* m_calendar = nullptr;
    GridBackgroundMenu* m_backgroundMenu = nullptr;
    QAction* m_deleteItemAction = nullptr;
    QAction* m_clearGridAction = nullptr;
    QAction* m_insertRowAction = nullptr;

    int m_currentRow = 1;
    int m_currentColumn = 1;
    int m_selectedRow = 0; // 0: none chosen yet; kAfterInsertOrDelete after an insert or delete
    bool m_rowSelection = false;
    bool m_highlighted = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

#include "timeline/TimelinePanel.h"

#include "base/Blanks.h"
#include "base/Clock.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "base/WrappingButton.h"
#include "timeline/GridBackground.h"
#include "timeline/GridBackgroundMenu.h"
#include "timeline/ItemBox.h"
#include "timeline/KnownItemsBox.h"
#include "timeline/TimelineCalendar.h"
#include "timeline/TimelineDate.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineGridView.h"
#include "timeline/TimelineModel.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kAfterInsertOrDelete = 999;
const QColor kHighlightColour(255, 255, 192);
const QColor kDeleteColour(255, 0, 0);

bool isDateColumn(int column)
{
    return column == TimelineModel::kToDoDateColumn || column == TimelineModel::kActualDateColumn ||
           column == TimelineModel::kReviewDateColumn;
}

bool isItemRow(int row)
{
    return row >= 1 && row <= TimelineModel::kItemRows;
}

const char* const kButtonCaptions[TimelinePanel::ButtonCount] = {
    "E&xit", "&Delete Item fm File", "&Add to To Do Grid", "&Delete Item from Grid", "&Print", "&Save", "&Clear Grid"};

} // namespace

TimelinePanel::TimelinePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("timelinePanel"));
    m_grid = new TimelineModel(this);
    buildControls();
    connectControls();
    m_backgroundMenu = new GridBackgroundMenu(this);
    m_backgroundMenu->addGrid(m_gridView);
    m_backgroundMenu->loadChoice();
    refreshOnActivate();
}

QLineEdit* TimelinePanel::itemBox() const
{
    return m_itemBox;
}

const ItemNameList& TimelinePanel::itemNames() const
{
    return m_knownItemsList->names();
}

bool TimelinePanel::isSaveEnabled() const
{
    return m_buttons[SaveButton]->isEnabled();
}

void TimelinePanel::buildControls()
{
    m_headingLabel = new QLabel(QStringLiteral("Project Timeline/To Do List"), this);
    m_headingLabel->setObjectName(QStringLiteral("timelineHeadingLabel"));
    QFont headingFont = m_headingLabel->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    m_headingLabel->setFont(headingFont);

    m_itemBox = new ItemBox(this);
    m_itemBox->setObjectName(QStringLiteral("itemBox"));
    m_itemBox->setAccessibleName(QStringLiteral("New To Do item"));
    m_itemBox->setToolTip(QStringLiteral("Type a new To Do item (at most 45 characters), then add it to the grid."));

    m_knownItemsList = new KnownItemsBox(this);
    m_knownItemsList->setObjectName(QStringLiteral("knownItemsList"));
    m_knownItemsList->setAccessibleName(QStringLiteral("Known To Do items"));
    m_knownItemsList->setMinimumContentsLength(30);

    m_dateLabel = new QLabel(this);
    m_dateLabel->setObjectName(QStringLiteral("dateLabel"));

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(m_itemBox, 3);
    entryRow->addWidget(m_knownItemsList, 3);
    entryRow->addSpacing(12);
    entryRow->addWidget(m_dateLabel, 2);

    auto* buttonRow = new QHBoxLayout;
    for (int b = 0; b < ButtonCount; ++b) {
        m_buttons[b] = new WrappingButton(QString::fromLatin1(kButtonCaptions[b]), this);
        m_buttons[b]->setObjectName(QStringLiteral("timelineButton%1").arg(b));
        m_buttons[b]->setAutoDefault(false);
        m_buttons[b]->installEventFilter(this);
        buttonRow->addWidget(m_buttons[b]);
    }
    m_spellButton = new WrappingButton(QStringLiteral("Spell Chec&k"), this);
    m_spellButton->setObjectName(QStringLiteral("timelineSpellButton"));
    buttonRow->addWidget(m_spellButton);
    setPrintAvailable(false);
    setSpellCheckAvailable(false);
    m_buttons[DeleteFromFileButton]->setEnabled(false);
    m_buttons[AddToGridButton]->setEnabled(false);
    m_buttons[DeleteFromGridButton]->setEnabled(false);
    m_buttons[SaveButton]->setEnabled(false);
    m_buttons[ClearGridButton]->setEnabled(false);

    m_gridView = new TimelineGridView(m_grid, this);
    m_gridView->setObjectName(QStringLiteral("timelineGrid"));
    m_gridView->setAccessibleName(QStringLiteral("To Do grid"));

    m_calendar = new TimelineCalendar(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_headingLabel);
    layout->addLayout(entryRow);
    layout->addLayout(buttonRow);
    layout->addWidget(m_gridView, 1);

    m_deleteItemAction = new QAction(QStringLiteral("&Delete Item from Grid"), this);
    m_deleteItemAction->setObjectName(QStringLiteral("mODeleteItem"));
    m_deleteItemAction->setEnabled(false);
    m_clearGridAction = new QAction(QStringLiteral("&Clear Grid"), this);
    m_clearGridAction->setObjectName(QStringLiteral("mOClearGrid"));
    m_insertRowAction = new QAction(QStringLiteral("&Insert Row"), this);
    m_insertRowAction->setObjectName(QStringLiteral("mOInsertRow"));
}

void TimelinePanel::connectControls()
{
    for (int b = 0; b < ButtonCount; ++b)
        connect(m_buttons[b], &QPushButton::clicked, this, [this, b] { pressButton(Button(b)); });
    // Ctrl+S saves like the "&Save" button, while the panel is showing and the button enabled.
    new QShortcut(QKeySequence::Save, this, [this] {
        if (m_buttons[SaveButton]->isEnabled())
            pressButton(SaveButton);
    });
    connect(m_spellButton, &QPushButton::clicked, this, [this] {
        m_calendar->hide();
        emit spellCheckRequested();
    });
    connect(m_deleteItemAction, &QAction::triggered, this, &TimelinePanel::deleteItemFromGrid);
    connect(m_clearGridAction, &QAction::triggered, this, &TimelinePanel::clearGrid);
    connect(m_insertRowAction, &QAction::triggered, this, &TimelinePanel::insertRow);

    connect(m_gridView, &QTableView::clicked, this,
            [this](const QModelIndex& index) { cellClicked(index.row(), index.column()); });
    connect(m_gridView->horizontalHeader(), &QHeaderView::sectionClicked, this, &TimelinePanel::headerClicked);
    connect(m_gridView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // The menu's row commands act on the row under the pointer, which is the one highlighted.
        const QModelIndex under = m_gridView->indexAt(pos);
        if (under.isValid() && isItemRow(under.row()))
            setCurrentCell(under.row(), under.column());
        emit optionsMenuRequested(m_gridView->viewport()->mapToGlobal(pos));
    });
    connect(m_gridView, &TimelineGridView::focused, this, &TimelinePanel::gridFocused);
    connect(m_grid, &TimelineModel::cellEdited, this, &TimelinePanel::cellEdited);

    connect(m_calendar, &QCalendarWidget::clicked, this, &TimelinePanel::calendarDateClicked);
    connect(m_calendar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit optionsMenuRequested(m_calendar->mapToGlobal(pos)); });

    connect(m_itemBox, &ItemBox::focused, this, &TimelinePanel::itemBoxFocusedIn);
    connect(m_itemBox, &QLineEdit::textChanged, this, &TimelinePanel::itemBoxTextChanged);
    connect(m_itemBox, &ItemBox::clicked, this, [this] {
        m_rowSelection = false;
        setCurrentCell(m_currentRow, TimelineModel::kItemColumn);
    });
    connect(m_itemBox, &ItemBox::doubleClicked, this, [this] {
        if (!withoutLeadingBlanks(m_itemBox->text()).isEmpty())
            addToGrid();
    });
    connect(m_itemBox, &ItemBox::deleteKeyPressed, this, [this] {
        if (m_buttons[DeleteFromGridButton]->isEnabled())
            deleteRow();
    });
    connect(m_itemBox, &ItemBox::insertKeyPressed, this, [this] {
        if (m_buttons[DeleteFromGridButton]->isEnabled())
            insertRow();
    });
    connect(m_itemBox, &ItemBox::enterKeyPressed, this, &TimelinePanel::itemBoxEnter);
    connect(m_itemBox, &ItemBox::otherKeyPressed, this, [this] { m_knownItemsList->setEditText(m_itemBox->text()); });
    connect(m_itemBox, &ItemBox::keyReleased, this, &TimelinePanel::itemBoxKeyReleased);

    connect(m_knownItemsList, &QComboBox::activated, this, &TimelinePanel::knownItemPicked);
    connect(m_knownItemsList, &KnownItemsBox::popupOpened, this, [this] {
        m_calendar->hide();
        m_buttons[DeleteFromFileButton]->setEnabled(false);
    });
    connect(m_knownItemsList, &KnownItemsBox::focused, this, &TimelinePanel::knownItemsFocused);
    connect(m_knownItemsList, &KnownItemsBox::enterPressed, this, &TimelinePanel::knownItemsEnter);
}

// ---- Loading, saving and the host's commands -------------------------------------------

void TimelinePanel::loadTimeline()
{
    QCoreApplication::processEvents();
    HINFO1::busyOn();
    m_knownItemsList->load();
    m_itemBox->clear();
    m_grid->prepare();
    m_clearGridAction->setEnabled(true);
    // A missing file leaves the headings over 500 empty rows.
    TimelineFiles::loadGridRows(*m_grid);
    HINFO1::busyOff();
    m_calendar->hide();
    setSaveEnabled(false);
    QCoreApplication::processEvents();
}

void TimelinePanel::setPrintAvailable(bool available)
{
    m_buttons[PrintButton]->setEnabled(available);
}

void TimelinePanel::setSpellCheckAvailable(bool available)
{
    m_spellButton->setEnabled(available);
}

bool TimelinePanel::saveTimeline()
{
    HINFO1::busyOn();
    QString error;
    const bool saved = TimelineFiles::saveGridRows(*m_grid, &error);
    HINFO1::busyOff();
    if (!saved) {
        Messages::show(this,
                       QStringLiteral("The To Do list could not be saved to %1.\r%2\r\rYour entries are still "
                                      "in the grid; please try to save them again.")
                           .arg(TimelineFiles::kGridFileName, error),
                       QStringLiteral("Save To Do List"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return false;
    }
    markSaved();
    return true;
}

void TimelinePanel::markSaved()
{
    setSaveEnabled(false);
}

void TimelinePanel::refreshOnActivate()
{
    m_gridView->fitColumns();
    m_dateLabel->setText(TimelineDate::labelText(Clock::today()));
}

void TimelinePanel::deleteItemFromGrid()
{
    m_calendar->hide();
    deleteRow();
}

void TimelinePanel::clearGrid()
{
    m_calendar->hide();
    const Messages::Answer answer =
        Messages::show(this, QStringLiteral("Do you really want To Clear the Grid?"), QStringLiteral("Clear Grid"),
                       Messages::Buttons::YesNoCancel, Messages::Icon::Question, Messages::Answer::No);
    if (answer != Messages::Answer::Yes)
        return;
    m_grid->clear();
    QCoreApplication::processEvents();
    markChanged();
}

void TimelinePanel::insertRow()
{
    m_calendar->hide();
    int row = m_selectedRow;
    if (!isItemRow(row))
        row = isItemRow(m_currentRow) ? m_currentRow : 1;
    // The grid keeps exactly 500 item rows: a used last row would be pushed out and lost.
    if (m_grid->isRowUsed(TimelineModel::kItemRows)) {
        Messages::show(this,
                       QStringLiteral("The last row of the grid holds an item, so no row can be inserted.\r"
                                      "Delete a row you no longer need first."),
                       QStringLiteral("Insert Row"), Messages::Buttons::Ok, Messages::Icon::Information);
        return;
    }
    m_grid->insertRowBefore(row);
    setCurrentCell(row, m_currentColumn);
    m_selectedRow = kAfterInsertOrDelete;
    m_rowSelection = false;
    markChanged();
    focusExit();
}

// ---- Grid and calendar --------------------------------------------------------------------

void TimelinePanel::cellClicked(int row, int column)
{
    if (!isItemRow(row))
        return;
    m_currentRow = row;
    m_currentColumn = column;
    m_selectedRow = row;
    if (withoutTrailingBlanks(m_itemBox->text()).isEmpty()) {
        if (column > TimelineModel::kItemColumn && m_grid->text(row, TimelineModel::kItemColumn).isEmpty()) {
            itemFirstCheck();
            return;
        }
        setItemBoxHighlight(false);
        if (column != 0)
            m_rowSelection = true;
        m_calendar->setSelectedDate(Clock::today());
        if (isDateColumn(column))
            openCalendar(column, row, true);
        if (column == TimelineModel::kItemColumn)
            m_calendar->hide();
        setDeleteFromGridEnabled(true);
        return;
    }
    if (column == TimelineModel::kItemColumn) {
        m_grid->setText(row, column, m_itemBox->text());
        markChanged();
        registerItemName();
        m_itemBox->clear();
        setItemBoxHighlight(false);
        focusExit();
    } else if (column > TimelineModel::kItemColumn) {
        m_itemBox->clear();
        setItemBoxHighlight(false);
        if (isDateColumn(column))
            openCalendar(column, row, false);
    }
}

void TimelinePanel::openCalendar(int column, int row, bool emptyItemBox)
{
    const QWidget* cells = m_gridView->viewport();
    const QString text = m_grid->text(row, column);
    m_calendar->openFor(column, QRect(cells->mapTo(this, QPoint(0, 0)), cells->size()),
                        TimelineDate::fromCellText(text));
    setCurrentCell(row, column);
    if (text.isEmpty() && emptyItemBox)
        focusPrintIfEnabled();
}

void TimelinePanel::calendarDateClicked(const QDate& date)
{
    // Only the three date columns take a date.
    if (!isItemRow(m_currentRow) || !isDateColumn(m_currentColumn))
        return;
    setCurrentCell(m_currentRow, m_currentColumn);
    m_grid->setText(m_currentRow, m_currentColumn, TimelineDate::cellText(date));
    markChanged();
    focusPrintIfEnabled();
}

void TimelinePanel::itemFirstCheck()
{
    m_calendar->hide();
    Messages::show(this, QStringLiteral("Please, enter an Item before any dates."), QStringLiteral("Item Grid"),
                   Messages::Buttons::Ok, Messages::Icon::Information);
    const int row = m_grid->firstEmptyItemRow();
    if (row == 0)
        return;
    setCurrentCell(row, TimelineModel::kItemColumn);
    m_gridView->scrollTo(m_grid->index(row, 0), QAbstractItemView::PositionAtTop);
    m_gridView->horizontalScrollBar()->setValue(0);
    cellClicked(row, TimelineModel::kItemColumn);
}

void TimelinePanel::cellEdited(int row, int column)
{
    m_buttons[DeleteFromFileButton]->setEnabled(false);
    m_buttons[AddToGridButton]->setEnabled(false);
    markChanged();
    const QString text = m_grid->text(row, column);
    if (column != TimelineModel::kItemColumn || text.trimmed().isEmpty())
        return;
    if (!m_knownItemsList->names().contains(text))
        addItemName(text);
    m_rowSelection = false;
    m_itemBox->clear();
}

void TimelinePanel::headerClicked(int column)
{
    m_sortOrder =
        (column == m_sortColumn && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = column;
    m_gridView->horizontalHeader()->setSortIndicatorShown(true);
    m_gridView->horizontalHeader()->setSortIndicator(column, m_sortOrder);
    m_grid->sort(column, m_sortOrder);
    // Sorting rearranges the cells' texts, so the timeline has changed in either order.
    m_grid->sortCleanup(column, m_sortOrder);
    markChanged();
    setCurrentCell(isItemRow(m_currentRow) ? m_currentRow : 1, TimelineModel::kItemColumn);
}

void TimelinePanel::gridFocused()
{
    if (m_rowSelection)
        m_selectedRow = m_currentRow;
    setDeleteFromGridEnabled(m_currentColumn == TimelineModel::kItemColumn &&
                             !m_grid->text(m_currentRow, TimelineModel::kItemColumn).trimmed().isEmpty() &&
                             m_rowSelection);
}

// ---- Buttons -------------------------------------------------------------------------------

void TimelinePanel::pressButton(Button which)
{
    m_calendar->hide();
    switch (which) {
    case ExitButton:
        emit exitRequested();
        break;
    case DeleteFromFileButton:
        removeItemName(m_itemBox->text());
        break;
    case AddToGridButton:
        addToGrid();
        break;
    case DeleteFromGridButton:
        deleteRow();
        break;
    case PrintButton:
        m_rowSelection = false; // printing leaves row-selection mode
        emit printRequested();
        break;
    case SaveButton:
        emit saveRequested();
        break;
    case ClearGridButton:
        clearGrid();
        break;
    case ButtonCount:
        break;
    }
}

void TimelinePanel::buttonFocused()
{
    if (m_highlighted)
        setItemBoxHighlight(false);
    if (m_selectedRow == kAfterInsertOrDelete) {
        m_selectedRow = 0;
        m_rowSelection = false;
    }
}

void TimelinePanel::addToGrid()
{
    const QString text = m_itemBox->text();
    if (text.isEmpty() || text == QStringLiteral(" "))
        return;
    m_currentColumn = TimelineModel::kItemColumn;
    const int row = m_grid->firstEmptyItemRow(true);
    if (row != 0) {
        m_grid->setText(row, TimelineModel::kItemColumn, text);
        registerItemName();
        m_itemBox->clear();
        markChanged();
    } else {
        Messages::show(this,
                       QStringLiteral("All 500 rows of the grid hold an item.\rDelete a row you no longer need "
                                      "before adding another item."),
                       QStringLiteral("Add to To Do Grid"), Messages::Buttons::Ok, Messages::Icon::Information);
    }
    m_rowSelection = false;
    focusExit();
}

void TimelinePanel::deleteRow()
{
    m_rowSelection = false;
    if (m_selectedRow == 0)
        m_selectedRow = 1;
    else if (!isItemRow(m_selectedRow))
        m_selectedRow = isItemRow(m_currentRow) ? m_currentRow : 1;
    const int row = m_selectedRow;
    setCurrentCell(row, m_currentColumn);

    m_grid->setRowColour(row, kDeleteColour);
    const QString item = m_grid->text(row, TimelineModel::kItemColumn);
    const QString question = item.isEmpty()
                                 ? QStringLiteral("Delete This Row?")
                                 : QStringLiteral("Delete Activity and Dates for - \r") + item + QStringLiteral(", ") +
                                       m_grid->text(row, TimelineModel::kToDoDateColumn) + QStringLiteral("?");
    const Messages::Answer answer =
        Messages::show(this, question, QStringLiteral("Delete Row"), Messages::Buttons::YesNoCancel,
                       Messages::Icon::Question, Messages::Answer::No);
    if (answer == Messages::Answer::Yes) {
        markChanged();
        m_grid->removeItemRow(row);
        setCurrentCell(row, m_currentColumn);
        m_selectedRow = kAfterInsertOrDelete;
    }
    removeRedHighlight(row);

    setDeleteFromGridEnabled(false);
    setSaveEnabled(true);
    focusExit();
    m_rowSelection = false;
}

void TimelinePanel::removeRedHighlight(int row)
{
    if (!m_backgroundMenu->isPictureBackground()) {
        // Without a colour of its own the row shows the grid's plain background again.
        m_grid->setRowColour(row, QColor());
        return;
    }
    // Over a picture: take the texts out, empty the grid, show the picture again and put
    // the texts back, so that no cell keeps a colour that would hide the picture.
    const auto texts = m_grid->itemTexts();
    m_grid->clear();
    m_backgroundMenu->reapply();
    m_grid->setItemTexts(texts);
    setCurrentCell(m_currentRow, m_currentColumn);
}

// ---- Item box and known-items list ---------------------------------------------------------

void TimelinePanel::itemBoxFocusedIn()
{
    emit itemBoxFocused(m_itemBox);
    m_calendar->hide();
    if (m_highlighted)
        setItemBoxHighlight(false);
    setItemBoxHighlight(true);
}

void TimelinePanel::itemBoxTextChanged(const QString& text)
{
    m_buttons[AddToGridButton]->setEnabled(!withoutLeadingBlanks(text).isEmpty());
}

void TimelinePanel::itemBoxEnter()
{
    const QString text = m_itemBox->text();
    if (text.isEmpty() || !m_rowSelection || !isItemRow(m_currentRow))
        return;
    if (m_currentColumn == 0 || m_currentColumn == TimelineModel::kSpacerColumn)
        return;
    m_grid->setText(m_currentRow, m_currentColumn, text + QStringLiteral("  "));
    markChanged();
    registerItemName();
}

void TimelinePanel::itemBoxKeyReleased()
{
    const QString match = m_knownItemsList->names().firstStartingWith(m_itemBox->text());
    m_knownItemsList->setEditText(match.isEmpty() ? m_itemBox->text() : match);
}

void TimelinePanel::knownItemPicked(int index)
{
    const QString text = m_knownItemsList->itemText(index);
    if (text.isEmpty())
        return;
    if (m_rowSelection && m_currentColumn == TimelineModel::kItemColumn && isItemRow(m_currentRow)) {
        m_grid->setText(m_currentRow, m_currentColumn, text);
        m_rowSelection = false;
        focusExit();
        markChanged();
        return;
    }
    m_itemBox->setText(text);
    setItemBoxHighlight(true);
    m_knownItemsList->setEditText(QString());
    m_buttons[DeleteFromFileButton]->setEnabled(true);
    m_buttons[AddToGridButton]->setEnabled(true);
}

void TimelinePanel::knownItemsFocused()
{
    if (m_currentColumn >= 2) {
        m_rowSelection = false;
        m_currentColumn = TimelineModel::kItemColumn;
    }
    m_buttons[DeleteFromFileButton]->setEnabled(false);
}

void TimelinePanel::knownItemsEnter()
{
    m_itemBox->setText(m_knownItemsList->currentText());
    registerItemName();
}

void TimelinePanel::registerItemName()
{
    m_buttons[DeleteFromFileButton]->setEnabled(false);
    m_buttons[AddToGridButton]->setEnabled(false);
    if (m_itemBox->text().isEmpty())
        return;
    addItemName(m_itemBox->text());
}

void TimelinePanel::addItemName(const QString& name)
{
    if (m_knownItemsList->add(name))
        m_itemBox->clear();
}

void TimelinePanel::removeItemName(const QString& name)
{
    if (m_knownItemsList->names().count() == 0)
        return;
    m_knownItemsList->remove(name);
    m_itemBox->clear();
    m_buttons[DeleteFromFileButton]->setEnabled(false);
    m_buttons[AddToGridButton]->setEnabled(false);
}

void TimelinePanel::showItemRow(int row)
{
    m_rowSelection = true;
    setCurrentCell(row, TimelineModel::kItemColumn);
    m_gridView->scrollTo(m_grid->index(row, TimelineModel::kItemColumn));
}

void TimelinePanel::setCheckedItem(int row, const QString& text)
{
    if (m_grid->text(row, TimelineModel::kItemColumn) == text)
        return;
    m_grid->setText(row, TimelineModel::kItemColumn, text);
    markChanged();
}

void TimelinePanel::renameKnownItem(const QString& before, const QString& corrected)
{
    if (m_knownItemsList->names().contains(before))
        removeItemName(before);
    if (!m_knownItemsList->names().contains(corrected)) {
        addItemName(corrected);
        m_itemBox->clear();
    }
}

void TimelinePanel::endSpellCheck()
{
    m_rowSelection = false;
}

// ---- Shared steps ---------------------------------------------------------------------------

bool TimelinePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (QPushButton* b : m_buttons) {
            if (watched == b)
                buttonFocused();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TimelinePanel::markChanged()
{
    setSaveEnabled(true);
    m_buttons[ClearGridButton]->setEnabled(true);
    m_clearGridAction->setEnabled(true);
    emit changed();
}

void TimelinePanel::setCurrentCell(int row, int column)
{
    m_currentRow = row;
    m_currentColumn = column;
    if (isItemRow(row) && column >= 0 && column < TimelineModel::kColumnCount)
        m_gridView->selectionModel()->setCurrentIndex(m_grid->index(row, column), QItemSelectionModel::ClearAndSelect);
}

void TimelinePanel::setSaveEnabled(bool enabled)
{
    if (m_buttons[SaveButton]->isEnabled() == enabled)
        return;
    m_buttons[SaveButton]->setEnabled(enabled);
    emit saveEnabledChanged(enabled);
}

void TimelinePanel::setDeleteFromGridEnabled(bool enabled)
{
    m_buttons[DeleteFromGridButton]->setEnabled(enabled);
    m_deleteItemAction->setEnabled(enabled);
}

void TimelinePanel::setItemBoxHighlight(bool on)
{
    m_highlighted = on;
    QPalette palette = m_itemBox->palette();
    palette.setColor(QPalette::Base, on ? kHighlightColour : QApplication::palette(m_itemBox).color(QPalette::Base));
    m_itemBox->setPalette(palette);
}

void TimelinePanel::focusExit()
{
    m_buttons[ExitButton]->setFocus();
}

void TimelinePanel::focusPrintIfEnabled()
{
    if (m_buttons[PrintButton]->isEnabled())
        m_buttons[PrintButton]->setFocus();
}

#include "timeline/TimelineGridView.h"

#include "timeline/TimelineModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QToolTip>

TimelineGridView::TimelineGridView(TimelineModel* grid, QWidget* parent) : QTableView(parent), m_grid(grid)
{
    setModel(grid);
    verticalHeader()->hide();
    setRowHidden(0, true); // the headings show in the header instead
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::CustomContextMenu);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    // The first column and the spacer are only a few pixels wide.
    horizontalHeader()->setMinimumSectionSize(1);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TimelineGridView::showScrollTip);
    connect(grid, &QAbstractItemModel::modelReset, this, [this] { setRowHidden(0, true); });
}

void TimelineGridView::fitColumns()
{
    const int total = viewport()->width();
    double edge = 0;
    int previous = 0;
    for (int c = 0; c < TimelineModel::kColumnCount; ++c) {
        edge += TimelineModel::columnFraction(c) * total;
        const int position = c == TimelineModel::kColumnCount - 1 ? total : qRound(edge);
        setColumnWidth(c, position - previous);
        previous = position;
    }
}

void TimelineGridView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit focused();
}

bool TimelineGridView::viewportEvent(QEvent* event)
{
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        fitColumns();
    return handled;
}

void TimelineGridView::showScrollTip()
{
    if (!verticalScrollBar()->isSliderDown())
        return;
    const int row = rowAt(0);
    if (row >= 1 && row <= TimelineModel::kItemRows)
        QToolTip::showText(QCursor::pos(), m_grid->scrollTip(row), this);
}

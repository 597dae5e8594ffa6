#include "timeline/TimelineCalendar.h"

#include "timeline/TimelineModel.h"

namespace {

// Where the calendar's left edge goes, as a share of the parent's width, so that it does
// not cover the column being filled.
double calendarPlace(int column)
{
    switch (column) {
    case TimelineModel::kToDoDateColumn:
        return 0.575;
    case TimelineModel::kActualDateColumn:
        return 0.28;
    default:
        return 0.485;
    }
}

} // namespace

TimelineCalendar::TimelineCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setObjectName(QStringLiteral("timelineCalendar"));
    setAccessibleName(QStringLiteral("Calendar"));
    setContextMenuPolicy(Qt::CustomContextMenu);
    setGridVisible(true);
    adjustSize();
    hide();
}

void TimelineCalendar::openFor(int column, const QRect& cells, const QDate& date)
{
    const int parentWidth = parentWidget() ? parentWidget()->width() : cells.width();
    const int left = qBound(cells.left(), int(calendarPlace(column) * parentWidth), cells.right() + 1 - width());
    move(left, cells.top());
    show();
    raise();
    if (date.isValid())
        setSelectedDate(date);
}

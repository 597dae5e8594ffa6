// The calendar that fills the grid's date cells. It opens over the grid's cells, never
// over the header or the scroll bar, and clear of the column being filled.
#pragma once

#include <QCalendarWidget>

class TimelineCalendar : public QCalendarWidget
{
    Q_OBJECT
public:
    explicit TimelineCalendar(QWidget* parent = nullptr);

    // Shows the calendar over cells (a rectangle in the parent's coordinates) for a date
    // column, showing date when it is valid.
    void openFor(int column, const QRect& cells, const QDate& date);
};

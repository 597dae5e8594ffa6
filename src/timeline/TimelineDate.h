// Dates as the timeline writes them into its cells, "Mon - Jan 5, 04", and back.
#pragma once

#include <QDate>
#include <QString>

namespace TimelineDate {

// "ddd - mmm d, yy": abbreviated weekday, " - ", abbreviated month, day, ", ", two-digit year.
QString cellText(const QDate& date);

// The date in a cell's text: the part after the first "-" (the whole text when there is
// none) read as a short date. An invalid date when the text holds none.
QDate fromCellText(const QString& text);

// The date label over the grid: "Date: " and the date as "January 5, 2004".
QString labelText(const QDate& date);

} // namespace TimelineDate

#include "timeline/TimelineDate.h"

#include <QLocale>
#include <QStringList>

namespace {

// Two-digit years 00-29 are this century, 30-99 the last, as short dates are read on the desktop.
QDate widenTwoDigitYear(const QDate& date)
{
    if (date.isValid() && date.year() < 1930)
        return date.addYears(100);
    return date;
}

} // namespace

namespace TimelineDate {

QString cellText(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return QLocale::c().toString(date, QStringLiteral("ddd - MMM d, yy"));
}

QDate fromCellText(const QString& text)
{
    const int dash = text.indexOf(QLatin1Char('-'));
    const QString part = (dash >= 0 ? text.mid(dash + 1) : text).simplified();
    if (part.isEmpty())
        return QDate();
    const QLocale c = QLocale::c();
    static const QStringList kTwoDigitYear = {QStringLiteral("MMM d, yy"), QStringLiteral("MMMM d, yy"),
                                              QStringLiteral("M/d/yy"), QStringLiteral("MMM d yy")};
    static const QStringList kFullYear = {QStringLiteral("MMM d, yyyy"), QStringLiteral("MMMM d, yyyy"),
                                          QStringLiteral("M/d/yyyy"), QStringLiteral("yyyy-MM-dd"),
                                          QStringLiteral("MMM d yyyy")};
    for (const QString& format : kFullYear) {
        const QDate date = c.toDate(part, format);
        if (date.isValid())
            return date;
    }
    for (const QString& format : kTwoDigitYear) {
        const QDate date = c.toDate(part, format);
        if (date.isValid())
            return widenTwoDigitYear(date);
    }
    return QDate();
}

QString labelText(const QDate& date)
{
    return QStringLiteral("Date: ") + QLocale::c().toString(date, QStringLiteral("MMMM d, yyyy"));
}

} // namespace TimelineDate

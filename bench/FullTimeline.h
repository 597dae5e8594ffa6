// A timeline with every one of its 500 rows in use, as the benchmarks load and show it.
#pragma once

#include "timeline/TimelineDate.h"
#include "timeline/TimelineModel.h"

#include <QDate>

inline void fillFullTimeline(TimelineModel& grid)
{
    const QDate start(2004, 1, 5);
    for (int r = 1; r <= TimelineModel::kItemRows; ++r) {
        // 45 characters, the longest item the item box takes.
        grid.setText(
            r, 1,
            QStringLiteral("Review access logs for workstation group %1").arg(r, 3, 10, QLatin1Char('0')).left(45));
        grid.setText(r, 2, TimelineDate::cellText(start.addDays(r)));
        grid.setText(r, 3, TimelineDate::cellText(start.addDays(r + 7)));
        grid.setText(r, 5, TimelineDate::cellText(start.addDays(r + 365)));
    }
}

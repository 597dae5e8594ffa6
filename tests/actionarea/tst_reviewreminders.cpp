// What comes up for review: timeline rows by their Next Review Date, policies a year after
// their last save, each when due within 30 days or overdue.
#include "actionarea/ReviewReminders.h"

#include <QtTest>

using ReviewReminders::Reminder;

class TestReviewReminders : public QObject
{
    Q_OBJECT
private slots:
    void dueWithinThirtyDays_data();
    void dueWithinThirtyDays();
};

// Rows are "item|next review date"; policies "entry number|last saved (yyyy-MM-dd)".
void TestReviewReminders::dueWithinThirtyDays_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("policies");
    QTest::addColumn<QStringList>("due"); // "row N" or "entry N", soonest first
    QTest::newRow("review dates") << QStringList{"Audit logs|Mon - Jan 4, 27", "Train staff|Wed - Dec 2, 26",
                                                 "Far off|Fri - Mar 5, 27", "|Mon - Dec 7, 26", "No date|"}
                                  << QStringList() << QStringList{"row 2", "row 1"};
    QTest::newRow("the 30th day is due, the 31st is not")
        << QStringList{"Day 30|Wed - Jan 6, 27", "Day 31|Thu - Jan 7, 27"} << QStringList() << QStringList{"row 1"};
    QTest::newRow("policies a year after their save")
        << QStringList() << QStringList{"3|2025-12-01", "4|2026-01-05", "5|2026-06-01"}
        << QStringList{"entry 3", "entry 4"};
    QTest::newRow("overview entries have no policy to review")
        << QStringList() << QStringList{"42|2020-01-01", "45|2020-01-01"} << QStringList();
    QTest::newRow("mixed, soonest first") << QStringList{"Backup test|Sat - Dec 26, 26"} << QStringList{"3|2025-12-01"}
                                          << QStringList{"entry 3", "row 1"};
}

void TestReviewReminders::dueWithinThirtyDays()
{
    QFETCH(QStringList, rows);
    QFETCH(QStringList, policies);
    QVector<std::array<QString, 6>> grid(500);
    for (int r = 0; r < rows.size(); ++r) {
        grid[r][1] = rows[r].section('|', 0, 0);
        grid[r][5] = rows[r].section('|', 1, 1);
    }
    QMap<int, QDate> saved;
    for (const QString& p : policies)
        saved.insert(p.section('|', 0, 0).toInt(), QDate::fromString(p.section('|', 1, 1), Qt::ISODate));
    QStringList found;
    for (const Reminder& r : ReviewReminders::due(grid, saved, QDate(2026, 12, 7)))
        found << (r.timelineRow > 0 ? QStringLiteral("row %1").arg(r.timelineRow)
                                    : QStringLiteral("entry %1").arg(r.entryNumber));
    QTEST(found, "due");
}

QTEST_GUILESS_MAIN(TestReviewReminders)
#include "tst_reviewreminders.moc"

// What comes up for review: timeline rows by their Next Review Date, policies a year after
// their last save, Addressable decisions by their next review date, each when due within 30
// days or overdue.
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

// Rows are "item|next review date"; policies "entry number|last saved (yyyy-MM-dd)"; decisions
// "entry number|next review (yyyy-MM-dd)".
void TestReviewReminders::dueWithinThirtyDays_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("policies");
    QTest::addColumn<QStringList>("decisions");
    QTest::addColumn<QStringList>("due"); // "row N", "entry N" or "decision N", soonest first
    QTest::newRow("review dates") << QStringList{"Audit logs|Mon - Jan 4, 27", "Train staff|Wed - Dec 2, 26",
                                                 "Far off|Fri - Mar 5, 27", "|Mon - Dec 7, 26", "No date|"}
                                  << QStringList() << QStringList() << QStringList{"row 2", "row 1"};
    QTest::newRow("the 30th day is due, the 31st is not")
        << QStringList{"Day 30|Wed - Jan 6, 27", "Day 31|Thu - Jan 7, 27"} << QStringList() << QStringList()
        << QStringList{"row 1"};
    QTest::newRow("policies a year after their save")
        << QStringList() << QStringList{"3|2025-12-01", "4|2026-01-05", "5|2026-06-01"} << QStringList()
        << QStringList{"entry 3", "entry 4"};
    QTest::newRow("overview entries have no policy to review")
        << QStringList() << QStringList{"42|2020-01-01", "45|2020-01-01"} << QStringList() << QStringList();
    QTest::newRow("decisions by their next review")
        << QStringList() << QStringList() << QStringList{"5|2026-11-30", "6|2027-01-06", "7|2027-01-07"}
        << QStringList{"decision 5", "decision 6"};
    QTest::newRow("mixed, soonest first")
        << QStringList{"Backup test|Sat - Dec 26, 26"} << QStringList{"3|2025-12-01"} << QStringList{"3|2026-12-10"}
        << QStringList{"entry 3", "decision 3", "row 1"};
}

void TestReviewReminders::dueWithinThirtyDays()
{
    QFETCH(QStringList, rows);
    QFETCH(QStringList, policies);
    QFETCH(QStringList, decisions);
    QVector<std::array<QString, 6>> grid(500);
    for (int r = 0; r < rows.size(); ++r) {
        grid[r][1] = rows[r].section('|', 0, 0);
        grid[r][5] = rows[r].section('|', 1, 1);
    }
    const auto dates = [](const QStringList& list) {
        QMap<int, QDate> map;
        for (const QString& p : list)
            map.insert(p.section('|', 0, 0).toInt(), QDate::fromString(p.section('|', 1, 1), Qt::ISODate));
        return map;
    };
    QStringList found;
    for (const Reminder& r : ReviewReminders::due(grid, dates(policies), dates(decisions), QDate(2026, 12, 7)))
        found << (r.timelineRow > 0
                      ? QStringLiteral("row %1").arg(r.timelineRow)
                      : QString::fromLatin1(r.isDecision ? "decision %1" : "entry %1").arg(r.entryNumber));
    QTEST(found, "due");
}

QTEST_GUILESS_MAIN(TestReviewReminders)
#include "tst_reviewreminders.moc"

// The To Do grid model and the date texts of its cells.
#include "timeline/TimelineDate.h"
#include "timeline/TimelineModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

class TestTimelineModel : public QObject
{
    Q_OBJECT
private slots:
    void shapeAndHeadings();
    void insertAndRemoveKeep501Rows();
    void sortKeepsTheHeadingRow_data();
    void sortKeepsTheHeadingRow();
    void inPlaceEditIsReported();
    void modelStaysConsistent();
    void dateTexts_data();
    void dateTexts();
};

void TestTimelineModel::shapeAndHeadings()
{
    TimelineModel grid;
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.columnCount(), 6);
    QCOMPARE(grid.headerData(5, Qt::Horizontal).toString(), QStringLiteral("Next Review Date"));
    QCOMPARE(grid.firstEmptyItemRow(), 1);
    QVERIFY(!(grid.flags(grid.index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(!(grid.flags(grid.index(3, TimelineModel::kSpacerColumn)) & Qt::ItemIsEditable));
    QVERIFY(grid.flags(grid.index(3, 1)) & Qt::ItemIsEditable);
}

void TestTimelineModel::insertAndRemoveKeep501Rows()
{
    TimelineModel grid;
    for (const char* item : {"a", "b", "c"})
        grid.setText(grid.firstEmptyItemRow(), 1, item);
    grid.setText(500, 1, "last");
    grid.insertRowBefore(2);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(1, 1), QString("a"));
    QCOMPARE(grid.text(2, 1), QString());
    QCOMPARE(grid.text(3, 1), QString("b"));
    QCOMPARE(grid.text(500, 1), QString()); // the old last row dropped out

    grid.setRowColour(3, Qt::red);
    grid.removeItemRow(2);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(2, 1), QString("b"));
    QCOMPARE(grid.cellColour(2, 1), QColor(Qt::red));
    grid.removeItemRow(0); // the heading row stays
    grid.removeItemRow(501);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(0, 1), QString("To Do Item"));
}

// Rows are given as "row:item:date". After an ascending sort and its clean-up the used rows
// come first, in order, and rows without an item (blanks only, or a date alone) are gone; a
// descending sort keeps every row. Items sort without regard to case, dates in calendar
// order with text that is no date after them and empty cells last.
void TestTimelineModel::sortKeepsTheHeadingRow_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("by item, case ignored")
        << 1 << Qt::AscendingOrder
        << QStringList{"7:Train staff:Mon - Jan 5, 04", "40:audit logs:", "300:Backup plan:", "12:   :"}
        << QStringList{"audit logs:", "Backup plan:", "Train staff:Mon - Jan 5, 04"};
    for (const int dateColumn :
         {TimelineModel::kToDoDateColumn, TimelineModel::kActualDateColumn, TimelineModel::kReviewDateColumn}) {
        QTest::addRow("by date in column %d, in calendar order", dateColumn)
            << dateColumn << Qt::AscendingOrder
            << QStringList{"5:second:Tue - Jan 6, 04", "9:first:Wed - Dec 31, 03", "12:third:Mon - Feb 2, 04",
                           "20::Wed - Mar 3, 04",      "30:undated:soon",          "40:no date:"}
            << QStringList{"first:Wed - Dec 31, 03", "second:Tue - Jan 6, 04", "third:Mon - Feb 2, 04", "undated:soon",
                           "no date:"};
    }
    QTest::newRow("by date, descending, empty last")
        << 2 << Qt::DescendingOrder << QStringList{"1:a:Mon - Jan 5, 04", "2:b:", "3:c:Fri - Jan 7, 05"}
        << QStringList{"c:Fri - Jan 7, 05", "a:Mon - Jan 5, 04", "b:"};
    QTest::newRow("equal items keep their order")
        << 1 << Qt::AscendingOrder << QStringList{"3:same:3", "4:b:", "8:same:8"}
        << QStringList{"b:", "same:3", "same:8"};
    QTest::newRow("descending") << 1 << Qt::DescendingOrder << QStringList{"1:a:", "2:c:", "3:b:", "9::x"}
                                << QStringList{"c:", "b:", "a:", ":x"};
}

void TestTimelineModel::sortKeepsTheHeadingRow()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, rows);
    // The date goes into the sorted column, or the to-do date when sorting by item.
    const int dateColumn = column == TimelineModel::kItemColumn ? TimelineModel::kToDoDateColumn : column;
    TimelineModel grid;
    for (const QString& row : rows) {
        const QStringList parts = row.split(QLatin1Char(':'));
        grid.setText(parts[0].toInt(), TimelineModel::kItemColumn, parts[1]);
        grid.setText(parts[0].toInt(), dateColumn, parts[2]);
    }
    grid.sort(column, order);
    grid.sortCleanup(column, order);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(0, 1), QString("To Do Item"));
    QStringList sorted;
    for (int r = 1; r <= 500; ++r) {
        if (!grid.text(r, TimelineModel::kItemColumn).isEmpty() || !grid.text(r, dateColumn).isEmpty())
            sorted += grid.text(r, TimelineModel::kItemColumn) + QLatin1Char(':') + grid.text(r, dateColumn);
    }
    QTEST(sorted, "sorted");
}

void TestTimelineModel::inPlaceEditIsReported()
{
    TimelineModel grid;
    QSignalSpy edited(&grid, &TimelineModel::cellEdited);
    QVERIFY(grid.setData(grid.index(4, 1), "Risk review"));
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited.at(0).at(0).toInt(), 4);
    QVERIFY(!grid.setData(grid.index(0, 1), "x"));
    grid.setText(5, 1, "program write");
    QCOMPARE(edited.count(), 1);
}

// Qt's model tester watches every signal and answer of the model while it is loaded,
// edited, sorted, cut down and cleared.
void TestTimelineModel::modelStaysConsistent()
{
    TimelineModel grid;
    QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVector<std::array<QString, TimelineModel::kColumnCount>> rows(TimelineModel::kItemRows);
    rows[3] = {QString(), "Encrypt laptops", "Tue - Feb 3, 04", "", "", ""};
    rows[40] = {QString(), "audit logs", "", "", "", "Mon - Jan 5, 04"};
    grid.setItemTexts(rows);
    QVERIFY(grid.setData(grid.index(60, 1), "Backup plan"));
    grid.setRowColour(4, Qt::red);
    grid.sort(1, Qt::AscendingOrder);
    grid.sortCleanup(1, Qt::AscendingOrder);
    grid.sort(2, Qt::DescendingOrder);
    grid.insertRowBefore(2);
    grid.removeItemRow(1);
    grid.prepare();
    grid.clear();
    QCOMPARE(grid.rowCount(), 501);
}

// Cell texts are written as "ddd - mmm d, yy"; reading takes what follows the first "-"
// as a short date.
void TestTimelineModel::dateTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("written");
    QTest::newRow("monday") << "Mon - Jan 5, 04" << QDate(2004, 1, 5) << true;
    QTest::newRow("two-digit day") << "Wed - Dec 31, 25" << QDate(2025, 12, 31) << true;
    QTest::newRow("last century") << "Sun - Jul 4, 99" << QDate(1999, 7, 4) << true;
    QTest::newRow("29 is this century") << "Jan 1, 29" << QDate(2029, 1, 1) << false;
    QTest::newRow("30 is the last") << "Jan 1, 30" << QDate(1930, 1, 1) << false;
    QTest::newRow("short date") << "1/5/2004" << QDate(2004, 1, 5) << false;
    QTest::newRow("after dash") << "Thu - 3/4/2010" << QDate(2010, 3, 4) << false;
    QTest::newRow("full year") << "Mon - Jan 5, 2004" << QDate(2004, 1, 5) << false;
    QTest::newRow("not a date") << "Mon - soon" << QDate() << false;
    QTest::newRow("empty") << "" << QDate() << false;
}

void TestTimelineModel::dateTexts()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(TimelineDate::fromCellText(text), date);
    QFETCH(bool, written);
    if (written)
        QCOMPARE(TimelineDate::cellText(date), text);
}

QTEST_GUILESS_MAIN(TestTimelineModel)
#include "tst_timelinemodel.moc"

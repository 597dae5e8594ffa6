// The To Do grid model and the date texts of its cells.
#include "timeline/TimelineDate.h"
#include "timeline/TimelineModel.h"

#include <QSignalSpy>
#include <QtTest>

class TestTimelineModel : public QObject
{
    Q_OBJECT
private slots:
    void shapeAndHeadings();
    void columnFractionsFillTheGrid();
    void insertAndRemoveKeep501Rows();
    void clearKeepsHeadingsAndEmptiesRows();
    void ascendingSortByItemPutsUsedRowsFirst();
    void ascendingSortByDateDropsRowsWithoutItem();
    void descendingSortLeavesRowsAlone();
    void inPlaceEditIsReported();
    void scrollTip();
    void dateTextFormat_data();
    void dateTextFormat();
    void dateTextReadsBack_data();
    void dateTextReadsBack();
    void dateLabel();
};

static void fillItems(TimelineModel& grid, const QStringList& items)
{
    for (int i = 0; i < items.size(); ++i)
        grid.setText(i + 1, TimelineModel::kItemColumn, items.at(i));
}

void TestTimelineModel::shapeAndHeadings()
{
    TimelineModel grid;
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.columnCount(), 6);
    const QStringList headings = {QString(), "To Do Item", "To Do Date", "Actual Date", QString(), "Next Review Date"};
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(grid.text(0, c), headings.at(c));
        QCOMPARE(grid.headerData(c, Qt::Horizontal).toString(), headings.at(c));
    }
    QCOMPARE(grid.usedRowCount(), 0);
    QCOMPARE(grid.firstEmptyItemRow(), 1);
    QVERIFY(!(grid.flags(grid.index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(!(grid.flags(grid.index(3, 4)) & Qt::ItemIsEditable));
    QVERIFY(grid.flags(grid.index(3, 1)) & Qt::ItemIsEditable);
}

void TestTimelineModel::columnFractionsFillTheGrid()
{
    double sum = 0;
    for (int c = 0; c < TimelineModel::kColumnCount; ++c)
        sum += TimelineModel::columnFraction(c);
    QCOMPARE(sum, 1.0);
    QCOMPARE(TimelineModel::columnFraction(1), 0.34);
    QCOMPARE(TimelineModel::columnFraction(4), 0.005);
}

void TestTimelineModel::insertAndRemoveKeep501Rows()
{
    TimelineModel grid;
    fillItems(grid, {"a", "b", "c"});
    grid.setText(500, 1, "last");
    grid.insertRowBefore(2);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(1, 1), QString("a"));
    QCOMPARE(grid.text(2, 1), QString());
    QCOMPARE(grid.text(3, 1), QString("b"));
    QCOMPARE(grid.text(500, 1), QString()); // the old last row dropped out
    QCOMPARE(grid.text(0, 1), QString("To Do Item"));

    grid.setRowColour(3, Qt::red);
    grid.removeItemRow(2);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(2, 1), QString("b"));
    QCOMPARE(grid.cellColour(2, 1), QColor(Qt::red));
    QCOMPARE(grid.text(500, 1), QString());
    grid.removeItemRow(0); // the heading row stays
    grid.removeItemRow(501);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(0, 5), QString("Next Review Date"));
}

void TestTimelineModel::clearKeepsHeadingsAndEmptiesRows()
{
    TimelineModel grid;
    fillItems(grid, {"a", "b"});
    grid.setRowColour(1, Qt::red);
    grid.clear();
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.usedRowCount(), 0);
    QCOMPARE(grid.text(0, 2), QString("To Do Date"));
    QVERIFY(!grid.cellColour(1, 1).isValid());
}

void TestTimelineModel::ascendingSortByItemPutsUsedRowsFirst()
{
    TimelineModel grid;
    grid.setText(7, 1, "Train staff");
    grid.setText(7, 2, "Mon - Jan 5, 04");
    grid.setText(40, 1, "audit logs");
    grid.setText(300, 1, "Backup plan");
    grid.setText(12, 1, "   "); // blanks only: not an item
    grid.sort(1, Qt::AscendingOrder);
    grid.sortCleanup(1, Qt::AscendingOrder);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(1, 1), QString("audit logs"));
    QCOMPARE(grid.text(2, 1), QString("Backup plan"));
    QCOMPARE(grid.text(3, 1), QString("Train staff"));
    QCOMPARE(grid.text(3, 2), QString("Mon - Jan 5, 04"));
    QCOMPARE(grid.text(4, 1), QString());
    QCOMPARE(grid.usedRowCount(), 3);
    QCOMPARE(grid.text(0, 1), QString("To Do Item"));
}

void TestTimelineModel::ascendingSortByDateDropsRowsWithoutItem()
{
    TimelineModel grid;
    grid.setText(5, 1, "second");
    grid.setText(5, 2, "Tue - Feb 3, 04");
    grid.setText(9, 1, "first");
    grid.setText(9, 2, "Mon - Jan 5, 04");
    grid.setText(20, 2, "Wed - Mar 3, 04"); // a date without an item is dropped
    grid.sort(2, Qt::AscendingOrder);
    grid.sortCleanup(2, Qt::AscendingOrder);
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.text(1, 1), QString("first"));
    QCOMPARE(grid.text(2, 1), QString("second"));
    QCOMPARE(grid.usedRowCount(), 2);
    for (int r = 3; r <= 500; ++r)
        QVERIFY(grid.text(r, 2).isEmpty());
}

void TestTimelineModel::descendingSortLeavesRowsAlone()
{
    TimelineModel grid;
    fillItems(grid, {"a", "c", "b"});
    grid.sort(1, Qt::DescendingOrder);
    grid.sortCleanup(1, Qt::DescendingOrder);
    QCOMPARE(grid.text(1, 1), QString("c"));
    QCOMPARE(grid.text(2, 1), QString("b"));
    QCOMPARE(grid.text(3, 1), QString("a"));
    QCOMPARE(grid.rowCount(), 501);
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

void TestTimelineModel::scrollTip()
{
    TimelineModel grid;
    grid.setText(12, 1, "Encrypt laptops");
    QCOMPARE(grid.scrollTip(12), QString(" Row 12: Encrypt laptops "));
    QCOMPARE(grid.scrollTip(13), QString(" Row 13:  "));
}

void TestTimelineModel::dateTextFormat_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("monday") << QDate(2004, 1, 5) << "Mon - Jan 5, 04";
    QTest::newRow("two-digit day") << QDate(2025, 12, 31) << "Wed - Dec 31, 25";
    QTest::newRow("last century") << QDate(1999, 7, 4) << "Sun - Jul 4, 99";
}

void TestTimelineModel::dateTextFormat()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(TimelineDate::cellText(date), text);
    QCOMPARE(TimelineDate::fromCellText(text), date);
}

void TestTimelineModel::dateTextReadsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("short date") << "1/5/2004" << QDate(2004, 1, 5);
    QTest::newRow("after dash") << "Thu - 3/4/2010" << QDate(2010, 3, 4);
    QTest::newRow("full year") << "Mon - Jan 5, 2004" << QDate(2004, 1, 5);
    QTest::newRow("not a date") << "Mon - soon" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestTimelineModel::dateTextReadsBack()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(TimelineDate::fromCellText(text), date);
}

void TestTimelineModel::dateLabel()
{
    QCOMPARE(TimelineDate::labelText(QDate(2004, 1, 5)), QString("Date: January 5, 2004"));
}

QTEST_GUILESS_MAIN(TestTimelineModel)
#include "tst_timelinemodel.moc"

// TODOActv.FIL, TODONAME.FIL and record 2 of GColor3.Fil against their bytes on disk.
#include "TestFolder.h"

#include "timeline/GridBackground.h"
#include "timeline/ItemNameList.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"

#include <QtTest>

class TestTimelineFiles : public QObject
{
    Q_OBJECT
private slots:
    void gridRoundTripsThroughTheFile();
    void shortFileFillsTheRowsItCovers();
    void missingFileOrFailedSaveChangeNothing();
    void nameFileBytes();
    void removingTheOnlyNameLeavesAnEmptyEntryThatIsReused();
    void listStopsAt1000Names();
    void gridBackgroundRecord();
    void gridBackgroundReadsOddRecords_data();
    void gridBackgroundReadsOddRecords();
};

// All 500 rows are saved, five fields a row, the spacer column as an empty field; text in
// Windows-1252, each field quoted and ended by CR LF.
void TestTimelineFiles::gridRoundTripsThroughTheFile()
{
    TestFolder folder(false);
    TimelineModel grid;
    grid.setText(1, 1, QString::fromUtf8("Caf\u00E9 staff, training \u2019quoted\u2019"));
    grid.setText(1, 2, "Mon - Jan 5, 04");
    grid.setText(1, 4, "ignored spacer");
    grid.setText(1, 5, "Fri - Jan 7, 05");
    grid.setText(500, 3, "Wed - Mar 3, 04");
    QVERIFY(TimelineFiles::saveGridRows(grid));
    const QByteArray empty = "\"\"\r\n";
    QCOMPARE(folder.read("TODOActv.FIL"), "\"Caf\xE9 staff, training \x92quoted\x92\"\r\n\"Mon - Jan 5, 04\"\r\n" +
                                              empty + empty + "\"Fri - Jan 7, 05\"\r\n" + empty.repeated(2492) +
                                              "\"Wed - Mar 3, 04\"\r\n" + empty.repeated(2));
    TimelineModel loaded;
    QVERIFY(TimelineFiles::loadGridRows(loaded));
    grid.setText(1, 4, QString());
    QCOMPARE(loaded.itemTexts(), grid.itemTexts());
}

void TestTimelineFiles::shortFileFillsTheRowsItCovers()
{
    TestFolder folder(false);
    folder.write("todoactv.fil", "\"One\",\"d1\",\"d2\",\"\",\"d3\"\r\n\"Two\"\r\n\"x\"\r\n");
    TimelineModel grid;
    QVERIFY(TimelineFiles::loadGridRows(grid));
    QCOMPARE(grid.text(1, 1), QString("One"));
    QCOMPARE(grid.text(1, 5), QString("d3"));
    QCOMPARE(grid.text(2, 1), QString("Two"));
    QCOMPARE(grid.text(2, 2), QString("x"));
    QCOMPARE(grid.text(2, 3), QString());
    QCOMPARE(grid.usedRowCount(), 2);
    QCOMPARE(grid.rowCount(), 501);
}

void TestTimelineFiles::missingFileOrFailedSaveChangeNothing()
{
    TestFolder folder(false);
    TimelineModel grid;
    grid.setText(1, 1, "kept");
    QVERIFY(!TimelineFiles::loadGridRows(grid));
    QCOMPARE(grid.text(1, 1), QString("kept"));
    // A folder in the file's place cannot be replaced, whoever runs the test.
    QVERIFY(QDir(folder.path()).mkdir("TODOActv.FIL"));
    folder.write("TODOActv.FIL/inside", "kept");
    QString error;
    QVERIFY(!TimelineFiles::saveGridRows(grid, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read("TODOActv.FIL/inside"), QByteArray("kept"));
}

void TestTimelineFiles::nameFileBytes()
{
    TestFolder folder(false);
    folder.write("todoname.fil", "\"  Backup plan  \"\r\n\"Sanctions\"\r\n");
    ItemNameList names;
    names.load();
    QCOMPARE(names.names(), QStringList({"Backup plan", "Sanctions"}));
    QCOMPARE(names.add(QString::fromUtf8("Na\u00EFve audit")), ItemNameList::AddResult::Added);
    QVERIFY(names.remove("sanctions"));
    QCOMPARE(folder.read("todoname.fil"), QByteArray("\"Backup plan\"\r\n\"Na\xEFve audit\"\r\n"));
}

void TestTimelineFiles::removingTheOnlyNameLeavesAnEmptyEntryThatIsReused()
{
    TestFolder folder(false);
    ItemNameList names;
    names.add("Contingency plan");
    QVERIFY(names.remove(" contingency PLAN "));
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"\"\r\n"));
    ItemNameList reloaded;
    reloaded.load();
    QCOMPARE(reloaded.names(), QStringList({QString()}));
    QCOMPARE(reloaded.add("Audit controls"), ItemNameList::AddResult::Added);
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"Audit controls\"\r\n"));
}

void TestTimelineFiles::listStopsAt1000Names()
{
    TestFolder folder(false);
    QByteArray bytes;
    for (int i = 1; i <= 1005; ++i)
        bytes += "\"n" + QByteArray::number(i) + "\"\r\n";
    folder.write("TODONAME.FIL", bytes);
    ItemNameList names;
    names.load();
    QCOMPARE(names.count(), 1000);
    QCOMPARE(names.add("one more"), ItemNameList::AddResult::Full);
    QCOMPARE(names.count(), 1000);
}

// The choice is record 2 with its sign blank, in a file created with zeros before it.
void TestTimelineFiles::gridBackgroundRecord()
{
    TestFolder folder(false);
    QCOMPARE(GridBackground::readChoice(), 0);
    QVERIFY(GridBackground::writeChoice(0));
    QCOMPARE(folder.read("GColor3.Fil"), QByteArray(20, '\0') + QByteArray("\x02\0 0", 4) + QByteArray(16, '\0'));
    QVERIFY(GridBackground::isPicture("wp3"));
    QVERIFY(!GridBackground::isPicture(GridBackground::backgroundName(0)));
}

void TestTimelineFiles::gridBackgroundReadsOddRecords_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("choice");
    const QByteArray record1(20, '\0');
    QTest::newRow("short file") << QByteArray(10, '\0') << 0;
    QTest::newRow("empty text") << record1 + QByteArray(2, '\0') << 0;
    QTest::newRow("no sign blank") << record1 + QByteArray("\x01\0", 2) + "5" << 5;
    QTest::newRow("out of range") << record1 + QByteArray("\x02\0", 2) + "12" << 0;
    QTest::newRow("not a number") << record1 + QByteArray("\x02\0", 2) + "ab" << 0;
    QTest::newRow("length past record") << record1 + QByteArray("\xFF\0 7", 4) << 7;
}

void TestTimelineFiles::gridBackgroundReadsOddRecords()
{
    QFETCH(QByteArray, file);
    TestFolder folder(false);
    folder.write("GColor3.Fil", file);
    QTEST(GridBackground::readChoice(), "choice");
}

QTEST_GUILESS_MAIN(TestTimelineFiles)
#include "tst_timelinefiles.moc"

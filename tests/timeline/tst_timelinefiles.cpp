// TODOActv.FIL, TODONAME.FIL and record 2 of GColor3.Fil against their bytes on disk.
#include "TestFolder.h"

#include "base/RecordFile.h"
#include "timeline/GridBackground.h"
#include "timeline/ItemNameList.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"

#include <QtTest>

class TestTimelineFiles : public QObject
{
    Q_OBJECT
private slots:
    void savedGridHas2500FieldsEvenWithOneRow();
    void gridRoundTripsThroughTheFile();
    void shortFileFillsTheRowsItCovers();
    void missingFileLeavesHeadingsOverEmptyRows();
    void failedSaveKeepsTheOldFile();
    void nameFileBytes();
    void namesLoadTrimmed();
    void duplicateNamesIgnoreCaseAndTrailingBlanks();
    void removingTheOnlyNameLeavesAnEmptyEntryThatIsReused();
    void removeShiftsLaterNames();
    void typeAheadFindsFirstMatch();
    void listStopsAt1000Names();
    void gridBackgroundRecord();
    void gridBackgroundReadsOddRecords_data();
    void gridBackgroundReadsOddRecords();
};

void TestTimelineFiles::savedGridHas2500FieldsEvenWithOneRow()
{
    TestFolder folder(false);
    TimelineModel grid;
    grid.setText(1, 1, "Assign security official");
    grid.setText(1, 2, "Mon - Jan 5, 04");
    grid.setText(1, 4, "ignored spacer");
    grid.setText(1, 5, "Fri - Jan 7, 05");
    QVERIFY(TimelineFiles::saveGridRows(grid));
    const QByteArray bytes = folder.read("TODOActv.FIL");
    QByteArray expected =
        "\"Assign security official\"\r\n\"Mon - Jan 5, 04\"\r\n\"\"\r\n\"\"\r\n\"Fri - Jan 7, 05\"\r\n";
    for (int r = 2; r <= 500; ++r)
        expected += "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
    QCOMPARE(bytes, expected);
    QCOMPARE(bytes.count("\r\n"), 2500);
}

void TestTimelineFiles::gridRoundTripsThroughTheFile()
{
    TestFolder folder(false);
    TimelineModel grid;
    grid.setText(3, 1, QString::fromUtf8("Caf\u00E9 staff, training"));
    grid.setText(3, 3, "Tue - Feb 3, 04");
    grid.setText(500, 5, "Wed - Mar 3, 04");
    QVERIFY(TimelineFiles::saveGridRows(grid));
    QVERIFY(folder.read("TODOActv.FIL").contains("\"Caf\xE9 staff, training\"\r\n"));
    TimelineModel loaded;
    QVERIFY(TimelineFiles::loadGridRows(loaded));
    QCOMPARE(loaded.itemTexts(), [&] {
        auto rows = grid.itemTexts();
        rows[2][4].clear(); // the spacer column is never stored
        return rows;
    }());
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

void TestTimelineFiles::missingFileLeavesHeadingsOverEmptyRows()
{
    TestFolder folder(false);
    TimelineModel grid;
    QVERIFY(!TimelineFiles::loadGridRows(grid));
    QCOMPARE(grid.rowCount(), 501);
    QCOMPARE(grid.usedRowCount(), 0);
    QCOMPARE(grid.text(0, 3), QString("Actual Date"));
    QVERIFY(!QFile::exists(folder.filePath("TODOActv.FIL")));
}

void TestTimelineFiles::failedSaveKeepsTheOldFile()
{
    TestFolder folder(false);
    // A folder in the file's place cannot be replaced, whoever runs the test.
    QVERIFY(QDir(folder.path()).mkdir("TODOActv.FIL"));
    folder.write("TODOActv.FIL/inside", "kept");
    TimelineModel grid;
    grid.setText(1, 1, "new");
    QString error;
    QVERIFY(!TimelineFiles::saveGridRows(grid, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read("TODOActv.FIL/inside"), QByteArray("kept"));
}

void TestTimelineFiles::nameFileBytes()
{
    TestFolder folder(false);
    ItemNameList names;
    names.load();
    QCOMPARE(names.add("Risk analysis"), ItemNameList::AddResult::Added);
    QCOMPARE(names.add(QString::fromUtf8("Na\u00EFve audit")), ItemNameList::AddResult::Added);
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"Risk analysis\"\r\n\"Na\xEFve audit\"\r\n"));
    QCOMPARE(names.names(), QStringList({"Risk analysis", QString::fromUtf8("Na\u00EFve audit")}));
}

void TestTimelineFiles::namesLoadTrimmed()
{
    TestFolder folder(false);
    folder.write("todoname.fil", "\"  Backup plan  \"\r\n\"Sanctions\"\r\n");
    ItemNameList names;
    names.load();
    QCOMPARE(names.names(), QStringList({"Backup plan", "Sanctions"}));
    QCOMPARE(names.slot(0), QString());
}

void TestTimelineFiles::duplicateNamesIgnoreCaseAndTrailingBlanks()
{
    TestFolder folder(false);
    ItemNameList names;
    QCOMPARE(names.add("Workstation use"), ItemNameList::AddResult::Added);
    const QByteArray before = folder.read("TODONAME.FIL");
    QCOMPARE(names.add("WORKSTATION USE"), ItemNameList::AddResult::AlreadyKnown);
    QCOMPARE(names.add("workstation use   "), ItemNameList::AddResult::AlreadyKnown);
    QCOMPARE(names.count(), 1);
    QCOMPARE(folder.read("TODONAME.FIL"), before);
    QVERIFY(names.contains("Workstation Use "));
    QVERIFY(!names.contains("Workstation"));
}

void TestTimelineFiles::removingTheOnlyNameLeavesAnEmptyEntryThatIsReused()
{
    TestFolder folder(false);
    ItemNameList names;
    names.add("Contingency plan");
    QVERIFY(names.remove(" contingency PLAN "));
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"\"\r\n"));
    QCOMPARE(names.count(), 1);

    ItemNameList reloaded;
    reloaded.load();
    QCOMPARE(reloaded.names(), QStringList({QString()}));
    QCOMPARE(reloaded.add("Audit controls"), ItemNameList::AddResult::Added);
    QCOMPARE(reloaded.names(), QStringList({"Audit controls"}));
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"Audit controls\"\r\n"));
}

void TestTimelineFiles::removeShiftsLaterNames()
{
    TestFolder folder(false);
    ItemNameList names;
    for (const char* n : {"a", "b", "c"})
        names.add(n);
    QVERIFY(names.remove("B"));
    QCOMPARE(names.names(), QStringList({"a", "c"}));
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"a\"\r\n\"c\"\r\n"));
    QVERIFY(names.remove("not there"));
    QCOMPARE(names.names(), QStringList({"a", "c"}));
}

void TestTimelineFiles::typeAheadFindsFirstMatch()
{
    TestFolder folder(false);
    ItemNameList names;
    for (const char* n : {"Access control", "  Audit controls", "Audit logs"})
        names.add(n);
    QCOMPARE(names.firstStartingWith("au"), QString("  Audit controls"));
    QCOMPARE(names.firstStartingWith("  ACC"), QString("Access control"));
    QCOMPARE(names.firstStartingWith("z"), QString());
    QCOMPARE(names.firstStartingWith(""), QString());
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

void TestTimelineFiles::gridBackgroundRecord()
{
    TestFolder folder(false);
    QByteArray original(700, '\0');
    original.replace(200, 3,
                     QByteArray("\x01\x00"
                                "1",
                                3)); // record 11
    original.replace(680, 5,
                     QByteArray("\x03\x00"
                                "Yes",
                                5));               // record 35
    original.replace(20, 20, QByteArray(20, 'z')); // record 2 before
    folder.write("GColor3.Fil", original);
    QVERIFY(GridBackground::writeChoice(3));
    QByteArray expected = original;
    expected.replace(20, 4, QByteArray("\x02\x00 3", 4));
    QCOMPARE(folder.read("GColor3.Fil"), expected);
    QCOMPARE(GridBackground::readChoice(), 3);
    QCOMPARE(RecordFile("GColor3.Fil", 20).readText(35), QString("Yes"));

    TestFolder fresh(false);
    QCOMPARE(GridBackground::readChoice(), 0);
    QVERIFY(GridBackground::writeChoice(0));
    QByteArray created(40, '\0');
    created.replace(20, 4, QByteArray("\x02\x00 0", 4));
    QCOMPARE(fresh.read("GColor3.Fil"), created);
    QCOMPARE(GridBackground::backgroundName(0), QString());
    QCOMPARE(GridBackground::backgroundName(8), QString("WP8"));
    QCOMPARE(GridBackground::pictureFileName(8), QString("WP8.jpg"));
    QVERIFY(GridBackground::isPicture("wp3"));
    QVERIFY(!GridBackground::isPicture(""));
}

void TestTimelineFiles::gridBackgroundReadsOddRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("choice");
    QTest::newRow("short file") << QByteArray(10, '\0') << 0;
    QTest::newRow("empty text") << QByteArray(40, '\0') << 0;
    QTest::newRow("no sign blank") << QByteArray(20, '\0') + QByteArray("\x01\x00"
                                                                        "5",
                                                                        3)
                                   << 5;
    QTest::newRow("out of range") << QByteArray(20, '\0') + QByteArray("\x02\x00"
                                                                       "12",
                                                                       4)
                                  << 0;
    QTest::newRow("not a number") << QByteArray(20, '\0') + QByteArray("\x02\x00"
                                                                       "ab",
                                                                       4)
                                  << 0;
    QTest::newRow("length past record") << QByteArray(20, '\0') + QByteArray("\xFF\x00 7", 4) << 7;
}

void TestTimelineFiles::gridBackgroundReadsOddRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, choice);
    TestFolder folder(false);
    folder.write("GColor3.Fil", bytes);
    QCOMPARE(GridBackground::readChoice(), choice);
}

QTEST_GUILESS_MAIN(TestTimelineFiles)
#include "tst_timelinefiles.moc"

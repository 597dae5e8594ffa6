// Stat1.Fil byte for byte, and the in-memory status slots.
#include "worksheets/StatusStore.h"

#include "TestFolder.h"

#include <QtTest>

namespace {

// One 20-byte record: little-endian length, the bytes, zeros.
QByteArray record(const QByteArray& text)
{
    QByteArray bytes(20, '\0');
    bytes[0] = char(text.size() & 0xFF);
    bytes[1] = char(text.size() >> 8);
    bytes.replace(2, text.size(), text);
    return bytes;
}

QByteArray emptyRecords(int count)
{
    return QByteArray(count * 20, '\0');
}

} // namespace

class TestStatusStore : public QObject
{
    Q_OBJECT

private slots:
    void missingFileReadsEmptyAndIsCreated();
    void picksAreWrittenByteExact_data();
    void picksAreWrittenByteExact();
    void loadReadsEveryRecordAndOnlyWholeOnes();
    void reloadReadsOnlyCatalogRecords();
    void failedPicksKeepTheSlot();
    void notImplemented();
};

void TestStatusStore::missingFileReadsEmptyAndIsCreated()
{
    TestFolder folder(false);
    StatusStore store;
    store.loadAll();
    for (int n = -1; n <= StatusStore::kSlotCount; ++n)
        QCOMPARE(store.slot(n), QString());
    QVERIFY(QFileInfo::exists(folder.filePath("Stat1.Fil")));
    QCOMPARE(folder.read("Stat1.Fil"), QByteArray());
}

void TestStatusStore::picksAreWrittenByteExact_data()
{
    QTest::addColumn<QList<int>>("records");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("slot1");
    QTest::newRow("first record") << QList<int>{1} << QStringList{"Completed"} << record("Completed") << "Completed";
    QTest::newRow("first physical entry at 23 x 20")
        << QList<int>{1, 24} << QStringList{"Completed", "Working"}
        << record("Completed") + emptyRecords(22) + record("Working") << "Completed";
    QTest::newRow("a shorter value leaves no tail")
        << QList<int>{1, 1} << QStringList{"Not Implemented", "Yes"} << record("Yes") << "Yes";
    QTest::newRow("blank") << QList<int>{1} << QStringList{" "} << record(" ") << " ";
    QTest::newRow("18 characters fill the record, more are cut")
        << QList<int>{1} << QStringList{"ABCDEFGHIJKLMNOPQRSTU"} << record("ABCDEFGHIJKLMNOPQR")
        << "ABCDEFGHIJKLMNOPQR";
    QTest::newRow("cleared") << QList<int>{1, 1} << QStringList{"Review", QString()} << record("") << "";
}

void TestStatusStore::picksAreWrittenByteExact()
{
    QFETCH(QList<int>, records);
    QFETCH(QStringList, texts);
    QFETCH(QByteArray, file);
    QFETCH(QString, slot1);
    TestFolder folder(false);
    StatusStore store;
    for (int i = 0; i < records.size(); ++i) {
        QString error;
        QVERIFY2(store.pick(records.at(i), texts.at(i), &error), qPrintable(error));
    }
    QCOMPARE(folder.read("Stat1.Fil"), file);
    QCOMPARE(store.slot(1), slot1);
    store.loadAll();
    QCOMPARE(store.slot(1), slot1);
}

void TestStatusStore::loadReadsEveryRecordAndOnlyWholeOnes()
{
    TestFolder folder(false);
    QByteArray bytes;
    for (int r = 1; r <= 68; ++r)
        bytes += record(QByteArray::number(r));
    bytes += record("seventy"); // a 69th record is never read
    folder.write("Stat1.Fil", bytes);
    StatusStore store;
    store.loadAll();
    for (int r = 1; r <= 68; ++r)
        QCOMPARE(store.slot(r), QString::number(r));
    QCOMPARE(store.slot(69), QString());
    QCOMPARE(folder.read("Stat1.Fil"), bytes);

    // Record 1 whole, record 2 cut after its length field and four of its nine characters.
    folder.write("Stat1.Fil", record("Pending") + record("Completed").left(8));
    store.loadAll();
    QCOMPARE(store.slot(1), QStringLiteral("Pending"));
    QCOMPARE(store.slot(2), QString());
    QCOMPARE(store.slot(3), QString());
    // Writing record 2 completes it; record 1 stays.
    QVERIFY(store.pick(2, "Review"));
    QCOMPARE(folder.read("Stat1.Fil"), record("Pending") + record("Review"));
}

void TestStatusStore::reloadReadsOnlyCatalogRecords()
{
    TestFolder folder(false);
    StatusStore store;
    store.loadAll();
    folder.write("Stat1.Fil", emptyRecords(4) + record("Working") + emptyRecords(36) + record("Review") +
                                  record("Pending") + emptyRecords(6) + record("Yes"));
    store.reloadCatalogRecords();
    QCOMPARE(store.slot(5), QStringLiteral("Working"));
    QCOMPARE(store.slot(42), QStringLiteral("Review"));
    QCOMPARE(store.slot(43), QString());
    store.loadAll();
    QCOMPARE(store.slot(43), QStringLiteral("Pending"));
    QCOMPARE(store.slot(50), QStringLiteral("Yes"));
}

void TestStatusStore::failedPicksKeepTheSlot()
{
    TestFolder folder(false);
    StatusStore store;
    for (int r : {-1, 0, 69}) {
        QString error;
        QVERIFY(!store.pick(r, "Pending", &error));
        QVERIFY(!error.isEmpty());
    }
    QVERIFY(!QFileInfo::exists(folder.filePath("Stat1.Fil")));

    QVERIFY(store.pick(1, "Pending"));
    // A folder in the file's place cannot be replaced by a file.
    QVERIFY(QFile::remove(folder.filePath("Stat1.Fil")));
    QVERIFY(QDir(folder.path()).mkdir("Stat1.Fil"));
    QString error;
    QVERIFY(!store.pick(1, "Completed", &error));
    QVERIFY(error.contains("Stat1.Fil"));
    QCOMPARE(store.slot(1), QStringLiteral("Pending"));
}

void TestStatusStore::notImplemented()
{
    QVERIFY(StatusStore::isNotImplemented("  Not Implemented "));
    QVERIFY(!StatusStore::isNotImplemented("Not implemented"));
    QVERIFY(!StatusStore::isNotImplemented("Completed"));
}

QTEST_GUILESS_MAIN(TestStatusStore)
#include "tst_statusstore.moc"

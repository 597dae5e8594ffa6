// Stat1.Fil byte for byte, and the in-memory status slots.
#include "actionarea/StatusStore.h"

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
    void vocabularies();
    void messageTexts();
    void missingFileReadsEmptyAndIsCreated();
    void pickWritesOneRecordByteExact();
    void pickLastRecordExtendsWithZeros();
    void pickKeepsOtherRecords();
    void shorterValueLeavesNoTail();
    void blankAndFullLengthTexts();
    void loadReadsEveryRecord();
    void truncatedFile();
    void recordsBeyondTheEnd();
    void reloadReadsOnlyCatalogRecords();
    void pickOutOfRange();
    void pickFailureKeepsSlot();
    void notImplemented();
};

void TestStatusStore::vocabularies()
{
    QCOMPARE(StatusStore::kCurrentStatusItems,
             QStringList({" ", "Pending", "Working", "Completed", "Review", "Not Implemented"}));
    QCOMPARE(StatusStore::kComplianceStatusItems, QStringList({" ", "Yes", "No", "Partial", "Planned"}));
    QCOMPARE(StatusStore::kCurrentStatusLabel, QStringLiteral("   Current Status:"));
    QCOMPARE(StatusStore::kComplianceStatusLabel, QStringLiteral(" Compliance Status:"));
    QCOMPARE(StatusStore::kSampleStatus, QStringLiteral("Completed"));
    QCOMPARE(StatusStore::kFileName, QStringLiteral("Stat1.Fil"));
    QCOMPARE(StatusStore::worksheetRecord(0), 48);
    QCOMPARE(StatusStore::worksheetRecord(20), 68);
    for (const QString& item : StatusStore::kCurrentStatusItems + StatusStore::kComplianceStatusItems)
        QVERIFY(item.size() <= 15);
}

void TestStatusStore::messageTexts()
{
    QCOMPARE(StatusStore::kNotImplementedTitle, QStringLiteral("Safeguard Not Being Implemented"));
    QCOMPARE(StatusStore::kNotImplementedText,
             QStringLiteral("If this safeguard is not being implemented, be sure and") + QChar('\r') +
                 QStringLiteral("document in the Action Taken or Comments/Notes") + QChar('\r') +
                 QStringLiteral("area why it is not being implemented!"));

    const QStringList lines{
        "Explanation of Compliance Status Terms:",
        "",
        "Yes - Actions, policies and or software tools, etc. have been put in ",
        "         place to bring this risk into reasonable compliance with the rule.",
        "",
        "No  - This risk is not currently in reasonable compliance with the rule.",
        "",
        "Partial - Actions, policies and or software tools, etc. have been put in place     ",
        "             to partially bring this risk into reasonable compliance with the rule.",
        "",
        "Planned - Actions, etc. are being planned to be implemented in the future",
        "                to bring this risk into reasonable compliance with the rule.",
    };
    QCOMPARE(StatusStore::kComplianceTermsTitle, QStringLiteral("Compliance Status Terms"));
    QCOMPARE(StatusStore::kComplianceTermsText, lines.join(QChar('\r')));
    QVERIFY(!StatusStore::kComplianceTermsText.contains(QChar('\n')));
}

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

void TestStatusStore::pickWritesOneRecordByteExact()
{
    TestFolder folder(false);
    StatusStore store;
    store.loadAll();
    QString error;
    QVERIFY2(store.pick(1, "Completed", &error), qPrintable(error));
    QCOMPARE(folder.read("Stat1.Fil"), QByteArray("\x09\x00"
                                                  "Completed"
                                                  "\0\0\0\0\0\0\0\0\0",
                                                  20));
    QCOMPARE(store.slot(1), QStringLiteral("Completed"));

    // Record 24 (first Physical entry) lands at offset 23 * 20.
    QVERIFY(store.pick(24, "Working"));
    const QByteArray bytes = folder.read("Stat1.Fil");
    QCOMPARE(bytes.size(), 24 * 20);
    QCOMPARE(bytes.mid(0, 20), record("Completed"));
    QCOMPARE(bytes.mid(20, 22 * 20), emptyRecords(22));
    QCOMPARE(bytes.mid(460, 20), record("Working"));
    QCOMPARE(quint8(bytes[460]), quint8(7));
    QCOMPARE(quint8(bytes[461]), quint8(0));
}

void TestStatusStore::pickLastRecordExtendsWithZeros()
{
    TestFolder folder(false);
    StatusStore store;
    QVERIFY(!QFileInfo::exists(folder.filePath("Stat1.Fil")));
    QVERIFY(store.pick(StatusStore::worksheetRecord(20), "Planned"));
    const QByteArray bytes = folder.read("Stat1.Fil");
    QCOMPARE(bytes.size(), 68 * 20);
    QCOMPARE(bytes.left(67 * 20), emptyRecords(67));
    QCOMPARE(bytes.mid(1340), record("Planned"));
    QCOMPARE(store.slot(68), QStringLiteral("Planned"));
}

void TestStatusStore::pickKeepsOtherRecords()
{
    TestFolder folder(false);
    // A file with arbitrary bytes everywhere: only record 3 may change.
    QByteArray original(68 * 20, '\0');
    for (int i = 0; i < original.size(); ++i)
        original[i] = char((i * 7 + 3) & 0xFF);
    folder.write("Stat1.Fil", original);
    StatusStore store;
    QVERIFY(store.pick(3, "Review"));
    QByteArray expected = original;
    expected.replace(40, 20, record("Review"));
    QCOMPARE(folder.read("Stat1.Fil"), expected);
}

void TestStatusStore::shorterValueLeavesNoTail()
{
    TestFolder folder(false);
    StatusStore store;
    QVERIFY(store.pick(2, "Not Implemented"));
    QVERIFY(store.pick(2, "Yes"));
    QCOMPARE(folder.read("Stat1.Fil"), emptyRecords(1) + record("Yes"));
    QVERIFY(store.clear(2));
    QCOMPARE(folder.read("Stat1.Fil"), emptyRecords(2));
    QCOMPARE(store.slot(2), QString());
}

void TestStatusStore::blankAndFullLengthTexts()
{
    TestFolder folder(false);
    StatusStore store;
    QVERIFY(store.pick(1, " "));
    QCOMPARE(folder.read("Stat1.Fil"), record(" "));
    QCOMPARE(store.slot(1), QStringLiteral(" "));

    // 18 characters fill the record exactly; longer texts keep their first 18.
    QVERIFY(store.pick(1, "ABCDEFGHIJKLMNOPQR"));
    QCOMPARE(folder.read("Stat1.Fil"), QByteArray("\x12\x00"
                                                  "ABCDEFGHIJKLMNOPQR",
                                                  20));
    QVERIFY(store.pick(1, "ABCDEFGHIJKLMNOPQRSTU"));
    QCOMPARE(folder.read("Stat1.Fil"), QByteArray("\x12\x00"
                                                  "ABCDEFGHIJKLMNOPQR",
                                                  20));
    QCOMPARE(store.slot(1), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    store.loadAll();
    QCOMPARE(store.slot(1), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
}

void TestStatusStore::loadReadsEveryRecord()
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
    QCOMPARE(store.slot(0), QString());
    QCOMPARE(store.slot(69), QString());
    QCOMPARE(store.slot(70), QString());
    QCOMPARE(store.slot(71), QString());
    QCOMPARE(folder.read("Stat1.Fil"), bytes);
}

void TestStatusStore::truncatedFile()
{
    TestFolder folder(false);
    // Record 1 whole, record 2 cut after its length field and four of its nine characters.
    folder.write("Stat1.Fil", record("Pending") + record("Completed").left(8));
    StatusStore store;
    store.loadAll();
    QCOMPARE(store.slot(1), QStringLiteral("Pending"));
    QCOMPARE(store.slot(2), QString());
    QCOMPARE(store.slot(3), QString());

    // Writing record 2 completes it; record 1 stays.
    QVERIFY(store.pick(2, "Review"));
    QCOMPARE(folder.read("Stat1.Fil"), record("Pending") + record("Review"));
}

void TestStatusStore::recordsBeyondTheEnd()
{
    TestFolder folder(false);
    folder.write("Stat1.Fil", record("Pending") + record("Working"));
    StatusStore store;
    store.loadAll();
    QCOMPARE(store.slot(1), QStringLiteral("Pending"));
    QCOMPARE(store.slot(2), QStringLiteral("Working"));
    for (int r = 3; r <= 68; ++r)
        QCOMPARE(store.slot(r), QString());
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
    QCOMPARE(store.slot(50), QString());
    store.loadAll();
    QCOMPARE(store.slot(43), QStringLiteral("Pending"));
    QCOMPARE(store.slot(50), QStringLiteral("Yes"));
}

void TestStatusStore::pickOutOfRange()
{
    TestFolder folder(false);
    StatusStore store;
    for (int r : {-1, 0, 69, 70}) {
        QString error;
        QVERIFY(!store.pick(r, "Pending", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(store.slot(r), QString());
    }
    QVERIFY(!QFileInfo::exists(folder.filePath("Stat1.Fil")));
}

void TestStatusStore::pickFailureKeepsSlot()
{
    TestFolder folder(false);
    StatusStore store;
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
    QVERIFY(StatusStore::isNotImplemented("Not Implemented"));
    QVERIFY(StatusStore::isNotImplemented("  Not Implemented "));
    QVERIFY(!StatusStore::isNotImplemented("Not implemented"));
    QVERIFY(!StatusStore::isNotImplemented("Completed"));
    QVERIFY(!StatusStore::isNotImplemented(" "));
}

QTEST_GUILESS_MAIN(TestStatusStore)
#include "tst_statusstore.moc"

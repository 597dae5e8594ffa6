// Record files, quoted-field files, the code page and the program folder, against bytes on disk.
#include "TestFolder.h"

#include "base/CodePage.h"
#include "base/DataFolder.h"
#include "base/QuotedFieldFile.h"
#include "base/RecordFile.h"
#include "worksheets/AddressableDecisions.h"

#include <QtTest>

namespace {

// The bytes of a string literal, embedded zeros included.
template <int N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

} // namespace

class TestFileFormats : public QObject
{
    Q_OBJECT
private slots:
    void codePage_data();
    void codePage();
    void codePageRoundTripsEveryByte();
    void writesKeepTheRestOfTheFile();
    void writePastEndExtendsWithZeros();
    void brokenRecordsStayInTheirRecord_data();
    void brokenRecordsStayInTheirRecord();
    void quotedFieldsParse_data();
    void quotedFieldsParse();
    void namesDifferingOnlyInCase();
    void addressableDecisionRecord();
    void damagedDecisionRecords_data();
    void damagedDecisionRecords();
};

void TestFileFormats::codePage_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 81") << 0x81 << 0x81;
    QTest::newRow("right single quote") << 0x92 << 0x2019;
    QTest::newRow("y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("e acute") << 0xE9 << 0x00E9;
}

void TestFileFormats::codePage()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    QCOMPARE(CodePage::toUnicode(static_cast<unsigned char>(byte)), QChar(unicode));
    QCOMPARE(CodePage::fromUnicode(QString(QChar(unicode))), QByteArray(1, char(byte)));
}

void TestFileFormats::codePageRoundTripsEveryByte()
{
    for (int b = 0; b < 256; ++b) {
        unsigned char back = 0;
        QVERIFY2(CodePage::fromUnicode(CodePage::toUnicode(static_cast<unsigned char>(b)), &back),
                 qPrintable(QString::number(b)));
        QCOMPARE(int(back), b);
    }
    // Characters the code page lacks become '?'.
    QCOMPARE(CodePage::fromUnicode(QStringLiteral("a\u4E2Db\U0001F600")), QByteArray("a?b??"));
}

// A text write leaves other records and its own record's tail alone; a whole-text write
// clears that tail.
void TestFileFormats::writesKeepTheRestOfTheFile()
{
    TestFolder folder(false);
    folder.write(QStringLiteral("Stat1.Fil"), QByteArray(60, 'x'));
    RecordFile file(QStringLiteral("Stat1.Fil"), 20);
    QVERIFY(file.writeText(2, QString::fromUtf8("Caf\u00E9")));
    QCOMPARE(folder.read(QStringLiteral("Stat1.Fil")),
             QByteArray(20, 'x') + raw("\x04\0Caf\xE9") + QByteArray(34, 'x'));
    QVERIFY(file.writeWholeText(2, QStringLiteral("Yes")));
    QCOMPARE(folder.read(QStringLiteral("Stat1.Fil")),
             QByteArray(20, 'x') + raw("\x03\x00Yes") + QByteArray(15, '\0') + QByteArray(20, 'x'));
}

// Records are numbered from 1; a record past the end of the file reads as zeros, and
// writing it pads the file with zeros up to it.
void TestFileFormats::writePastEndExtendsWithZeros()
{
    TestFolder folder(false);
    folder.write(QStringLiteral("RAList.Fil"), QByteArray(7, 'z'));
    RecordFile file(QStringLiteral("RAList.Fil"), 20);
    QVERIFY(file.writeText(3, QStringLiteral("A")));
    QCOMPARE(folder.read(QStringLiteral("RAList.Fil")),
             QByteArray(7, 'z') + QByteArray(33, '\0') + raw("\x01\0A") + QByteArray(17, '\0'));
    QCOMPARE(file.readRecord(1), QByteArray(7, 'z') + QByteArray(13, '\0'));
    QCOMPARE(file.readRecord(9), QByteArray(20, '\0'));
    QCOMPARE(file.readText(9), QString());
}

void TestFileFormats::brokenRecordsStayInTheirRecord_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("seven bytes") << raw("\x03\x00Yes\x00\x00") << QString();
    QTest::newRow("huge length") << QByteArray(680, '\0') + raw("\x60\xEAYes") + QByteArray(100, 'n')
                                 << "Yes" + QString(15, QLatin1Char('n'));
    // The bytes missing at the end of the file read as the zeros a record is padded with.
    QTest::newRow("cut inside record") << QByteArray(680, '\0') + raw("\x03\x00Y")
                                       << QStringLiteral("Y") + QString(2, QChar(0));
}

void TestFileFormats::brokenRecordsStayInTheirRecord()
{
    QFETCH(QByteArray, bytes);
    TestFolder folder(false);
    folder.write(QStringLiteral("GColor3.Fil"), bytes);
    QTEST(RecordFile(QStringLiteral("GColor3.Fil"), 20).readText(35), "text");
}

// Whatever a file holds, parsing ends with fields that make sense.
void TestFileFormats::quotedFieldsParse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("written form") << QByteArray("\"a\"\r\n\"\"\r\n\"c\"\r\n") << QStringList{"a", "", "c"};
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("only line ends") << QByteArray("\r\n\r\n\n") << QStringList();
    QTest::newRow("unterminated quote") << QByteArray("\"a\"\r\n\"unterminated") << QStringList{"a", "unterminated"};
    QTest::newRow("lone quote") << QByteArray("\"") << QStringList{""};
    QTest::newRow("lone CR") << QByteArray("\"a\"\r\"b\"\r") << QStringList{"a", "b"};
    QTest::newRow("LF only") << QByteArray("\"a\"\n\"b\"\n") << QStringList{"a", "b"};
    QTest::newRow("commas") << QByteArray("plain,\"x,y\",,\"c\"\r\n") << QStringList{"plain", "x,y", "", "c"};
    QTest::newRow("trailing comma") << QByteArray("\"a\",\r\n") << QStringList{"a", ""};
    QTest::newRow("bytes 80-9f") << raw("\"\x80\x81\x92\x9F\"\r\n")
                                 << QStringList{QString::fromUtf8("\u20AC\u0081\u2019\u0178")};
    QTest::newRow("NUL byte") << raw("\"a\x00z\"\r\n")
                              << QStringList{QStringLiteral("a") + QChar(0) + QStringLiteral("z")};
    QTest::newRow("long field") << "\"" + QByteArray(200000, 'x') + "\"\r\n"
                                << QStringList{QString(200000, QLatin1Char('x'))};
}

void TestFileFormats::quotedFieldsParse()
{
    QFETCH(QByteArray, bytes);
    QTEST(QuotedFieldFile::parse(bytes), "fields");
}

// On a file system that tells letter cases apart, one of two files whose names differ only
// in case is found for every spelling and writes go to it; a new file gets the name as the
// program spells it.
void TestFileFormats::namesDifferingOnlyInCase()
{
    TestFolder folder(false);
    folder.write(QStringLiteral("STAT1.FIL"), "upper");
    folder.write(QStringLiteral("stat1.fil"), "lower");
    if (QDir(folder.path()).entryList(QDir::Files).size() != 2)
        QSKIP("this file system ignores letter case");
    const QString found = DataFolder::path(QStringLiteral("Stat1.Fil"));
    const bool upper = found == folder.filePath(QStringLiteral("STAT1.FIL"));
    QVERIFY(upper || found == folder.filePath(QStringLiteral("stat1.fil")));
    for (const char* spelling : {"Stat1.Fil", "sTAT1.fIL", "Stat1.FIL"})
        QCOMPARE(DataFolder::path(QLatin1String(spelling)), found);
    QVERIFY(RecordFile(QStringLiteral("Stat1.Fil"), 20).writeText(1, QStringLiteral("x")));
    QCOMPARE(folder.read(QStringLiteral("STAT1.FIL")).size(), upper ? 20 : 5);
    QCOMPARE(folder.read(QStringLiteral("stat1.fil")).size(), upper ? 5 : 20);

    QCOMPARE(DataFolder::path(QStringLiteral("Action0.Fil")), folder.filePath(QStringLiteral("Action0.Fil")));
    QStringList fields;
    QVERIFY(!QuotedFieldFile::read(QStringLiteral("todoname.fil"), &fields));
    // Quotes inside a field cannot be written, so they are left out.
    QVERIFY(QuotedFieldFile::write(QStringLiteral("TODONAME.FIL"), {QStringLiteral("say \"hi\"")}));
    QCOMPARE(folder.read(QStringLiteral("TODONAME.FIL")), QByteArray("\"say hi\"\r\n"));
    QCOMPARE(QDir::currentPath(), QDir(folder.path()).absolutePath());
}

void TestFileFormats::addressableDecisionRecord()
{
    TestFolder folder(false);
    folder.write("Decide1.Fil", QByteArray(512, 'x'));
    const AddressableDecision decision{AddressableDecision::AlternativeMeasure,
                                       QString::fromUtf8("Caf\u00e9 door lock"), "Renata", QDate(2026, 12, 7),
                                       QDate(2027, 12, 7)};
    QVERIFY(AddressableDecisions::write(2, decision));
    const QByteArray bytes = folder.read("Decide1.Fil");
    QCOMPARE(bytes.size(), 3 * 512);
    QCOMPARE(bytes.left(512), QByteArray(512, 'x')); // the first record stays as it was
    const QByteArray record = bytes.mid(1024);
    QCOMPARE(record.left(17), QByteArray("22026120720271207"));
    QCOMPARE(record.mid(17, 8), raw("\x06\0Renata"));
    QCOMPARE(record.mid(59, 16), raw("\x0e\0Caf\xe9 door lock"));
    QCOMPARE(record.mid(75), QByteArray(512 - 75, '\0'));
    const AddressableDecision back = AddressableDecisions::read(2);
    QCOMPARE(back.explanation, decision.explanation);
    QCOMPARE(back.decidedBy, decision.decidedBy);
    QCOMPARE(back.nextReview, decision.nextReview);
    QCOMPARE(AddressableDecisions::read(1).choice, AddressableDecision::Undecided);
    QCOMPARE(AddressableDecisions::read(40).choice, AddressableDecision::Undecided);
}

void TestFileFormats::damagedDecisionRecords_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("decidedBy");
    QByteArray longName = QByteArray("1") + QByteArray(16, ' ') + raw("\xff\xff") + QByteArray(40, 'A');
    longName.append(QByteArray(512 - longName.size(), 'B'));
    QTest::newRow("length past its field") << longName << 1 << QString(40, 'A');
    QTest::newRow("not a choice") << QByteArray(512, '7') << 0 << QString();
    QTest::newRow("cut short") << QByteArray("3") << 0 << QString();
}

void TestFileFormats::damagedDecisionRecords()
{
    QFETCH(QByteArray, record);
    const AddressableDecision decision = AddressableDecisions::decode(record);
    QTEST(int(decision.choice), "choice");
    QTEST(decision.decidedBy, "decidedBy");
    QVERIFY(!decision.decided.isValid());
}

QTEST_GUILESS_MAIN(TestFileFormats)
#include "tst_fileformats.moc"

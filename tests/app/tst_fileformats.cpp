// Record files, quoted-field files, the code page and number text, against bytes on disk.
#include "TestFolder.h"

#include "base/CodePage.h"
#include "base/DataFolder.h"
#include "base/NumberText.h"
#include "base/QuotedFieldFile.h"
#include "base/RecordFile.h"

#include <QtTest>

class TestFileFormats : public QObject
{
    Q_OBJECT
private slots:
    void codePageCoversEveryByte();
    void codePageReplacesUnknownCharacters();
    void numberTextHasSignBlank();
    void textRecordLayout();
    void textRecordKeepsRestOfRecord();
    void writePastEndExtendsWithZeros();
    void wholeTextLeavesNoTail();
    void taggedValues();
    void brokenRecordsReadAsEmpty_data();
    void brokenRecordsReadAsEmpty();
    void quotedFieldsRoundTrip();
    void quotedFieldsSplitAtCommasAndLineEnds();
    void dataFolderIgnoresLetterCase();
};

void TestFileFormats::codePageCoversEveryByte()
{
    for (int b = 0; b < 256; ++b) {
        const QChar ch = CodePage::toUnicode(static_cast<unsigned char>(b));
        unsigned char back = 0;
        QVERIFY2(CodePage::fromUnicode(ch, &back), qPrintable(QString::number(b)));
        QCOMPARE(int(back), b);
    }
    QCOMPARE(CodePage::toUnicode(0x80), QChar(0x20AC));
    QCOMPARE(CodePage::toUnicode(0x93), QChar(0x201C));
    QCOMPARE(CodePage::toUnicode(0x9F), QChar(0x0178));
    QCOMPARE(CodePage::toUnicode(0xE9), QChar(0x00E9));
}

void TestFileFormats::codePageReplacesUnknownCharacters()
{
    QCOMPARE(CodePage::fromUnicode(QStringLiteral("a\u20ACb\u4E2D\u2014")), QByteArray("a\x80"
                                                                                       "b?\x97"));
}

void TestFileFormats::numberTextHasSignBlank()
{
    QCOMPARE(numberText(3), QStringLiteral(" 3"));
    QCOMPARE(numberText(0), QStringLiteral(" 0"));
    QCOMPARE(numberText(-12), QStringLiteral("-12"));
}

void TestFileFormats::textRecordLayout()
{
    TestFolder folder(false);
    RecordFile file(QStringLiteral("GColor3.Fil"), 20);
    QVERIFY(file.writeText(35, QStringLiteral("Yes")));
    const QByteArray bytes = folder.read(QStringLiteral("GColor3.Fil"));
    QCOMPARE(bytes.size(), 700);
    QCOMPARE(bytes.mid(680, 5), QByteArray("\x03\x00Yes", 5));
    QCOMPARE(bytes.left(680), QByteArray(680, '\0'));
    QCOMPARE(file.readText(35), QStringLiteral("Yes"));
    QCOMPARE(file.readText(34), QString());
    QCOMPARE(file.readText(99), QString());
}

void TestFileFormats::textRecordKeepsRestOfRecord()
{
    TestFolder folder(false);
    QByteArray original(60, 'x');
    folder.write(QStringLiteral("Stat1.Fil"), original);
    RecordFile file(QStringLiteral("Stat1.Fil"), 20);
    QVERIFY(file.writeText(2, QString::fromUtf8("Caf\u00E9")));
    QByteArray expected = original;
    expected.replace(20, 6,
                     QByteArray("\x04\x00"
                                "Caf\xE9",
                                6));
    QCOMPARE(folder.read(QStringLiteral("Stat1.Fil")), expected);
}

void TestFileFormats::writePastEndExtendsWithZeros()
{
    TestFolder folder(false);
    folder.write(QStringLiteral("RAList.Fil"), QByteArray(7, 'z'));
    RecordFile file(QStringLiteral("RAList.Fil"), 20);
    QVERIFY(file.writeText(3, QStringLiteral("A")));
    QByteArray expected = QByteArray(7, 'z') + QByteArray(33, '\0') +
                          QByteArray("\x01\x00"
                                     "A",
                                     3) +
                          QByteArray(17, '\0');
    QCOMPARE(folder.read(QStringLiteral("RAList.Fil")), expected);
}

void TestFileFormats::wholeTextLeavesNoTail()
{
    TestFolder folder(false);
    RecordFile file(QStringLiteral("Stat1.Fil"), 20);
    QVERIFY(file.writeWholeText(2, QStringLiteral("Not Implemented")));
    QVERIFY(file.writeWholeText(2, QStringLiteral("Yes")));
    QCOMPARE(folder.read(QStringLiteral("Stat1.Fil")),
             QByteArray(20, '\0') + QByteArray("\x03\x00Yes", 5) + QByteArray(15, '\0'));
}

void TestFileFormats::taggedValues()
{
    TestFolder folder(false);
    RecordFile file(QStringLiteral("HINV3.Fil"), 10);
    QVERIFY(file.writeTagged(3, std::int32_t(16711680)));
    QCOMPARE(folder.read(QStringLiteral("HINV3.Fil")).mid(20, 6), QByteArray("\x03\x00\x00\x00\xFF\x00", 6));
    QCOMPARE(std::get<std::int32_t>(file.readTagged(3)), 16711680);
    QVERIFY(file.writeTagged(3, QStringLiteral("Def")));
    QCOMPARE(folder.read(QStringLiteral("HINV3.Fil")).mid(20, 7), QByteArray("\x08\x00\x03\x00"
                                                                             "Def",
                                                                             7));
    QCOMPARE(std::get<QString>(file.readTagged(3)), QStringLiteral("Def"));
    QVERIFY(std::holds_alternative<std::monostate>(file.readTagged(1)));
}

void TestFileFormats::brokenRecordsReadAsEmpty_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("seven bytes") << QByteArray("\x03\x00Yes\x00\x00", 7) << QString();
    QTest::newRow("huge length") << (QByteArray(680, '\0') + QByteArray("\x60\xEA"
                                                                        "Yes",
                                                                        5))
                                 << QStringLiteral("Yes");
    QTest::newRow("cut inside record") << (QByteArray(680, '\0') + QByteArray("\x03\x00Y", 3)) << QStringLiteral("Y");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestFileFormats::brokenRecordsReadAsEmpty()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    TestFolder folder(false);
    folder.write(QStringLiteral("GColor3.Fil"), bytes);
    RecordFile file(QStringLiteral("GColor3.Fil"), 20);
    // A length field past the record never reads beyond the record.
    QVERIFY(file.readText(35).startsWith(text));
    QVERIFY(file.readText(35).size() <= 18);
}

void TestFileFormats::quotedFieldsRoundTrip()
{
    TestFolder folder(false);
    const QStringList fields = {QStringLiteral("Item"), QString(), QString::fromUtf8("Caf\u00E9, \"quoted\"")};
    QVERIFY(QuotedFieldFile::write(QStringLiteral("TODONAME.FIL"), fields));
    QCOMPARE(folder.read(QStringLiteral("TODONAME.FIL")), QByteArray("\"Item\"\r\n\"\"\r\n\"Caf\xE9, quoted\"\r\n"));
    QStringList back;
    QVERIFY(QuotedFieldFile::read(QStringLiteral("todoname.fil"), &back));
    QCOMPARE(back, (QStringList{QStringLiteral("Item"), QString(), QString::fromUtf8("Caf\u00E9, quoted")}));
}

void TestFileFormats::quotedFieldsSplitAtCommasAndLineEnds()
{
    QCOMPARE(QuotedFieldFile::parse("\"a\",\"b\"\r\n\"c\"\r\n"), (QStringList{"a", "b", "c"}));
    QCOMPARE(QuotedFieldFile::parse("plain,\"x,y\"\n"), (QStringList{"plain", "x,y"}));
    QCOMPARE(QuotedFieldFile::parse("\"a\",,\"c\"\r\n"), (QStringList{"a", "", "c"}));
    QCOMPARE(QuotedFieldFile::parse("\"unterminated"), (QStringList{"unterminated"}));
    QVERIFY(QuotedFieldFile::parse("").isEmpty());
    QStringList missing;
    TestFolder folder(false);
    QVERIFY(!QuotedFieldFile::read(QStringLiteral("TODOActv.FIL"), &missing));
}

void TestFileFormats::dataFolderIgnoresLetterCase()
{
    TestFolder folder(false);
    folder.write(QStringLiteral("STAT1.FIL"), "x");
    QCOMPARE(DataFolder::path(QStringLiteral("Stat1.Fil")), folder.filePath(QStringLiteral("STAT1.FIL")));
    QVERIFY(DataFolder::exists(QStringLiteral("stat1.fil")));
    QCOMPARE(DataFolder::path(QStringLiteral("Action0.Fil")), folder.filePath(QStringLiteral("Action0.Fil")));
    QCOMPARE(QDir::currentPath(), QDir(folder.path()).absolutePath());
}

QTEST_GUILESS_MAIN(TestFileFormats)
#include "tst_fileformats.moc"

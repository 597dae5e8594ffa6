// The RTF reader: the constructs it understands, RTF from other writers, and damaged input.
#include "DocumentDigest.h"

#include "richtext/RtfReader.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void rejectsWhatIsNotRtf();
    void text_data();
    void text();
    void characterFormats_data();
    void characterFormats();
    void paragraphFormatting();
    void picturesBecomeImages();
    void tables();
    void lists();
    void foreignWriters_data();
    void foreignWriters();
    void damagedFilesAreSaidToBe_data();
    void damagedFilesAreSaidToBe();
    void brokenFilesNeverCrash_data();
    void brokenFilesNeverCrash();
    void deepNestingIsBounded();
};

namespace {

QString plain(const QByteArray& rtf)
{
    QTextDocument document;
    if (!RtfReader::read(rtf, &document))
        return QStringLiteral("not read as RTF");
    return document.toRawText();
}

// The document's paragraphs as DocumentDigest describes them, without the character formats
// and without the paragraph format when it is the default one.
QStringList layout(const QByteArray& rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, &document);
    QStringList lines = DocumentDigest::describe(document);
    for (QString& line : lines) {
        line.remove(QRegularExpression(QStringLiteral(" \\[[^]]*\\]")));
        line = line.remove(QRegularExpression(QStringLiteral("left li=0 ri=0 fi=0 sb=0 sa=0 \\| ?"))).trimmed();
    }
    return lines;
}

QByteArray pngHex(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toHex();
}

QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(TESSALY_TEST_DATA "/rtf/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestRtfReader::rejectsWhatIsNotRtf()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("kept"));
    QString error;
    QVERIFY(!RtfReader::read("plain text", &document, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!RtfReader::read("", &document));
    QVERIFY(!RtfReader::read("\\ 12", &document));
    // A piece of RTF without its head, as programs copy it, is read as RTF.
    QVERIFY(RtfReader::read("\\pard Only a {\\b fragment}.\\par", &document));
    QCOMPARE(document.toPlainText(), QStringLiteral("Only a fragment."));
    document.setPlainText(QStringLiteral("kept"));
    QCOMPARE(document.toPlainText(), QStringLiteral("kept"));
}

// The text read from RTF: special characters, code pages, Unicode with its fallbacks, what is
// skipped, and paragraph ends; the cases are in the test data.
void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QFile file(QStringLiteral(TESSALY_TEST_DATA "/rtf/reader-text.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.startsWith('#') || fields.size() != 3)
            continue;
        QString text;
        for (qsizetype i = 0; i < fields[2].size(); ++i) {
            const char c = fields[2][i];
            if (c == '\\' && fields[2].mid(i + 1, 1) == "u") {
                text += QChar(fields[2].mid(i + 2, 4).toUShort(nullptr, 16));
                i += 5;
            } else if (c == '\\') {
                text += fields[2][++i] == 't' ? QLatin1Char('\t') : QLatin1Char(fields[2][i]);
            } else {
                text += QLatin1Char(c);
            }
        }
        QTest::newRow(fields[0].constData()) << fields[1] << text;
    }
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QTEST(plain(rtf), "text");
}

// Character formats as DocumentDigest describes them: every underline kind is an underline,
// \ulnone and \ul0 end it, \plain resets every character format, and a HYPERLINK field
// becomes a link over its result.
void TestRtfReader::characterFormats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("digest");
    QTest::newRow("each format")
        << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}}"
                      "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                      "plain {\\b bold} {\\i italic} {\\strike struck} {\\f1 times} {\\fs36 big} {\\cf1 red} "
                      "{\\highlight2 marked} {\\cb1 shaded} {\\super up} {\\sub down}{\\b0 notbold}}")
        << "[Arial 12] \"plain \" [Arial 12 b] \"bold\" [Arial 12] \" \" [Arial 12 i] \"italic\" [Arial 12] \" \" "
           "[Arial 12 s] \"struck\" [Arial 12] \" \" [Times New Roman 12] \"times\" [Arial 12] \" \" [Arial 18] "
           "\"big\" "
           "[Arial 12] \" \" [Arial 12 fg=#ff0000] \"red\" [Arial 12] \" \" [Arial 12 bg=#0000ff] \"marked\" [Arial "
           "12] "
           "\" \" [Arial 12 bg=#ff0000] \"shaded\" [Arial 12] \" \" [Arial 12 super] \"up\" [Arial 12] \" \" "
           "[Arial 12 sub] \"down\" [Arial 12] \"notbold\"";
    QTest::newRow("underlines and plain")
        << QByteArray("{\\rtf1\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\ul a}{\\uld b}"
                      "{\\uldb c}{\\ulw d}{\\ulwave e}{\\ulth f}{\\ul\\ulnone g}{\\ul\\ul0 h}"
                      "\\b\\i\\ul\\strike\\fs40\\cf1\\super x\\plain y\\b z}")
        << "[Arial 12 u] \"abcdef\" [Arial 12] \"gh\" [Arial 20 b i u s fg=#010203 super] \"x\" [Arial 12] \"y\" "
           "[Arial 12 b] \"z\"";
    QTest::newRow("hyperlink")
        << QByteArray("{\\rtf1\\deff0{\\fonttbl{\\f0 Arial;}}see {\\field{\\*\\fldinst{HYPERLINK "
                      "\"https://www.hhs.gov/hipaa\"}}{\\fldrslt{HHS}}} now}")
        << "[Arial 12] \"see \" [Arial 12 href=https://www.hhs.gov/hipaa] \"HHS\" [Arial 12] \" now\"";
}

void TestRtfReader::characterFormats()
{
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    QVERIFY(RtfReader::read(rtf, &document));
    QTEST(DocumentDigest::describe(document).join(QLatin1Char('\n')).section(QStringLiteral("| "), 1), "digest");
}

// Paragraph formats, and a last paragraph that ends without \par keeps its own.
void TestRtfReader::paragraphFormatting()
{
    QCOMPARE(layout("{\\rtf1 one\\par\\qc two}"),
             (QStringList{"\"one\"", "center li=0 ri=0 fi=0 sb=0 sa=0 | \"two\""}));
    QCOMPARE(layout("{\\rtf1 \\pard\\qc centred\\par \\pard\\qr right\\par \\qj\\li1440\\ri720\\fi-360\\sb240\\sa120 "
                    "justified\\par\\pard left\\line second\\tab tab\\par}"),
             (QStringList{"center li=0 ri=0 fi=0 sb=0 sa=0 | \"centred\"", "right li=0 ri=0 fi=0 sb=0 sa=0 | \"right\"",
                          "justify li=96 ri=48 fi=-24 sb=16 sa=8 | \"justified\"",
                          QStringLiteral("\"left\u2028second\ttab\"")}));
}

void TestRtfReader::picturesBecomeImages()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QTextDocument document;
    QVERIFY(RtfReader::read("{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picw4\\pich3\\picwgoal120\\pichgoal90 " +
                                pngHex(image) +
                                "}}{\\nonshppict{\\pict\\wmetafile8 0100}}b{\\pict\\wmetafile8 01000900}c"
                                "{\\pict\\pngblip\\picscalex200 " +
                                pngHex(image) + "}}",
                            &document));
    QCOMPARE(document.toPlainText(), QStringLiteral("a\uFFFCbc\uFFFC"));
    QTextCursor cursor(&document);
    cursor.setPosition(2);
    const QTextImageFormat format = cursor.charFormat().toImageFormat();
    QCOMPARE(format.width(), 8.0);
    QCOMPARE(format.height(), 6.0);
    const QImage stored = document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    QCOMPARE(stored.size(), QSize(4, 3));
    QCOMPARE(stored.pixelColor(1, 1), QColor(Qt::red));
    cursor.setPosition(5);
    QCOMPARE(cursor.charFormat().toImageFormat().width(), 8.0);
}

void TestRtfReader::tables()
{
    QCOMPARE(layout("{\\rtf1 \\trowd\\cellx1440\\cellx4320 \\pard\\intbl A1\\cell A2\\par second\\cell\\row"
                    "\\trowd\\cellx1440\\cellx4320\\cellx6000 \\pard\\intbl B1\\cell\\cell B3\\cell\\row\\pard}"),
             (QStringList{"", "cell 0,0 of 2x3: \"A1\"", "cell 0,1 of 2x3: \"A2\"", "cell 0,1 of 2x3: \"second\"",
                          "cell 0,2 of 2x3:", "cell 1,0 of 2x3: \"B1\"", "cell 1,1 of 2x3:", "cell 1,2 of 2x3: \"B3\"",
                          ""}));
    // A nested table's cells and rows become tabs and line breaks in the outer cell.
    QCOMPARE(layout("{\\rtf1 before\\par\\trowd\\cellx2000\\pard\\intbl x\\nestcell y\\nestrow\\cell\\row"
                    "\\pard after\\par}"),
             (QStringList{"\"before\"", QStringLiteral("cell 0,0 of 1x1: \"x\ty\u2028\""), "\"after\""}));
    // Merged cells: across by \\clmgf/\\clmrg or by one wide cell, down by \\clvmgf/\\clvmrg, and a
    // heading row over columns that only the next row has.
    QCOMPARE(
        layout("{\\rtf1 \\trowd\\clmgf\\cellx2000\\clmrg\\cellx4000\\cellx6000\\pard\\intbl A\\cell\\cell C\\cell\\row"
               "\\trowd\\clvmgf\\cellx2000\\cellx6000\\pard\\intbl D\\cell E\\cell\\row"
               "\\trowd\\clvmrg\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl\\cell F\\cell G\\cell\\row\\pard}"),
        (QStringList{"", "cell 0,0 of 3x3 span 1x2: \"A\"", "cell 0,2 of 3x3: \"C\"", "cell 1,0 of 3x3 span 2x1: \"D\"",
                     "cell 1,1 of 3x3 span 1x2: \"E\"", "cell 2,1 of 3x3: \"F\"", "cell 2,2 of 3x3: \"G\"", ""}));
    QCOMPARE(layout("{\\rtf1 \\trowd\\cellx6000\\pard\\intbl Title\\cell\\row"
                    "\\trowd\\cellx3000\\cellx6010\\pard\\intbl A\\cell B\\cell\\row\\pard}"),
             (QStringList{"", "cell 0,0 of 2x2 span 1x2: \"Title\"", "cell 1,0 of 2x2: \"A\"", "cell 1,1 of 2x2: \"B\"",
                          ""}));
    // The row words of a nested table leave the outer row alone; its fallback text is not shown.
    QCOMPARE(
        layout("{\\rtf1 \\trowd\\cellx2000\\cellx4000\\pard\\intbl\\itap2 x\\nestcell y\\nestcell{\\*\\nesttableprops"
               "\\trowd\\cellx500\\cellx900\\cellx1300\\nestrow}{\\nonesttables x y\\par}\\pard\\intbl\\cell "
               "z\\cell\\row\\pard}"),
        (QStringList{"", QStringLiteral("cell 0,0 of 1x2: \"x\ty\t\u2028\""), "cell 0,1 of 1x2: \"z\"", ""}));

    QTextDocument document;
    QVERIFY(RtfReader::read("{\\rtf1 \\trowd\\cellx1440\\cellx4320 \\pard\\intbl A1\\cell\\row}", &document));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::NextBlock);
    QVERIFY(cursor.currentTable());
    const QList<QTextLength> widths = cursor.currentTable()->format().columnWidthConstraints();
    QCOMPARE(widths.value(0).rawValue(), 96.0);
    QCOMPARE(widths.value(1).rawValue(), 192.0);
}

// Lists as word processors write them: the mark as \\listtext before the item's \\pard, a nested
// level whose numbering starts again under each outer item, and a list the file does not define.
// An item's indent beyond the list's own (40 pixels a level, 600 twips) is its margin.
void TestRtfReader::lists()
{
    const QByteArray tables =
        "{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}"
        "{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01);}}\\listid7}"
        "{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}}\\listid9}}"
        "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}{\\listoverride\\listid9\\ls2}}";
    QCOMPARE(layout("{\\rtf1 " + tables +
                    "{\\listtext 1.\\tab}\\pard\\ls1\\li600\\fi-360 one\\par"
                    "{\\listtext a)\\tab}\\pard\\ls1\\ilvl1\\li1440\\fi-360 sub\\par"
                    "{\\listtext 2.\\tab}\\pard\\ls1\\li600\\fi-360 two\\par"
                    "{\\listtext a)\\tab}\\pard\\ls1\\ilvl1\\li1200\\fi-360 again\\par"
                    "\\pard\\ls2\\li600\\fi-360{\\listtext\\'b7\\tab}bullet\\par"
                    "\\pard\\ls5{\\listtext 9.\\tab}unknown\\par"
                    "\\pard\\ls1\\li600{\\*\\pn\\pnlvlbody\\pndec}three\\par}"),
             (QStringList{"list 4/1 #1.: \"one\"", "list 5/2 #a.: left li=16 ri=0 fi=0 sb=0 sa=0 | \"sub\"",
                          "list 4/1 #2.: \"two\"", "list 5/2 #a.: \"again\"", "list 1/1 #.: \"bullet\"",
                          "\"9.\tunknown\"", "list 4/1 #3.: \"three\""}));
}

void TestRtfReader::foreignWriters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("digest");
    QTest::newRow("richedit 2.0") << "foreign-richedit20.rtf"
                                  << QStringList{
                                         "left li=0 ri=0 fi=0 sb=0 sa=13 | [Calibri 11] \"Plain \" [Calibri 11 b] "
                                         "\"bold\" [Calibri 11] \" \" [Calibri 11 i] \"italic\" [Calibri 11] \" \" "
                                         "[Calibri 11 u] \"under\" [Calibri 11] \" \" [Calibri 11 s] \"gone\" "
                                         "[Calibri 11] \" \" [Calibri 11 fg=#ff0000] \"red\"",
                                         "center li=0 ri=0 fi=0 sb=0 sa=13 | [Times New Roman 14] \"Centered big\"",
                                         QStringLiteral("right li=0 ri=0 fi=0 sb=0 sa=13 | [Calibri 11] "
                                                        "\"Right side caf\u00E9 \u20AC\"")};
    QTest::newRow("richedit 1.0") << "foreign-richedit10.rtf"
                                  << QStringList{
                                         "left li=0 ri=0 fi=0 sb=0 sa=0 | [MS Sans Serif 8.5] \"Policy owner: \" "
                                         "[MS Sans Serif 8.5 b] \"Office Manager\"",
                                         "center li=0 ri=0 fi=0 sb=0 sa=0 | [Times New Roman 12 i fg=#0000ff] "
                                         "\"Reviewed yearly\""};
}

void TestRtfReader::foreignWriters()
{
    QFETCH(QString, name);
    QTextDocument document;
    QVERIFY(RtfReader::read(fixture(name), &document));
    QTEST(DocumentDigest::describe(document), "digest");
}

void TestRtfReader::damagedFilesAreSaidToBe_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("damaged");
    const QByteArray picture = QByteArray(300, 'a').replace(0, 8, "89504e47") + "\r\n" + QByteArray(200, '0');
    QTest::newRow("whole") << QByteArray("{\\rtf1 Kept.\\par}") << "Kept." << false;
    QTest::newRow("cut off") << QByteArray("{\\rtf1 {\\b Kept") << "Kept" << true;
    // A picture whose \\pict word was damaged: its data would be pages of digits.
    QTest::newRow("picture data loose") << "{\\rtf1 Before {\\pixt\\pngblip\r\n" + picture + "} after.\\par}"
                                        << "Before  after." << true;
    QTest::newRow("fingerprint") << QByteArray("{\\rtf1 Key 0123456789abcdef0123456789abcdef ok\\par}")
                                 << "Key 0123456789abcdef0123456789abcdef ok" << false;
}

void TestRtfReader::damagedFilesAreSaidToBe()
{
    QFETCH(QByteArray, rtf);
    QFETCH(bool, damaged);
    QTextDocument document;
    bool said = !damaged;
    QVERIFY(RtfReader::read(rtf, &document, nullptr, &said));
    QTEST(document.toPlainText(), "text");
    QCOMPARE(said, damaged);
}

void TestRtfReader::brokenFilesNeverCrash_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const QStringList names = QDir(QStringLiteral(TESSALY_TEST_DATA "/rtf"))
                                  .entryList({QStringLiteral("broken-*.rtf")}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 10);
    // What a reader should still make of a damaged file.
    const QHash<QString, QString> expected = {
        {QStringLiteral("broken-truncated.rtf"), QStringLiteral("Bold text that stops in the mid")},
        {QStringLiteral("broken-extra-close.rtf"), QString()},
        {QStringLiteral("broken-bin-past-end.rtf"), QStringLiteral("before ")},
        {QStringLiteral("broken-header-only.rtf"), QString()},
    };
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name << expected.value(name, QStringLiteral("*"));
}

void TestRtfReader::brokenFilesNeverCrash()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QByteArray rtf = fixture(name);
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(RtfReader::read(rtf, &document));
    QVERIFY(timer.elapsed() < 2000);
    if (expected != QLatin1String("*"))
        QCOMPARE(document.toPlainText(), expected);
    // Every prefix of the file is a truncated file too.
    for (qsizetype length = 5; length < rtf.size(); ++length)
        RtfReader::read(rtf.left(length), &document);
}

void TestRtfReader::deepNestingIsBounded()
{
    const QByteArray deep = "{\\rtf1 start" + QByteArray(100000, '{') + "\\b deep" + QByteArray(100000, '}') + " end}";
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(RtfReader::read(deep, &document));
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(document.toPlainText(), QStringLiteral("startdeep end"));
    QCOMPARE(plain("{\\rtf1 " + QByteArray(100000, '{') + "text"), QStringLiteral("text"));
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"

// The RTF tokenizer and reader: every construct it understands, and damaged input.
#include "DocumentDigest.h"

#include "richtext/RtfReader.h"
#include "richtext/RtfTokenizer.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void tokenizerSplitsTokens();
    void tokenizerSkipsBinaryAndClampsNumbers();
    void rejectsWhatIsNotRtf();
    void characterFormatting();
    void underlineVariants();
    void plainResetsCharacterFormatting();
    void paragraphFormatting();
    void lastParagraphNeedsNoPar();
    void specialCharacters();
    void codePages();
    void unicodeWithFallbacks();
    void skipsDestinations();
    void picturesBecomeImages();
    void tables();
    void tableBetweenParagraphs();
    void listTextIsVisible();
    void hyperlinkField();
    void brokenFilesNeverCrash_data();
    void brokenFilesNeverCrash();
    void deepNestingIsBounded();
    void randomMutationsNeverCrash();
};

namespace {

QTextDocument* readDocument(const QByteArray& rtf, QTextDocument* document)
{
    const bool ok = RtfReader::read(rtf, document);
    if (!ok)
        qWarning("not read as RTF");
    return document;
}

QString plain(const QByteArray& rtf)
{
    QTextDocument document;
    readDocument(rtf, &document);
    return document.toPlainText();
}

// The character format of the first character of the first occurrence of text.
QTextCharFormat formatOf(QTextDocument& document, const QString& text)
{
    QTextCursor found = document.find(text, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return QTextCharFormat();
    QTextCursor at(&document);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

QByteArray pngHex(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toHex();
}

} // namespace

void TestRtfReader::tokenizerSplitsTokens()
{
    const QByteArray rtf = "{\\rtf1\\b0 Hi\\'e9\\*\\u-3 x\\~\\\\}";
    RtfTokenizer tokenizer(rtf);
    using T = RtfTokenizer::Type;
    RtfTokenizer::Token t = tokenizer.next();
    QCOMPARE(t.type, T::GroupStart);
    t = tokenizer.next();
    QCOMPARE(t.type, T::ControlWord);
    QCOMPARE(QByteArray(t.text.data(), qsizetype(t.text.size())), QByteArray("rtf"));
    QVERIFY(t.hasParameter);
    QCOMPARE(t.parameter, 1);
    t = tokenizer.next();
    QCOMPARE(QByteArray(t.text.data(), qsizetype(t.text.size())), QByteArray("b"));
    QCOMPARE(t.parameter, 0);
    t = tokenizer.next();
    QCOMPARE(t.type, T::Text);
    QCOMPARE(QByteArray(t.text.data(), qsizetype(t.text.size())), QByteArray("Hi"));
    t = tokenizer.next();
    QCOMPARE(t.type, T::HexByte);
    QCOMPARE(int(t.symbol), 0xE9);
    t = tokenizer.next();
    QCOMPARE(t.type, T::ControlSymbol);
    QCOMPARE(t.symbol, '*');
    t = tokenizer.next();
    QCOMPARE(t.type, T::ControlWord);
    QCOMPARE(t.parameter, -3);
    t = tokenizer.next();
    QCOMPARE(QByteArray(t.text.data(), qsizetype(t.text.size())), QByteArray("x"));
    t = tokenizer.next();
    QCOMPARE(t.type, T::ControlSymbol);
    QCOMPARE(t.symbol, '~');
    t = tokenizer.next();
    QCOMPARE(t.type, T::Text);
    QCOMPARE(QByteArray(t.text.data(), qsizetype(t.text.size())), QByteArray("\\"));
    QCOMPARE(tokenizer.next().type, T::GroupEnd);
    QCOMPARE(tokenizer.next().type, T::End);
    QCOMPARE(tokenizer.next().type, T::End);
}

void TestRtfReader::tokenizerSkipsBinaryAndClampsNumbers()
{
    const QByteArray rtf = "\\bin3 {}}\\x\\fs99999999999999999999 \\li-99999999999 ";
    RtfTokenizer tokenizer(rtf);
    using T = RtfTokenizer::Type;
    QCOMPARE(tokenizer.next().type, T::Binary);
    RtfTokenizer::Token t = tokenizer.next();
    QCOMPARE(t.type, T::ControlWord);
    QCOMPARE(QByteArray(t.text.data(), qsizetype(t.text.size())), QByteArray("x"));
    t = tokenizer.next();
    QCOMPARE(t.parameter, RtfTokenizer::kParameterLimit);
    t = tokenizer.next();
    QCOMPARE(t.parameter, -RtfTokenizer::kParameterLimit);
    QCOMPARE(tokenizer.next().type, T::End);

    const QByteArray binaryPastEnd("\\bin999 abc");
    RtfTokenizer pastEnd(binaryPastEnd);
    QCOMPARE(pastEnd.next().type, T::Binary);
    QCOMPARE(pastEnd.next().type, T::End);
}

void TestRtfReader::rejectsWhatIsNotRtf()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("kept"));
    QString error;
    QVERIFY(!RtfReader::read("plain text", &document, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!RtfReader::read("", &document));
    QVERIFY(!RtfReader::read("{\\rt", &document));
    QCOMPARE(document.toPlainText(), QStringLiteral("kept"));
    QVERIFY(RtfReader::read("{\\rtf1 new}", &document));
    QCOMPARE(document.toPlainText(), QStringLiteral("new"));
}

void TestRtfReader::characterFormatting()
{
    QTextDocument document;
    readDocument("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}}"
                 "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                 "plain {\\b bold} {\\i italic} {\\strike struck} {\\f1 times} {\\fs36 big} {\\cf1 red} "
                 "{\\highlight2 marked} {\\cb1 shaded} {\\super up} {\\sub down}{\\b0 notbold}}",
                 &document);
    QCOMPARE(document.toPlainText(),
             QStringLiteral("plain bold italic struck times big red marked shaded up downnotbold"));
    QTextCharFormat f = formatOf(document, "plain");
    QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
    QCOMPARE(f.fontPointSize(), 12.0);
    QCOMPARE(f.fontWeight(), int(QFont::Normal));
    QVERIFY(!f.fontItalic());
    QCOMPARE(formatOf(document, "bold").fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(document, "italic").fontItalic());
    QVERIFY(formatOf(document, "struck").fontStrikeOut());
    QCOMPARE(formatOf(document, "times").fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
    QCOMPARE(formatOf(document, "big").fontPointSize(), 18.0);
    QCOMPARE(formatOf(document, "red").foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(document, "marked").background().color(), QColor(0, 0, 255));
    QCOMPARE(formatOf(document, "shaded").background().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(document, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(document, "down").verticalAlignment(), QTextCharFormat::AlignSubScript);
    QCOMPARE(formatOf(document, "notbold").fontWeight(), int(QFont::Normal));
    QCOMPARE(formatOf(document, "plain").foreground().style(), Qt::NoBrush);
}

void TestRtfReader::underlineVariants()
{
    QTextDocument document;
    readDocument("{\\rtf1 {\\ul a}{\\uld b}{\\uldb c}{\\ulw d}{\\ulwave e}{\\ulth f}{\\ul\\ulnone g}{\\ul\\ul0 h}}",
                 &document);
    for (const char* underlined : {"a", "b", "c", "d", "e", "f"})
        QVERIFY2(formatOf(document, underlined).fontUnderline(), underlined);
    QVERIFY(!formatOf(document, "g").fontUnderline());
    QVERIFY(!formatOf(document, "h").fontUnderline());
}

void TestRtfReader::plainResetsCharacterFormatting()
{
    QTextDocument document;
    readDocument("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\b\\i\\ul\\strike\\fs40\\cf1\\super x\\plain y"
                 "\\b z\\nosupersub}",
                 &document);
    const QTextCharFormat x = formatOf(document, "x");
    QVERIFY(x.fontItalic() && x.fontUnderline() && x.fontStrikeOut());
    const QTextCharFormat y = formatOf(document, "y");
    QCOMPARE(y.fontWeight(), int(QFont::Normal));
    QVERIFY(!y.fontItalic() && !y.fontUnderline() && !y.fontStrikeOut());
    QCOMPARE(y.fontPointSize(), 12.0);
    QCOMPARE(y.foreground().style(), Qt::NoBrush);
    QCOMPARE(y.verticalAlignment(), QTextCharFormat::AlignNormal);
    QCOMPARE(formatOf(document, "z").fontWeight(), int(QFont::Bold));
}

void TestRtfReader::paragraphFormatting()
{
    QTextDocument document;
    readDocument("{\\rtf1 \\pard\\qc centred\\par \\pard\\qr right\\par \\qj\\li1440\\ri720\\fi-360\\sb240\\sa120 "
                 "justified\\par\\pard left\\line second\\tab tab\\par}",
                 &document);
    QCOMPARE(document.blockCount(), 4);
    QTextBlock block = document.begin();
    QCOMPARE(block.text(), QStringLiteral("centred"));
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignHCenter);
    block = block.next();
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignRight);
    block = block.next();
    const QTextBlockFormat j = block.blockFormat();
    QCOMPARE(j.alignment(), Qt::AlignJustify);
    QCOMPARE(j.leftMargin(), 96.0);
    QCOMPARE(j.rightMargin(), 48.0);
    QCOMPARE(j.textIndent(), -24.0);
    QCOMPARE(j.topMargin(), 16.0);
    QCOMPARE(j.bottomMargin(), 8.0);
    block = block.next();
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(block.blockFormat().leftMargin(), 0.0);
    QCOMPARE(block.text(), QStringLiteral("left") + QChar::LineSeparator + QStringLiteral("second\ttab"));
}

void TestRtfReader::lastParagraphNeedsNoPar()
{
    QTextDocument document;
    readDocument("{\\rtf1 one\\par\\qc two}", &document);
    QCOMPARE(document.blockCount(), 2);
    QCOMPARE(document.lastBlock().blockFormat().alignment(), Qt::AlignHCenter);

    readDocument("{\\rtf1 one\\par two\\par}", &document);
    QCOMPARE(document.blockCount(), 2);
    readDocument("{\\rtf1 one\\par\\par}", &document);
    QCOMPARE(document.blockCount(), 2);
    QCOMPARE(document.toPlainText(), QStringLiteral("one\n"));
    readDocument("{\\rtf1}", &document);
    QCOMPARE(document.blockCount(), 1);
    QVERIFY(document.isEmpty());
}

void TestRtfReader::specialCharacters()
{
    QTextDocument document;
    readDocument("{\\rtf1 a\\~b\\-c\\_d\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote"
                 "\\{\\}\\\\}",
                 &document);
    QCOMPARE(document.toRawText(),
             QString::fromUtf16(u"a\u00A0b\u00ADc\u2011d\u2014\u2013\u2022\u2018\u2019\u201C\u201D{}\\"));
}

void TestRtfReader::codePages()
{
    QCOMPARE(plain("{\\rtf1\\ansi caf\\'e9 \\'80\\'93q\\'94}"), QString::fromUtf16(u"caf\u00E9 \u20AC\u201Cq\u201D"));
    QCOMPARE(plain("{\\rtf1\\ansi\\ansicpg1251 \\'e9\\'f2}"), QString::fromUtf16(u"\u0439\u0442"));
    QCOMPARE(plain("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 Arial CE;}}\\f1 \\'b9\\f0 \\'b9}"),
             QString::fromUtf16(u"\u0105\u00B9"));
    QCOMPARE(plain("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0}"), QString::fromUtf16(u"\u3042"));
    QCOMPARE(plain("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f3\\fcharset2 Symbol;}}{\\f3 \\'b7}}"),
             QString::fromUtf16(u"\u2022"));
    QCOMPARE(plain("{\\rtf1\\ansi raw \xe9}"), QString::fromUtf16(u"raw \u00E9"));
}

void TestRtfReader::unicodeWithFallbacks()
{
    QCOMPARE(plain("{\\rtf1 \\u8364?x}"), QString::fromUtf16(u"\u20ACx"));
    QCOMPARE(plain("{\\rtf1 \\u8364\\'80x}"), QString::fromUtf16(u"\u20ACx"));
    QCOMPARE(plain("{\\rtf1\\uc2 \\u8364\\'80\\'80x}"), QString::fromUtf16(u"\u20ACx"));
    QCOMPARE(plain("{\\rtf1\\uc0 \\u8364 x}"), QString::fromUtf16(u"\u20ACx"));
    QCOMPARE(plain("{\\rtf1 \\u-4064?}"), QString::fromUtf16(u"\uF020"));
    QCOMPARE(plain("{\\rtf1 \\u-10179?\\u-8704?}"), QString::fromUtf16(u"\U0001F600"));
    // The fallback count ends with the group it was set in.
    QCOMPARE(plain("{\\rtf1 {\\uc3 \\u937 ab}cd}"), QString::fromUtf16(u"\u03A9cd"));
}

void TestRtfReader::skipsDestinations()
{
    const QString text = plain("{\\rtf1{\\info{\\title Secret title}{\\author Someone}}{\\stylesheet{\\s0 Normal;}}"
                               "{\\header Page header}{\\footer Page footer}{\\*\\generator Tool;}"
                               "{\\*\\unknowndest hidden}{\\object\\objemb{\\*\\objdata 0105}{\\result r}}"
                               "{\\*\\bkmkstart mark}visible{\\footnote note}\\unknownword text}");
    QCOMPARE(text, QStringLiteral("visibletext"));
}

void TestRtfReader::picturesBecomeImages()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QTextDocument document;
    readDocument("{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picw4\\pich3\\picwgoal120\\pichgoal90 " + pngHex(image) +
                     "}}{\\nonshppict{\\pict\\wmetafile8 0100}}b{\\pict\\wmetafile8 01000900}c"
                     "{\\pict\\pngblip\\picscalex200 " +
                     pngHex(image) + "}}",
                 &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("a") + QChar::ObjectReplacementCharacter + QStringLiteral("bc") +
                                         QChar::ObjectReplacementCharacter);
    const QTextCharFormat first = formatOf(document, "a");
    Q_UNUSED(first);
    QTextCursor cursor(&document);
    cursor.setPosition(2);
    QVERIFY(cursor.charFormat().isImageFormat());
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
    QTextDocument document;
    readDocument("{\\rtf1 \\trowd\\cellx1440\\cellx4320 \\pard\\intbl A1\\cell A2\\par second\\cell\\row"
                 "\\trowd\\cellx1440\\cellx4320\\cellx6000 \\pard\\intbl B1\\cell\\cell B3\\cell\\row\\pard}",
                 &document);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::NextBlock);
    QTextTable* table = cursor.currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 3);
    auto cellText = [table](int r, int c) {
        QTextCursor first = table->cellAt(r, c).firstCursorPosition();
        first.setPosition(table->cellAt(r, c).lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return first.selectedText();
    };
    QCOMPARE(cellText(0, 0), QStringLiteral("A1"));
    QCOMPARE(cellText(0, 1), QStringLiteral("A2") + QChar::ParagraphSeparator + QStringLiteral("second"));
    QCOMPARE(cellText(1, 0), QStringLiteral("B1"));
    QCOMPARE(cellText(1, 1), QString());
    QCOMPARE(cellText(1, 2), QStringLiteral("B3"));
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QVERIFY(widths.size() >= 2);
    QCOMPARE(widths[0].rawValue(), 96.0);
    QCOMPARE(widths[1].rawValue(), 192.0);
}

void TestRtfReader::tableBetweenParagraphs()
{
    QTextDocument document;
    readDocument("{\\rtf1 before\\par\\trowd\\cellx2000\\pard\\intbl x\\nestcell y\\nestrow\\cell\\row"
                 "\\pard after\\par}",
                 &document);
    const QStringList lines = DocumentDigest::describe(document);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith(QStringLiteral("\"before\"")));
    QVERIFY(lines[1].startsWith(QStringLiteral("cell 0,0 of 1x1")));
    QVERIFY(lines[1].endsWith(QStringLiteral("\"x\ty") + QChar::LineSeparator + QStringLiteral("\"")));
    QVERIFY(lines[2].endsWith(QStringLiteral("\"after\"")));
}

void TestRtfReader::listTextIsVisible()
{
    QCOMPARE(plain("{\\rtf1{\\*\\pn\\pnlvlblt{\\pntxtb X}}{\\pntext\\f0 \\bullet\\tab}one\\par"
                   "{\\listtext\\pard\\plain 2.\\tab}two}"),
             QString::fromUtf16(u"\u2022\tone\n2.\ttwo"));
}

void TestRtfReader::hyperlinkField()
{
    QTextDocument document;
    readDocument("{\\rtf1 see {\\field{\\*\\fldinst{HYPERLINK \"https://www.hhs.gov/hipaa\"}}{\\fldrslt{HHS}}} now}",
                 &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("see HHS now"));
    QCOMPARE(formatOf(document, "HHS").anchorHref(), QStringLiteral("https://www.hhs.gov/hipaa"));
    QVERIFY(!formatOf(document, "now").isAnchor());
}

void TestRtfReader::brokenFilesNeverCrash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QDir dir(QStringLiteral(TESSALY_TEST_DATA "/rtf"));
    const QStringList names = dir.entryList({QStringLiteral("broken-*.rtf")}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 10);
    // What a reader should still make of a damaged file.
    const QHash<QString, QString> expected = {
        {QStringLiteral("broken-truncated.rtf"), QStringLiteral("Bold text that stops in the mid")},
        {QStringLiteral("broken-extra-close.rtf"), QString()},
        {QStringLiteral("broken-bin-past-end.rtf"), QStringLiteral("before ")},
        {QStringLiteral("broken-header-only.rtf"), QString()},
    };
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << dir.filePath(name) << expected.value(name, QStringLiteral("*"));
}

void TestRtfReader::brokenFilesNeverCrash()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
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
    QByteArray rtf = "{\\rtf1 start";
    rtf += QByteArray(100000, '{');
    rtf += "\\b deep";
    rtf += QByteArray(100000, '}');
    rtf += " end}";
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(RtfReader::read(rtf, &document));
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(document.toPlainText(), QStringLiteral("startdeep end"));

    QByteArray unclosed = "{\\rtf1 ";
    unclosed += QByteArray(100000, '{');
    unclosed += "text";
    QVERIFY(RtfReader::read(unclosed, &document));
    QCOMPARE(document.toPlainText(), QStringLiteral("text"));
}

void TestRtfReader::randomMutationsNeverCrash()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QByteArray seed = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fcharset238 Times;}}"
                            "{\\colortbl;\\red255\\green0\\blue0;}\\uc1\\pard\\qc\\b Title\\b0\\par"
                            "\\pard\\li720\\fi-360 {\\pntext\\bullet\\tab}\\i item\\i0 \\u8364?\\'e9\\par"
                            "\\trowd\\cellx2000\\cellx4000\\pard\\intbl {\\cf1 a}\\cell b\\cell\\row\\pard"
                            "{\\pict\\pngblip\\picwgoal300 " +
                            pngHex(image) +
                            "}{\\field{\\*\\fldinst{HYPERLINK \"x\"}}{\\fldrslt l}}{\\*\\x y}\\bin2 zz\\line end\\par}";
    const QByteArray alphabet = "{}\\'*;0123456789- abcdefgluqrtxp\r\n";
    QRandomGenerator random(20240611);
    QElapsedTimer timer;
    timer.start();
    int runs = 0;
    for (; runs < 20000 && timer.elapsed() < 25000; ++runs) {
        QByteArray input = seed;
        const int edits = 1 + int(random.bounded(8));
        for (int e = 0; e < edits; ++e) {
            const int at = int(random.bounded(int(input.size())));
            switch (random.bounded(4)) {
            case 0:
                input[at] = alphabet[int(random.bounded(int(alphabet.size())))];
                break;
            case 1:
                input.insert(at, alphabet[int(random.bounded(int(alphabet.size())))]);
                break;
            case 2:
                input.remove(at, 1 + int(random.bounded(20)));
                break;
            default:
                input.insert(at, input.mid(int(random.bounded(int(input.size()))), int(random.bounded(40))));
                break;
            }
        }
        QTextDocument document;
        RtfReader::read(input, &document);
    }
    QVERIFY2(runs >= 2000, qPrintable(QString::number(runs)));
    qInfo("%d mutated inputs read in %lld ms", runs, timer.elapsed());
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"

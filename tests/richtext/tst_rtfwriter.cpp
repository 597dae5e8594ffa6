// The RTF writer: exact bytes for small documents, and round trips through the reader.
#include "DocumentDigest.h"

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QTextTable>
#include <QtTest>

class TestRtfWriter : public QObject
{
    Q_OBJECT
private slots:
    void exactBytesOfSmallDocument();
    void escapesAndCodePage();
    void emptyDocument();
    void everyCharacterFormatRoundTrips_data();
    void everyCharacterFormatRoundTrips();
    void paragraphFormatsRoundTrip();
    void defaultFontIsWrittenOut();
    void acceptanceDocumentRoundTrips();
    void tablesRoundTrip();
    void imagesRoundTrip();
    void hyperlinksRoundTrip();
    void listsBecomeLeadingMarks();
    void markdownHeadingsKeepTheirSize();
    void fragmentIsWritten();
    void randomDocumentsRoundTrip_data();
    void randomDocumentsRoundTrip();
};

namespace {

QStringList roundTrip(const QTextDocument& document, QByteArray* rtfOut = nullptr)
{
    const QByteArray rtf = RtfWriter::write(document);
    if (rtfOut)
        *rtfOut = rtf;
    QTextDocument back;
    back.setDefaultFont(document.defaultFont());
    if (!RtfReader::read(rtf, &back))
        return {QStringLiteral("unreadable")};
    return DocumentDigest::describe(back);
}

QTextDocument* arialDocument(QTextDocument* document)
{
    document->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    return document;
}

} // namespace

void TestRtfWriter::exactBytesOfSmallDocument()
{
    QTextDocument document;
    arialDocument(&document);
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Hi "));
    cursor.insertText(QStringLiteral("there"), bold);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontPointSize(14);
    cursor.insertBlock(centred);
    cursor.insertText(QStringLiteral("Red"), red);
    const QByteArray expected = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
                                "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                                "{\\colortbl;\\red255\\green0\\blue0;}\r\n"
                                "\\viewkind4\r\n"
                                "\\pard\\plain\\f0\\fs20 Hi \\plain\\f0\\fs20\\b there\\par\r\n"
                                "\\pard\\qc\\plain\\f0\\fs28\\cf1 Red\\par\r\n"
                                "}\r\n";
    QCOMPARE(RtfWriter::write(document), expected);
}

void TestRtfWriter::escapesAndCodePage()
{
    QTextDocument document;
    arialDocument(&document);
    document.setPlainText(QString::fromUtf16(u"{a}\\b\tc\u00E9\u20AC\u201C\u0105\u00A0\u00AD\u2011") +
                          QChar::LineSeparator + QString::fromUtf16(u"\U0001F600"));
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains("\\{a\\}\\\\b\\tab c\\'e9\\'80\\'93\\u261?\\~\\-\\_\\line \\u-10179?\\u-8704?\\par"), rtf);
    // Only 7-bit bytes: the file is plain ASCII whatever the text.
    for (char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(back.toRawText(), document.toRawText());
}

void TestRtfWriter::emptyDocument()
{
    QTextDocument document;
    arialDocument(&document);
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.endsWith("\\pard\\plain\\f0\\fs20 \\par\r\n}\r\n"));
    QTextDocument back;
    back.setPlainText(QStringLiteral("old"));
    QVERIFY(RtfReader::read(rtf, &back));
    QVERIFY(back.isEmpty());
    QCOMPARE(back.blockCount(), 1);
}

void TestRtfWriter::everyCharacterFormatRoundTrips_data()
{
    QTest::addColumn<QTextCharFormat>("format");
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    QTest::newRow("bold") << f;
    f = QTextCharFormat();
    f.setFontItalic(true);
    QTest::newRow("italic") << f;
    f = QTextCharFormat();
    f.setFontUnderline(true);
    QTest::newRow("underline") << f;
    f = QTextCharFormat();
    f.setFontStrikeOut(true);
    QTest::newRow("strike") << f;
    f = QTextCharFormat();
    f.setFontFamilies({QStringLiteral("Courier New")});
    QTest::newRow("font") << f;
    f = QTextCharFormat();
    f.setFontPointSize(7.5);
    QTest::newRow("size") << f;
    f = QTextCharFormat();
    f.setForeground(QColor(0x12, 0x34, 0x56));
    QTest::newRow("colour") << f;
    f = QTextCharFormat();
    f.setBackground(QColor(Qt::yellow));
    QTest::newRow("background") << f;
    f = QTextCharFormat();
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    QTest::newRow("superscript") << f;
    f = QTextCharFormat();
    f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    QTest::newRow("subscript") << f;
    f = QTextCharFormat();
    f.setFontWeight(QFont::Bold);
    f.setFontItalic(true);
    f.setFontUnderline(true);
    f.setFontStrikeOut(true);
    f.setFontFamilies({QStringLiteral("Times New Roman")});
    f.setFontPointSize(26);
    f.setForeground(QColor(Qt::darkGreen));
    QTest::newRow("everything") << f;
}

void TestRtfWriter::everyCharacterFormatRoundTrips()
{
    QFETCH(QTextCharFormat, format);
    QTextDocument document;
    arialDocument(&document);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("before "));
    cursor.insertText(QStringLiteral("formatted"), format);
    cursor.insertText(QStringLiteral(" after"), QTextCharFormat());
    const QStringList expected = DocumentDigest::describe(document);
    QCOMPARE(roundTrip(document), expected);
    QCOMPARE(expected.first().count(QLatin1Char('[')), 3);
}

void TestRtfWriter::paragraphFormatsRoundTrip()
{
    QTextDocument document;
    arialDocument(&document);
    QTextCursor cursor(&document);
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    bool first = true;
    int step = 0;
    for (Qt::Alignment alignment : alignments) {
        QTextBlockFormat format;
        format.setAlignment(alignment);
        format.setLeftMargin(12 * step);
        format.setRightMargin(6 * step);
        format.setTextIndent(-8 * step);
        format.setTopMargin(4 * step);
        format.setBottomMargin(2 * step);
        if (first)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        first = false;
        cursor.insertText(QStringLiteral("paragraph %1").arg(step++));
    }
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("after two empty paragraphs"));
    const QStringList expected = DocumentDigest::describe(document);
    QCOMPARE(expected.size(), 6);
    QCOMPARE(roundTrip(document), expected);
}

void TestRtfWriter::defaultFontIsWrittenOut()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Georgia"), 15));
    document.setPlainText(QStringLiteral("text"));
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY(rtf.contains("{\\f0\\fnil\\fcharset0 Georgia;}"));
    QVERIFY(rtf.contains("\\plain\\f0\\fs30 text"));
    // The reader makes everything explicit, so the default font of the reader's document does not matter.
    QTextDocument back;
    back.setDefaultFont(QFont(QStringLiteral("Arial"), 8));
    QVERIFY(RtfReader::read(rtf, &back));
    QTextCursor cursor(&back);
    cursor.setPosition(1);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Georgia"));
    QCOMPARE(cursor.charFormat().fontPointSize(), 15.0);
}

// Bold, italic, underline, strike-through, two fonts, three sizes, a colour, centred and
// right-aligned paragraphs: saved and read again, nothing changes.
void TestRtfWriter::acceptanceDocumentRoundTrips()
{
    QTextDocument document;
    arialDocument(&document);
    QTextCursor cursor(&document);
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    f.setFontPointSize(16);
    cursor.insertText(QStringLiteral("Bold heading"), f);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    cursor.insertBlock(QTextBlockFormat());
    f = QTextCharFormat();
    f.setFontItalic(true);
    cursor.insertText(QStringLiteral("italic "), f);
    f = QTextCharFormat();
    f.setFontUnderline(true);
    cursor.insertText(QStringLiteral("underlined "), f);
    f = QTextCharFormat();
    f.setFontStrikeOut(true);
    cursor.insertText(QStringLiteral("struck "), f);
    f = QTextCharFormat();
    f.setFontFamilies({QStringLiteral("Times New Roman")});
    f.setFontPointSize(8);
    cursor.insertText(QStringLiteral("small times "), f);
    f = QTextCharFormat();
    f.setForeground(QColor(0xC0, 0, 0));
    cursor.insertText(QStringLiteral("red"), f);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    cursor.insertText(QStringLiteral("right aligned"), QTextCharFormat());
    const QStringList expected = DocumentDigest::describe(document);
    QCOMPARE(expected,
             QStringList({QStringLiteral("center li=0 ri=0 fi=0 sb=0 sa=0 | [Arial 16 b] \"Bold heading\""),
                          QStringLiteral("left li=0 ri=0 fi=0 sb=0 sa=0 | [Arial 10 i] \"italic \" [Arial 10 u] "
                                         "\"underlined \" [Arial 10 s] \"struck \" [Times New Roman 8] \"small times \""
                                         " [Arial 10 fg=#c00000] \"red\""),
                          QStringLiteral("right li=0 ri=0 fi=0 sb=0 sa=0 | [Arial 10] \"right aligned\"")}));
    QCOMPARE(roundTrip(document), expected);
}

void TestRtfWriter::tablesRoundTrip()
{
    QTextDocument document;
    arialDocument(&document);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Before"));
    QTextTableFormat tableFormat;
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 100),
                                           QTextLength(QTextLength::FixedLength, 150),
                                           QTextLength(QTextLength::FixedLength, 80)});
    QTextTable* table = cursor.insertTable(3, 3, tableFormat);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            QTextCursor cell = table->cellAt(r, c).firstCursorPosition();
            QTextCharFormat f;
            if (r == 0)
                f.setFontWeight(QFont::Bold);
            cell.insertText(QStringLiteral("r%1c%2").arg(r).arg(c), f);
            if (r == 2 && c == 1) {
                QTextBlockFormat centred;
                centred.setAlignment(Qt::AlignHCenter);
                cell.insertBlock(centred);
                cell.insertText(QStringLiteral("second line"));
            }
        }
    }
    QTextCursor after = table->lastCursorPosition();
    after.movePosition(QTextCursor::NextBlock);
    after.insertText(QStringLiteral("After"));
    // A second table straight after, and a document that ends in a table.
    after.insertBlock();
    QTextTable* second = after.insertTable(1, 2);
    second->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("only right"));

    const QStringList expected = DocumentDigest::describe(document);
    QByteArray rtf;
    QCOMPARE(roundTrip(document, &rtf), expected);
    QVERIFY(rtf.contains("\\trowd\\trgaph108\\trleft0"));
    QVERIFY(rtf.contains("\\cellx1500"));
    QVERIFY(rtf.contains("\\cellx3750"));
    QCOMPARE(rtf.count("\\row"), 4);

    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QTextCursor inBack(&back);
    inBack.movePosition(QTextCursor::NextBlock);
    QVERIFY(inBack.currentTable());
    const QList<QTextLength> widths = inBack.currentTable()->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 3);
    QCOMPARE(widths[1].rawValue(), 150.0);
}

void TestRtfWriter::imagesRoundTrip()
{
    QImage image(5, 4, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixelColor(2, 1, QColor(200, 100, 50));
    QTextDocument document;
    arialDocument(&document);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture")), image);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("see "));
    QTextImageFormat format;
    format.setName(QStringLiteral("picture"));
    format.setWidth(50);
    format.setHeight(40);
    cursor.insertImage(format);
    cursor.insertText(QStringLiteral(" here"));

    QByteArray rtf;
    const QStringList expected = DocumentDigest::describe(document);
    QCOMPARE(roundTrip(document, &rtf), expected);
    QVERIFY(rtf.contains("{\\pict\\pngblip\\picw5\\pich4\\picwgoal750\\pichgoal600\r\n89504e470d0a1a0a"));

    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QTextCursor at(&back);
    at.setPosition(5);
    const QString name = at.charFormat().toImageFormat().name();
    const QImage stored = back.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
    QCOMPARE(stored.pixelColor(2, 1), QColor(200, 100, 50));
    QCOMPARE(stored.pixelColor(0, 0), QColor(10, 20, 30));
}

void TestRtfWriter::hyperlinksRoundTrip()
{
    QTextDocument document;
    arialDocument(&document);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Read "));
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://www.hhs.gov/hipaa/for-professionals/security/index.html"));
    link.setFontUnderline(true);
    link.setForeground(QColor(Qt::blue));
    cursor.insertText(QStringLiteral("the guidance"), link);
    cursor.insertText(QStringLiteral(" first."), QTextCharFormat());
    QByteArray rtf;
    QCOMPARE(roundTrip(document, &rtf), DocumentDigest::describe(document));
    QVERIFY(rtf.contains("{\\field{\\*\\fldinst{HYPERLINK \"https://www.hhs.gov/hipaa/for-professionals/security/"
                         "index.html\"}}{\\fldrslt{\\plain"));
}

void TestRtfWriter::listsBecomeLeadingMarks()
{
    QTextDocument document;
    arialDocument(&document);
    document.setMarkdown(QStringLiteral("Steps:\n\n1. first\n2. second\n\n- one\n- two\n"));
    const QByteArray rtf = RtfWriter::write(document);
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    const QString text = back.toPlainText();
    QVERIFY2(text.contains(QStringLiteral("1.\tfirst\n2.\tsecond")), qPrintable(text));
    QVERIFY2(text.contains(QString::fromUtf16(u"\u2022\tone\n\u2022\ttwo")), qPrintable(text));
    QTextCursor cursor = back.find(QStringLiteral("second"));
    QVERIFY(cursor.block().blockFormat().leftMargin() > 0);
    QVERIFY(cursor.block().blockFormat().textIndent() < 0);
}

void TestRtfWriter::markdownHeadingsKeepTheirSize()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    document.setMarkdown(QStringLiteral("# Title\n\nBody **strong** text.\n\n## Section\n"));
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains("\\plain\\f0\\fs48\\b Title"), rtf);
    QVERIFY2(rtf.contains("\\plain\\f0\\fs36\\b Section"), rtf);
    QVERIFY2(rtf.contains("\\plain\\f0\\fs24\\b strong"), rtf);
}

void TestRtfWriter::fragmentIsWritten()
{
    QTextDocument document;
    arialDocument(&document);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("one two three"));
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    const QByteArray rtf = RtfWriter::write(cursor.selection());
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(back.toPlainText(), QStringLiteral("two"));
    QTextCursor at(&back);
    at.setPosition(1);
    QCOMPARE(at.charFormat().fontWeight(), int(QFont::Bold));
}

void TestRtfWriter::randomDocumentsRoundTrip_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 2024u, 31337u, 65535u, 900001u, 123456789u})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

void TestRtfWriter::randomDocumentsRoundTrip()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QStringList families = {QStringLiteral("Arial"), QStringLiteral("Times New Roman"),
                                  QStringLiteral("Courier New"), QStringLiteral("Liberation Sans")};
    const QString characters =
        QString::fromUtf16(u"abcdefghijklmnopqrstuvwxyz ABCXYZ 0123456789 .,;:!?'\"()[]{}\\/\t-_"
                           u"\u00E9\u00FC\u00DF\u20AC\u201C\u201D\u2014\u0105\u0416\u4E2D\u00A0\u00AD\u2028");
    QTextDocument document;
    arialDocument(&document);
    QTextCursor cursor(&document);
    const int paragraphs = 1 + int(random.bounded(30));
    for (int p = 0; p < paragraphs; ++p) {
        QTextBlockFormat block;
        const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
        block.setAlignment(alignments[random.bounded(4)]);
        block.setLeftMargin(random.bounded(5) * 12);
        block.setTopMargin(random.bounded(3) * 4);
        if (p == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        if (random.bounded(10) == 0) {
            QTextTable* table = cursor.insertTable(1 + int(random.bounded(3)), 1 + int(random.bounded(3)));
            for (int r = 0; r < table->rows(); ++r)
                for (int c = 0; c < table->columns(); ++c)
                    table->cellAt(r, c).firstCursorPosition().insertText(QString::number(random.bounded(1000)));
            cursor = table->lastCursorPosition();
            cursor.movePosition(QTextCursor::NextBlock);
        }
        const int runs = int(random.bounded(6));
        for (int r = 0; r < runs; ++r) {
            QTextCharFormat f;
            f.setFontFamilies({families[random.bounded(int(families.size()))]});
            f.setFontPointSize(6 + random.bounded(30) / 2.0);
            f.setFontWeight(random.bounded(2) ? QFont::Bold : QFont::Normal);
            f.setFontItalic(random.bounded(2));
            f.setFontUnderline(random.bounded(3) == 0);
            f.setFontStrikeOut(random.bounded(5) == 0);
            if (random.bounded(3) == 0)
                f.setForeground(QColor::fromRgb(random.bounded(0x1000000u)));
            if (random.bounded(8) == 0)
                f.setBackground(QColor::fromRgb(random.bounded(0x1000000u)));
            if (random.bounded(10) == 0)
                f.setVerticalAlignment(random.bounded(2) ? QTextCharFormat::AlignSuperScript
                                                         : QTextCharFormat::AlignSubScript);
            QString text;
            const int length = 1 + int(random.bounded(40));
            for (int i = 0; i < length; ++i)
                text += characters[random.bounded(int(characters.size()))];
            cursor.insertText(text, f);
        }
    }
    const QStringList expected = DocumentDigest::describe(document);
    QByteArray rtf;
    const QStringList actual = roundTrip(document, &rtf);
    if (actual != expected) {
        for (int i = 0; i < std::min(actual.size(), expected.size()); ++i) {
            if (actual[i] != expected[i]) {
                qWarning().noquote() << "first difference in paragraph" << i << "\n"
                                     << actual[i] << "\n"
                                     << expected[i];
                break;
            }
        }
    }
    QCOMPARE(actual, expected);
    // Writing what was read gives the same bytes again.
    QTextDocument back;
    back.setDefaultFont(document.defaultFont());
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(RtfWriter::write(back), rtf);
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"

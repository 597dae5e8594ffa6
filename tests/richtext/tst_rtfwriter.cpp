// The RTF writer: exact bytes for small documents, and round trips through the reader.
#include "DocumentDigest.h"

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

class TestRtfWriter : public QObject
{
    Q_OBJECT
private slots:
    void exactBytesOfSmallDocument();
    void escapesAndCodePage();
    void emptyDocument();
    void defaultFontIsWrittenOut();
    void tablesRoundTrip();
    void imagesRoundTrip();
    void hyperlinksRoundTrip();
    void listsRoundTrip();
    void randomDocumentsRoundTrip_data();
    void randomDocumentsRoundTrip();
};

namespace {

// The digest of the document the reader makes of the writer's RTF.
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

QTextCharFormat charFormat(std::initializer_list<std::pair<QTextFormat::Property, QVariant>> properties)
{
    QTextCharFormat format;
    for (const auto& [property, value] : properties)
        format.setProperty(property, value);
    return format;
}

} // namespace

void TestRtfWriter::exactBytesOfSmallDocument()
{
    QTextDocument document;
    QTextCursor cursor(arialDocument(&document));
    cursor.insertText(QStringLiteral("Hi "));
    cursor.insertText(QStringLiteral("there"), charFormat({{QTextFormat::FontWeight, QFont::Bold}}));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    cursor.insertText(QStringLiteral("Red"), charFormat({{QTextFormat::ForegroundBrush, QBrush(QColor(255, 0, 0))},
                                                         {QTextFormat::FontPointSize, 14.0}}));
    QCOMPARE(RtfWriter::write(document), QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
                                                    "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                                                    "{\\colortbl;\\red255\\green0\\blue0;}\r\n"
                                                    "\\viewkind4\r\n"
                                                    "\\pard\\plain\\f0\\fs20 Hi \\plain\\f0\\fs20\\b there\\par\r\n"
                                                    "\\pard\\qc\\plain\\f0\\fs28\\cf1 Red\\par\r\n"
                                                    "}\r\n"));
}

// Windows-1252 characters as \'hh, every other one as \uN? (surrogate pairs as two), and
// only 7-bit bytes in the file.
void TestRtfWriter::escapesAndCodePage()
{
    QTextDocument document;
    arialDocument(&document)->setPlainText(QString::fromUtf16(u"{a}\\b\tc\u00E9\u20AC\u201C\u0105\u00A0\u00AD\u2011") +
                                           QChar::LineSeparator + QString::fromUtf16(u"\U0001F600\u4E2D"));
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains("\\{a\\}\\\\b\\tab c\\'e9\\'80\\'93\\u261?\\~\\-\\_\\line \\u-10179?\\u-8704?\\u20013?\\par"),
             rtf);
    for (char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(back.toRawText(), document.toRawText());
}

void TestRtfWriter::emptyDocument()
{
    QTextDocument document;
    const QByteArray rtf = RtfWriter::write(*arialDocument(&document));
    QVERIFY(rtf.endsWith("\\pard\\plain\\f0\\fs20 \\par\r\n}\r\n"));
    QTextDocument back;
    back.setPlainText(QStringLiteral("old"));
    QVERIFY(RtfReader::read(rtf, &back));
    QVERIFY(back.isEmpty());
    QCOMPARE(back.blockCount(), 1);
}

// The reader makes everything explicit, so the default font of the reader's document does not matter.
void TestRtfWriter::defaultFontIsWrittenOut()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Georgia"), 15));
    document.setPlainText(QStringLiteral("text"));
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY(rtf.contains("{\\f0\\fnil\\fcharset0 Georgia;}"));
    QVERIFY(rtf.contains("\\plain\\f0\\fs30 text"));
    QTextDocument back;
    back.setDefaultFont(QFont(QStringLiteral("Arial"), 8));
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(DocumentDigest::describe(back).first(),
             QStringLiteral("left li=0 ri=0 fi=0 sb=0 sa=0 | [Georgia 15] \"text\""));
}

void TestRtfWriter::tablesRoundTrip()
{
    QTextDocument document;
    QTextCursor cursor(arialDocument(&document));
    cursor.insertText(QStringLiteral("Before"));
    QTextTableFormat tableFormat;
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 100),
                                           QTextLength(QTextLength::FixedLength, 150),
                                           QTextLength(QTextLength::FixedLength, 80)});
    QTextTable* table = cursor.insertTable(3, 3, tableFormat);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            table->cellAt(r, c).firstCursorPosition().insertText(
                QStringLiteral("r%1c%2").arg(r).arg(c), charFormat({{QTextFormat::FontWeight, r == 0 ? 700 : 400}}));
    }
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor inCell = table->cellAt(2, 1).lastCursorPosition();
    inCell.insertBlock(centred);
    inCell.insertText(QStringLiteral("second line"));
    QTextCursor after = table->lastCursorPosition();
    after.movePosition(QTextCursor::NextBlock);
    after.insertText(QStringLiteral("After"));
    // A second table straight after, and a document that ends in a table.
    after.insertBlock();
    after.insertTable(1, 2)->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("only right"));

    QByteArray rtf;
    QCOMPARE(roundTrip(document, &rtf), DocumentDigest::describe(document));
    QVERIFY(rtf.contains("\\trowd\\trgaph108\\trleft0"));
    QVERIFY(rtf.contains("\\cellx1500") && rtf.contains("\\cellx3750"));
    QCOMPARE(rtf.count("\\row"), 4);
    // Columns without a width share the text width by their longest word: "right" against
    // an empty cell's four letters, each counted with the space after it.
    QVERIFY(rtf.contains("\\cellx3744") && rtf.contains("\\cellx9360"));
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QTextCursor inBack(&back);
    inBack.movePosition(QTextCursor::NextBlock);
    QVERIFY(inBack.currentTable());
    QCOMPARE(inBack.currentTable()->format().columnWidthConstraints().value(1).rawValue(), 150.0);
}

void TestRtfWriter::imagesRoundTrip()
{
    QImage image(5, 4, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixelColor(2, 1, QColor(200, 100, 50));
    QTextDocument document;
    arialDocument(&document)->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture")), image);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("see "));
    QTextImageFormat format;
    format.setName(QStringLiteral("picture"));
    format.setWidth(50);
    format.setHeight(40);
    cursor.insertImage(format);
    cursor.insertText(QStringLiteral(" here"));

    QByteArray rtf;
    QCOMPARE(roundTrip(document, &rtf), DocumentDigest::describe(document));
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
    QTextCursor cursor(arialDocument(&document));
    cursor.insertText(QStringLiteral("Read "));
    QTextCharFormat link =
        charFormat({{QTextFormat::IsAnchor, true},
                    {QTextFormat::AnchorHref, QStringLiteral("https://www.hhs.gov/hipaa/index.html")},
                    {QTextFormat::ForegroundBrush, QBrush(Qt::blue)}});
    link.setFontUnderline(true);
    cursor.insertText(QStringLiteral("the guidance"), link);
    cursor.insertText(QStringLiteral(" first."), QTextCharFormat());
    QByteArray rtf;
    QCOMPARE(roundTrip(document, &rtf), DocumentDigest::describe(document));
    QVERIFY(
        rtf.contains("{\\field{\\*\\fldinst{HYPERLINK \"https://www.hhs.gov/hipaa/index.html\"}}{\\fldrslt{\\plain"));
}

// Lists are written as lists: numbered, bulleted and nested ones come back as they were, the
// numbering carries on past a paragraph between items, and readers without lists get the marks.
void TestRtfWriter::listsRoundTrip()
{
    QTextDocument document;
    arialDocument(&document)->setMarkdown(
        QStringLiteral("Steps:\n\n1. first\n2. second\n   - one\n   - two\n3. third\n"));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    QTextListFormat roman;
    roman.setStyle(QTextListFormat::ListUpperRoman);
    cursor.insertBlock();
    cursor.createList(roman);
    cursor.insertText(QStringLiteral("last"));
    QByteArray rtf;
    const QStringList back = roundTrip(document, &rtf);
    QCOMPARE(back, DocumentDigest::describe(document));
    QVERIFY2(back.filter(QStringLiteral("list 4/1 #3.")).size() == 1, qPrintable(back.join(QLatin1Char('\n'))));
    // Each \\plain is followed by the item's list words again, which pandoc needs.
    QVERIFY(rtf.contains("{\\listtext\\plain\\f0\\fs20\\ls1\\ilvl0 2.\\tab}\\plain\\f0\\fs20\\ls1\\ilvl0 second"));
    QVERIFY(rtf.contains("\\ls1\\ilvl1 \\'95\\tab}"));
    // The nested list is the second level of the outer one, as word processors write it.
    QVERIFY(rtf.contains("\\pard\\ls1\\ilvl1\\li1200\\fi-360"));
}

void TestRtfWriter::randomDocumentsRoundTrip_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 2024u, 31337u, 65535u, 900001u, 123456789u})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

// Random paragraphs (every alignment, indents and spacing, empty ones), runs in every character
// format, characters in and outside the code page, and tables survive a round trip; writing
// what was read gives the same bytes again.
void TestRtfWriter::randomDocumentsRoundTrip()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QStringList families = {QStringLiteral("Arial"), QStringLiteral("Times New Roman"),
                                  QStringLiteral("Courier New"), QStringLiteral("Liberation Sans")};
    const QString characters =
        QString::fromUtf16(u"abcdefghijklmnopqrstuvwxyz ABCXYZ 0123456789 .,;:!?'\"()[]{}\\/\t-_"
                           u"\u00E9\u00FC\u00DF\u20AC\u201C\u201D\u2014\u0105\u0416\u4E2D\u00A0\u00AD\u2028");
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    QTextDocument document;
    QTextCursor cursor(arialDocument(&document));
    for (int p = 0, paragraphs = 1 + int(random.bounded(30)); p < paragraphs; ++p) {
        QTextBlockFormat block;
        block.setAlignment(alignments[random.bounded(4)]);
        block.setLeftMargin(random.bounded(5) * 12);
        block.setRightMargin(random.bounded(3) * 6);
        block.setTextIndent(random.bounded(3) * -8);
        block.setTopMargin(random.bounded(3) * 4);
        block.setBottomMargin(random.bounded(3) * 2);
        if (p == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        // Never a table first: the writer leaves out the empty paragraph before a leading table,
        // so that paragraph's format would not come back.
        if (p > 0 && random.bounded(10) == 0) {
            QTextTable* table = cursor.insertTable(1 + int(random.bounded(3)), 1 + int(random.bounded(3)));
            for (int cell = 0; cell < table->rows() * table->columns(); ++cell)
                table->cellAt(cell / table->columns(), cell % table->columns())
                    .firstCursorPosition()
                    .insertText(QString::number(random.bounded(1000)));
            cursor = table->lastCursorPosition();
            cursor.movePosition(QTextCursor::NextBlock);
        }
        for (int r = 0, runs = int(random.bounded(6)); r < runs; ++r) {
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
            for (int i = 0, length = 1 + int(random.bounded(40)); i < length; ++i)
                text += characters[random.bounded(int(characters.size()))];
            cursor.insertText(text, f);
        }
    }
    QByteArray rtf;
    QCOMPARE(roundTrip(document, &rtf), DocumentDigest::describe(document));
    QTextDocument back;
    back.setDefaultFont(document.defaultFont());
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(RtfWriter::write(back), rtf);
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"

// Interoperability with a real word processor: LibreOffice, run headless with a private profile.
// Our RTF must open with its formatting, and LibreOffice's RTF must read into ours.
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

class TestRtfLibreOffice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void ourRtfOpensWithItsFormatting();
    void ourRtfSurvivesLibreOfficeRtf();
    void libreOfficeRtfReadsIntoOurs();

private:
    bool convert(const QString& file, const QString& format, const QString& outDir,
                 const QStringList& extra = QStringList());

    QString m_soffice;
    QTemporaryDir m_dir;
};

namespace {

// Bold, italic, underline, strike-through, two fonts, three sizes, a colour, centred and
// right-aligned paragraphs.
void buildAcceptanceDocument(QTextDocument* document)
{
    document->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QTextCursor cursor(document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    f.setFontPointSize(16);
    cursor.insertText(QStringLiteral("Security officer checklist"), f);
    cursor.insertBlock(QTextBlockFormat());
    f = QTextCharFormat();
    f.setFontItalic(true);
    cursor.insertText(QStringLiteral("italic"), f);
    cursor.insertText(QStringLiteral(" "), QTextCharFormat());
    f = QTextCharFormat();
    f.setFontUnderline(true);
    cursor.insertText(QStringLiteral("underlined"), f);
    cursor.insertText(QStringLiteral(" "), QTextCharFormat());
    f = QTextCharFormat();
    f.setFontStrikeOut(true);
    cursor.insertText(QStringLiteral("struck"), f);
    cursor.insertText(QStringLiteral(" "), QTextCharFormat());
    f = QTextCharFormat();
    f.setFontFamilies({QStringLiteral("Times New Roman")});
    f.setFontPointSize(8);
    cursor.insertText(QStringLiteral("small times"), f);
    cursor.insertText(QStringLiteral(" "), QTextCharFormat());
    f = QTextCharFormat();
    f.setForeground(QColor(0xC0, 0, 0));
    cursor.insertText(QStringLiteral("red"), f);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    f = QTextCharFormat();
    f.setFontPointSize(12);
    cursor.insertText(QStringLiteral("right aligned"), f);
}

QTextCharFormat formatOf(const QTextDocument& document, const QString& text)
{
    const QTextCursor found = document.find(text);
    if (found.isNull())
        return QTextCharFormat();
    QTextCursor at(const_cast<QTextDocument*>(&document));
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

Qt::Alignment alignmentOf(const QTextDocument& document, const QString& text)
{
    const QTextCursor found = document.find(text);
    return found.isNull() ? Qt::Alignment()
                          : found.block().blockFormat().alignment() & (Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute);
}

QString familyOf(const QTextCharFormat& format, const QTextDocument& document)
{
    const QString family = format.property(QTextFormat::FontFamilies).toStringList().value(0);
    return family.isEmpty() ? document.defaultFont().family() : family;
}

// Checks the acceptance document's formatting wherever it came from (our reader or Qt's HTML).
void verifyAcceptanceFormatting(const QTextDocument& document)
{
    const QTextCharFormat heading = formatOf(document, QStringLiteral("Security officer checklist"));
    QVERIFY2(heading.fontWeight() >= QFont::DemiBold, "bold");
    QCOMPARE(heading.fontPointSize(), 16.0);
    QCOMPARE(alignmentOf(document, QStringLiteral("Security officer")), Qt::AlignHCenter);
    QVERIFY2(formatOf(document, QStringLiteral("italic")).fontItalic(), "italic");
    QVERIFY2(!formatOf(document, QStringLiteral("italic")).fontUnderline(), "italic only");
    QVERIFY2(formatOf(document, QStringLiteral("underlined")).fontUnderline(), "underline");
    QVERIFY2(formatOf(document, QStringLiteral("struck")).fontStrikeOut(), "strike-through");
    const QTextCharFormat small = formatOf(document, QStringLiteral("small times"));
    QCOMPARE(familyOf(small, document), QStringLiteral("Times New Roman"));
    QCOMPARE(small.fontPointSize(), 8.0);
    QCOMPARE(familyOf(formatOf(document, QStringLiteral("italic")), document), QStringLiteral("Arial"));
    QCOMPARE(formatOf(document, QStringLiteral("italic")).fontPointSize(), 10.0);
    QCOMPARE(formatOf(document, QStringLiteral("red")).foreground().color(), QColor(0xC0, 0, 0));
    QCOMPARE(formatOf(document, QStringLiteral("right aligned")).fontPointSize(), 12.0);
    QCOMPARE(alignmentOf(document, QStringLiteral("right aligned")), Qt::AlignRight);
    QCOMPARE(alignmentOf(document, QStringLiteral("italic")), Qt::AlignLeft);
}

// The acceptance document as our writer saves it.
bool writeAcceptanceRtf(const QString& path)
{
    QTextDocument document;
    buildAcceptanceDocument(&document);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(RtfWriter::write(document)) > 0;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestRtfLibreOffice::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the interoperability checks cannot run.");
    QVERIFY(m_dir.isValid());
}

bool TestRtfLibreOffice::convert(const QString& file, const QString& format, const QString& outDir,
                                 const QStringList& extra)
{
    QProcess process;
    QStringList arguments = {QStringLiteral("-env:UserInstallation=") +
                                 QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("profile"))).toString(),
                             QStringLiteral("--headless"), QStringLiteral("--norestore")};
    arguments += extra;
    arguments += {QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), outDir, file};
    process.start(m_soffice, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void TestRtfLibreOffice::ourRtfOpensWithItsFormatting()
{
    const QString source = m_dir.filePath(QStringLiteral("ours.rtf"));
    QVERIFY(writeAcceptanceRtf(source));

    const QString out = m_dir.filePath(QStringLiteral("html"));
    QVERIFY(convert(source, QStringLiteral("html"), out));
    const QByteArray html = readAll(out + QStringLiteral("/ours.html"));
    QVERIFY2(!html.isEmpty(), "LibreOffice wrote no HTML");
    // Qt's HTML subset knows <s> but not the <strike> LibreOffice writes.
    QString text = QString::fromUtf8(html);
    QVERIFY(text.contains(QStringLiteral("<strike>")));
    text.replace(QStringLiteral("<strike>"), QStringLiteral("<s>"))
        .replace(QStringLiteral("</strike>"), QStringLiteral("</s>"));
    QTextDocument opened;
    opened.setHtml(text);
    verifyAcceptanceFormatting(opened);
}

void TestRtfLibreOffice::ourRtfSurvivesLibreOfficeRtf()
{
    const QString source = m_dir.filePath(QStringLiteral("saved.rtf"));
    QVERIFY(writeAcceptanceRtf(source));

    const QString out = m_dir.filePath(QStringLiteral("rtf"));
    QVERIFY(convert(source, QStringLiteral("rtf:Rich Text Format"), out));
    const QByteArray rtf = readAll(out + QStringLiteral("/saved.rtf"));
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(back.blockCount(), 3);
    verifyAcceptanceFormatting(back);
}

void TestRtfLibreOffice::libreOfficeRtfReadsIntoOurs()
{
    const QString html = m_dir.filePath(QStringLiteral("fixture.html"));
    QFile::copy(QStringLiteral(TESSALY_TEST_DATA "/rtf/interop-fixture.html"), html);
    const QString out = m_dir.filePath(QStringLiteral("fromhtml"));
    QVERIFY(
        convert(html, QStringLiteral("rtf:Rich Text Format"), out, {QStringLiteral("--infilter=HTML (StarWriter)")}));
    const QByteArray rtf = readAll(out + QStringLiteral("/fixture.rtf"));
    QVERIFY2(rtf.startsWith("{\\rtf1"), "LibreOffice wrote no RTF");
    QTextDocument document;
    QVERIFY(RtfReader::read(rtf, &document));
    QCOMPARE(document.toPlainText(),
             QStringLiteral("Security officer checklist\nitalic underlined struck small times red\nright aligned"));
    verifyAcceptanceFormatting(document);
}

QTEST_MAIN(TestRtfLibreOffice)
#include "tst_rtflibreoffice.moc"

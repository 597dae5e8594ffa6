// The content pipeline: Markdown becomes RTF through tessaly_mkdoc, and every shipped
// document in the built program folder reads back with our reader, with none of the
// field's own words taken for a misspelling.
#include "RequiredTool.h"

#include "editing/SpellEngine.h"
#include "richtext/RtfReader.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QtTest>

class TestShippedDocuments : public QObject
{
    Q_OBJECT
private slots:
    void markdownBecomesRtf();
    void mkdocReportsMissingInput();
    void everyShippedDocumentReads_data();
    void everyShippedDocumentReads();
};

namespace {

QSet<QString> fieldWords()
{
    QSet<QString> words;
    QFile list(QStringLiteral(TESSALY_TEST_DATA "/../../content/spelling/health-terms.txt"));
    if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString& line : QString::fromUtf8(list.readAll()).split(QLatin1Char('\n')))
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                words.insert(line);
    }
    return words;
}

QTextCharFormat formatOf(QTextDocument& document, const QString& text)
{
    const QTextCursor found = document.find(text);
    QTextCursor at(&document);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

} // namespace

void TestShippedDocuments::markdownBecomesRtf()
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("Policy1.Dat"));
    QProcess mkdoc;
    mkdoc.start(QStringLiteral(TESSALY_MKDOC), {QStringLiteral(TESSALY_TEST_DATA "/rtf/mkdoc-fixture.md"), output});
    QVERIFY(mkdoc.waitForFinished(60000));
    QCOMPARE(mkdoc.exitCode(), 0);
    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("{\\f0\\fnil\\fcharset0 Times New Roman;}"));

    QTextDocument document;
    QVERIFY(RtfReader::read(rtf, &document));
    const QString text = document.toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Workstation Security\nA short policy")));
    const QTextBlock numbered = document.find(QStringLiteral("Position monitors")).block();
    QVERIFY(numbered.textList() && numbered.textList()->itemText(numbered) == QStringLiteral("1."));
    const QTextBlock bulleted = document.find(QStringLiteral("Report a lost badge")).block();
    QVERIFY(bulleted.textList() && bulleted.textList()->format().style() == QTextListFormat::ListDisc);

    const QTextCharFormat title = formatOf(document, QStringLiteral("Workstation Security"));
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.fontPointSize(), 24.0);
    QCOMPARE(formatOf(document, QStringLiteral("What staff do")).fontPointSize(), 18.0);
    const QTextCharFormat body = formatOf(document, QStringLiteral("A short policy"));
    QCOMPARE(body.fontPointSize(), 12.0);
    QCOMPARE(body.fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
    QCOMPARE(formatOf(document, QStringLiteral("Windows key")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(document, QStringLiteral("never")).fontItalic());
    QCOMPARE(formatOf(document, QStringLiteral("C:\\Records")).fontFamilies().toStringList().value(0),
             QStringLiteral("Courier New"));
    QVERIFY(document.find(QStringLiteral("Implement policies")).block().blockFormat().leftMargin() > 0);

    const QTextCursor inTable = document.find(QStringLiteral("Front desk"), 0, QTextDocument::FindCaseSensitively);
    QVERIFY(inTable.currentTable());
    QCOMPARE(inTable.currentTable()->rows(), 3);
    QCOMPARE(inTable.currentTable()->columns(), 2);
}

void TestShippedDocuments::mkdocReportsMissingInput()
{
    QTemporaryDir dir;
    QProcess mkdoc;
    mkdoc.start(QStringLiteral(TESSALY_MKDOC),
                {dir.filePath(QStringLiteral("missing.md")), dir.filePath(QStringLiteral("out"))});
    QVERIFY(mkdoc.waitForFinished(60000));
    QVERIFY(mkdoc.exitCode() != 0);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out"))));
}

void TestShippedDocuments::everyShippedDocumentReads_data()
{
    QTest::addColumn<QString>("path");
    const QDir program(QStringLiteral(TESSALY_PROGRAM_DIR));
    const QFileInfoList files = program.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        const QString suffix = info.suffix().toLower();
        if (suffix == QLatin1String("dat") || suffix == QLatin1String("hlp"))
            QTest::newRow(qPrintable(info.fileName())) << info.absoluteFilePath();
    }
}

void TestShippedDocuments::everyShippedDocumentReads()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    QTextDocument document;
    QString error;
    QVERIFY2(RtfReader::read(rtf, &document, &error), qPrintable(error));
    QVERIFY(!document.toPlainText().trimmed().isEmpty());

    REQUIRE_TOOL(!SpellEngine::findDictionary().isEmpty(), "The en_US dictionary (hunspell-en-us)");
    static const SpellEngine engine;
    static const QSet<QString> field = fieldWords();
    QVERIFY(field.contains(QStringLiteral("ePHI")));
    QStringList flagged;
    for (const SpellEngine::Misspelling& m : engine.findMisspellings(document.toPlainText()))
        if (field.contains(m.word) || field.contains(m.word.toLower()))
            flagged << m.word;
    QVERIFY2(flagged.isEmpty(), qPrintable(flagged.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestShippedDocuments)
#include "tst_shippeddocuments.moc"

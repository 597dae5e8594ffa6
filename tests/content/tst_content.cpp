// The documents shipped with the program, as built into the program folder: each reads back,
// is long enough to be of use, quotes the rule only as the rule stands, and has what its
// screen needs (a template's heading and addressable decision, the rule reader's full text
// and matrix, a help topic for every context).
#include "RequiredTool.h"
#include "catalog/SafeguardCatalog.h"
#include "richtext/RtfReader.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

QString programFile(const QString& name)
{
    return QDir(QStringLiteral(TESSALY_PROGRAM_DIR)).filePath(name);
}

// The document's plain text, or a null string when it cannot be read as RTF.
QString documentText(const QString& name)
{
    QFile file(programFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QTextDocument document;
    if (!RtfReader::read(file.readAll(), &document))
        return QString();
    return document.toPlainText();
}

int wordCount(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9]+"));
    int count = 0;
    for (auto it = word.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

// Letters and digits only, lower case: headings and titles compared without punctuation.
QString squeezed(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c.isLetterOrNumber())
            out += c.toLower();
    }
    return out;
}

QString oneSpaced(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

// The reference regulation, one entry per paragraph, in file order.
QStringList regulationParagraphs(const QString& file)
{
    QFile in(QStringLiteral(TESSALY_TEST_DATA "/regulation/") + file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QStringList paragraphs;
    for (const QString& block : QString::fromUtf8(in.readAll()).split(QStringLiteral("\n\n"))) {
        if (!block.trimmed().isEmpty())
            paragraphs << oneSpaced(block);
    }
    return paragraphs;
}

QStringList regulationFiles()
{
    return QDir(QStringLiteral(TESSALY_TEST_DATA "/regulation"))
        .entryList({QStringLiteral("164.*.txt")}, QDir::Files, QDir::Name);
}

QStringList templateEntries()
{
    QStringList names;
    for (const SafeguardEntry& e : SafeguardCatalog::entries()) {
        if (SafeguardCatalog::templateNumber(e.number) >= 0)
            names << QString::number(e.number);
    }
    return names;
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT
private slots:
    void everyDocumentReadsBackAndIsOfUse_data();
    void everyDocumentReadsBackAndIsOfUse();
    void templatesNameTheirSafeguard_data();
    void templatesNameTheirSafeguard();
    void ruleQuotationsAreExact_data();
    void ruleQuotationsAreExact();
    void ruleReaderHasTheWholeRuleAndItsMatrix();
    void everyHelpContextHasATopic();
    void formsOpenAsTablesInAWordProcessor();
};

void TestContent::everyDocumentReadsBackAndIsOfUse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimumWords");
    for (const QString& number : templateEntries()) {
        const QString file = SafeguardCatalog::templateFileName(number.toInt());
        QTest::newRow(qPrintable(file)) << file << 400;
    }
    for (const char* name : {"SampleAct.Dat", "SampleCom.Dat", "SamplePol.Dat", "Misc59.Hlp", "Misc60.Hlp"})
        QTest::newRow(name) << QString::fromLatin1(name) << 400;
    for (const char* name : {"Misc56.Hlp", "Misc57.Hlp"})
        QTest::newRow(name) << QString::fromLatin1(name) << 150;
    for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 58})
        QTest::addRow("Misc%d.Hlp", n) << QStringLiteral("Misc%1.Hlp").arg(n) << 300;
    for (int n = 0; n <= 24; ++n)
        QTest::addRow("PR%d.Hlp", n) << QStringLiteral("PR%1.Hlp").arg(n) << (n >= 1 && n <= 22 ? 600 : 300);
    QTest::newRow("Tessaly.hlp") << QStringLiteral("Tessaly.hlp") << 3000;
}

void TestContent::everyDocumentReadsBackAndIsOfUse()
{
    QFETCH(QString, name);
    QFETCH(int, minimumWords);
    const QString text = documentText(name);
    QVERIFY2(!text.isNull(), qPrintable(name + QStringLiteral(" is missing or not RTF")));
    QVERIFY2(wordCount(text) >= minimumWords, qPrintable(QStringLiteral("%1 words").arg(wordCount(text))));
    static const QRegularExpression placeholder(QStringLiteral("\\b(lorem|ipsum|TODO|TBD|XXX|FIXME)\\b"));
    const QRegularExpressionMatch match = placeholder.match(text);
    QVERIFY2(!match.hasMatch(), qPrintable(match.captured()));
}

void TestContent::templatesNameTheirSafeguard_data()
{
    QTest::addColumn<int>("number");
    for (const QString& number : templateEntries())
        QTest::newRow(qPrintable(number)) << number.toInt();
}

void TestContent::templatesNameTheirSafeguard()
{
    QFETCH(int, number);
    const SafeguardEntry* entry = SafeguardCatalog::entry(number);
    const QString text = documentText(SafeguardCatalog::templateFileName(number));
    const QString heading = text.section(QLatin1Char('\n'), 0, 0);
    QVERIFY2(squeezed(heading).contains(squeezed(entry->fullTitle)), qPrintable(heading));
    // The rule lets a practice meet an addressable specification another way, or not at all,
    // if it documents why: every addressable template has the place to write that down.
    const bool addressable = entry->specification.endsWith(QLatin1String("(A)"));
    QCOMPARE(text.contains(QStringLiteral("\nAddressable decision\n")), addressable);
}

void TestContent::ruleQuotationsAreExact_data()
{
    QTest::addColumn<QString>("source");
    const QStringList sources =
        QDir(QStringLiteral(TESSALY_CONTENT_DIR)).entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    for (const QString& source : sources)
        QTest::newRow(qPrintable(source)) << source;
}

void TestContent::ruleQuotationsAreExact()
{
    QFETCH(QString, source);
    QString rule;
    for (const QString& file : regulationFiles())
        rule += regulationParagraphs(file).join(QLatin1Char(' ')) + QLatin1Char(' ');
    QFile in(QDir(QStringLiteral(TESSALY_CONTENT_DIR)).filePath(source));
    QVERIFY(in.open(QIODevice::ReadOnly));
    // Block quotes are the rule's own words; bold and italic marks are not part of them.
    static const QRegularExpression emphasis(QStringLiteral("\\*+|\\\\"));
    const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1String("> ")))
            continue;
        const QString quoted = oneSpaced(line.mid(2).remove(emphasis));
        QVERIFY2(rule.contains(quoted), qPrintable(quoted));
    }
}

void TestContent::ruleReaderHasTheWholeRuleAndItsMatrix()
{
    for (const char* name : {"PR23.Hlp", "PR0.Hlp"}) {
        const QString text = oneSpaced(documentText(QString::fromLatin1(name)));
        qsizetype from = 0;
        for (const QString& file : regulationFiles()) {
            for (const QString& paragraph : regulationParagraphs(file)) {
                const qsizetype at = text.indexOf(paragraph, from);
                QVERIFY2(at >= 0, qPrintable(QStringLiteral("%1, %2: %3").arg(name, file, paragraph.left(80))));
                from = at + paragraph.size();
            }
        }
    }
    // The matrix is a real table holding every row of Appendix A.
    QFile file(programFile(QStringLiteral("PR24.Hlp")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    QVERIFY(rtf.contains("\\trowd"));
    const QString text = oneSpaced(documentText(QStringLiteral("PR24.Hlp")));
    QFile matrix(QStringLiteral(TESSALY_TEST_DATA "/regulation/appendix-a.txt"));
    QVERIFY(matrix.open(QIODevice::ReadOnly));
    int rows = 0;
    for (const QString& line : QString::fromUtf8(matrix.readAll()).split(QLatin1Char('\n'))) {
        // Rows and the header have fields; the note above them only describes the layout.
        if (!line.contains(QLatin1Char('|')) || line.startsWith(QLatin1String("Rendered")))
            continue;
        for (const QString& field : line.split(QLatin1Char('|'))) {
            if (!field.trimmed().isEmpty())
                QVERIFY2(text.contains(oneSpaced(field)), qPrintable(field));
        }
        ++rows;
    }
    QVERIFY(rows > 40);
}

void TestContent::everyHelpContextHasATopic()
{
    const QString help = documentText(QStringLiteral("Tessaly.hlp"));
    for (int context : {1000, 1014, 2009, 3010, 3012, 3014, 3044, 3048, 3066})
        QVERIFY2(help.contains(QStringLiteral("Help context %1").arg(context)), qPrintable(QString::number(context)));
}

void TestContent::formsOpenAsTablesInAWordProcessor()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    REQUIRE_TOOL(!soffice.isEmpty(), "LibreOffice (soffice)");
    QTemporaryDir out;
    QStringList arguments{QStringLiteral("-env:UserInstallation=file://") + out.filePath(QStringLiteral("profile")),
                          QStringLiteral("--headless"),
                          QStringLiteral("--convert-to"),
                          QStringLiteral("html"),
                          QStringLiteral("--outdir"),
                          out.path()};
    const QStringList forms{QStringLiteral("Misc56"), QStringLiteral("Misc57"), QStringLiteral("Misc59")};
    for (const QString& form : forms) {
        const QString copy = out.filePath(form + QStringLiteral(".rtf"));
        QVERIFY(QFile::copy(programFile(form + QStringLiteral(".Hlp")), copy));
        arguments << copy;
    }
    QProcess process;
    process.start(soffice, arguments);
    QVERIFY(process.waitForFinished(240000));
    for (const QString& form : forms) {
        QFile html(out.filePath(form + QStringLiteral(".html")));
        QVERIFY2(html.open(QIODevice::ReadOnly), qPrintable(form));
        QVERIFY2(html.readAll().contains("<table"), qPrintable(form));
    }
}

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"

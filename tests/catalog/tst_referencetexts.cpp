// Where each reference text comes from, how it is composed, and the supplied texts themselves.
#include "catalog/ReferenceTexts.h"
#include "catalog/SafeguardCatalog.h"

#include <QDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

const std::pair<WorksheetPane, const char*> kPanes[] = {{WorksheetPane::Specification, "specification"},
                                                        {WorksheetPane::ReferencesInRule, "references"},
                                                        {WorksheetPane::AdditionalInformation, "additional"}};

// By entry number, the section of the rule and the paragraphs of it that the Implementation
// Specification text quotes, the specification's (or the standard's) first.
QMap<int, QStringList> ruleParagraphs()
{
    QMap<int, QStringList> rule;
    QFile file(QStringLiteral(TESSALY_TEST_DATA "/regulation/specification-paragraphs.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return rule;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 3 && !line.startsWith(QLatin1Char('#'))) {
            QStringList& entry = rule[fields[0].toInt()];
            entry += entry.isEmpty() ? QStringList{fields[1], fields[2]} : QStringList{fields[2]};
        }
    }
    return rule;
}

// One character per character of the document: 'X' bold and underlined, '.' neither,
// '?' only one of the two. Paragraph ends count as '.'.
QString emphasisMap(QTextDocument& document)
{
    QString map;
    QTextCursor cursor(&document);
    for (int position = 1; position < document.characterCount(); ++position) {
        cursor.setPosition(position);
        const bool bold = cursor.charFormat().fontWeight() == QFont::Bold;
        const bool underlined = cursor.charFormat().fontUnderline();
        map += document.characterAt(position - 1) == QChar::ParagraphSeparator ? QLatin1Char('.')
               : bold != underlined                                            ? QLatin1Char('?')
               : bold                                                          ? QLatin1Char('X')
                                                                               : QLatin1Char('.');
    }
    return map;
}

// What emphasiseKeyTerm must produce: every occurrence, found without regard to case,
// searching on after each match.
QString expectedMap(const QString& plain, const QString& term)
{
    QString map(plain.size(), QLatin1Char('.'));
    for (int at = plain.indexOf(term, 0, Qt::CaseInsensitive); at >= 0;
         at = plain.indexOf(term, at + term.size(), Qt::CaseInsensitive))
        map.replace(at, term.size(), QString(term.size(), QLatin1Char('X')));
    return map;
}

} // namespace

class TestReferenceTexts : public QObject
{
    Q_OBJECT

private slots:
    void referenceFilesAreShipped();
    void emphasiseKeyTerm();
    void noBuiltInTextForFilePanes();
    void suppliedTexts_data();
    void suppliedTexts();
};

void TestReferenceTexts::referenceFilesAreShipped()
{
    const QDir program(QStringLiteral(TESSALY_PROGRAM_DIR));
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        for (WorksheetPane pane : {WorksheetPane::ReferencesInRule, WorksheetPane::AdditionalInformation}) {
            const QString name = ReferenceTexts::referenceFile(number, pane);
            QVERIFY2(name.isEmpty() || program.exists(name), qPrintable(name));
        }
    }
    QCOMPARE(ReferenceTexts::referenceFile(0, WorksheetPane::ReferencesInRule), QStringLiteral("RefRA1.Dat"));
    QCOMPARE(ReferenceTexts::referenceFile(46, WorksheetPane::AdditionalInformation), QStringLiteral("Addtl45.dat"));
}

void TestReferenceTexts::emphasiseKeyTerm()
{
    QTextDocument document;
    const QString plain = QStringLiteral("Log-in monitoring matters.\r\nLOG-IN MONITORING of log-in monitoring"
                                         "log-in monitoring.\r\nNothing here: log-in, monitoring.");
    document.setPlainText(plain);
    ReferenceTexts::emphasiseKeyTerm(&document, QStringLiteral("Log-in monitoring"));
    QCOMPARE(emphasisMap(document), expectedMap(document.toPlainText(), QStringLiteral("Log-in monitoring")));
    QCOMPARE(document.toPlainText(), QString(plain).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // No term, or no document: nothing happens.
    document.setPlainText(QStringLiteral("Some text"));
    ReferenceTexts::emphasiseKeyTerm(&document, QString());
    ReferenceTexts::emphasiseKeyTerm(nullptr, QStringLiteral("text"));
    QCOMPARE(emphasisMap(document), QStringLiteral("........."));
}

// The overviews have no Implementation specification pane; panes shown from a file have no
// built-in text.
void TestReferenceTexts::noBuiltInTextForFilePanes()
{
    QVERIFY(!ReferenceTexts::isAvailable(42, WorksheetPane::Specification));
    QVERIFY(!ReferenceTexts::isAvailable(45, WorksheetPane::Specification));
    QVERIFY(!ReferenceTexts::isAvailable(47, WorksheetPane::AdditionalInformation));
    QTextDocument document;
    document.setPlainText(QStringLiteral("unchanged"));
    QVERIFY(!ReferenceTexts::buildDocument(&document, 0, WorksheetPane::ReferencesInRule));
    QVERIFY(!ReferenceTexts::buildDocument(&document, 42, WorksheetPane::Specification));
    QVERIFY(!ReferenceTexts::buildDocument(&document, 45, WorksheetPane::AdditionalInformation));
    QVERIFY(!ReferenceTexts::buildDocument(&document, 47, WorksheetPane::AdditionalInformation));
    QCOMPARE(document.toPlainText(), QStringLiteral("unchanged"));
    QCOMPARE(ReferenceTexts::builtInText(46, WorksheetPane::ReferencesInRule), QString());
    QCOMPARE(ReferenceTexts::keyTerm(0, WorksheetPane::ReferencesInRule), QString());
}

void TestReferenceTexts::suppliedTexts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<WorksheetPane>("pane");
    QTest::addColumn<QStringList>("rule");
    const QMap<int, QStringList> rule = ruleParagraphs();
    int rows = 0;
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        for (const auto& [pane, name] : kPanes) {
            if (!ReferenceTexts::isAvailable(number, pane) || !ReferenceTexts::referenceFile(number, pane).isEmpty())
                continue;
            QTest::addRow("%02d-%s", number, name) << number << pane << rule.value(number);
            ++rows;
        }
    }
    // 45 specification texts (not the two Overview entries), 33 References in Rule texts
    // (14 entries show a reference file), 45 Additional Information texts (45 and 46 show a file).
    QCOMPARE(rows, 45 + 33 + 45);
}

void TestReferenceTexts::suppliedTexts()
{
    QFETCH(int, number);
    QFETCH(WorksheetPane, pane);
    QVERIFY2(ReferenceTexts::hasBuiltInText(number, pane), "text not supplied");
    const QString body = ReferenceTexts::body(number, pane);
    const QString text = ReferenceTexts::builtInText(number, pane);
    const QString lineBreak = QStringLiteral("\r\n");

    // Heading, empty line, the explanation block for an Addressable entry's Additional
    // Information, then the body; CR LF line ends only, and no drafting marks left.
    QString layout = ReferenceTexts::headingLine(pane) + lineBreak + lineBreak;
    if (pane == WorksheetPane::AdditionalInformation && ReferenceTexts::isAddressable(number))
        layout += ReferenceTexts::addressableBlock().join(lineBreak) + lineBreak + lineBreak;
    QCOMPARE(text, layout + body);
    QCOMPARE(text.count(QLatin1Char('\n')), text.count(lineBreak));
    QCOMPARE(text.count(QLatin1Char('\r')), text.count(lineBreak));
    QVERIFY(!body.startsWith(ReferenceTexts::headingLine(pane)));
    QVERIFY2(body.size() >= (pane == WorksheetPane::Specification ? 150 : 400), qPrintable(body));
    for (const char* banned : {"lorem", "TODO", "TBD", "FIXME", "placeholder"})
        QVERIFY2(!text.contains(QLatin1String(banned), Qt::CaseInsensitive), banned);

    const QString term = ReferenceTexts::keyTerm(number, pane);
    QVERIFY2(!term.isEmpty() && body.contains(term, Qt::CaseInsensitive), qPrintable(term));
    QTextDocument document;
    QVERIFY(ReferenceTexts::buildDocument(&document, number, pane));
    QCOMPARE(document.blockCount(), text.count(lineBreak) + 1);
    QCOMPARE(emphasisMap(document), expectedMap(document.toPlainText(), term));

    // The specification text quotes the rule word for word, and the catalog's "(A)" agrees
    // with the rule's "(Addressable)".
    if (pane != WorksheetPane::Specification)
        return;
    QFETCH(QStringList, rule);
    QVERIFY2(rule.size() >= 2, "no paragraphs of the rule in the test data");
    QVERIFY(body.contains(rule.takeFirst()));
    const QStringList lines = body.split(lineBreak);
    for (const QString& paragraph : rule) {
        const bool quoted = std::any_of(lines.begin(), lines.end(),
                                        [&paragraph](const QString& line) { return line.trimmed() == paragraph; });
        QVERIFY2(quoted, qPrintable(paragraph));
    }
    QCOMPARE(ReferenceTexts::isAddressable(number), rule.first().contains(QLatin1String("(Addressable)")));
}

QTEST_MAIN(TestReferenceTexts)
#include "tst_referencetexts.moc"

// Where each reference text comes from, how it is composed, and the supplied texts themselves.
#include "catalog/ReferenceTexts.h"
#include "catalog/SafeguardCatalog.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

Q_DECLARE_METATYPE(WorksheetPane)

namespace {

const WorksheetPane kPanes[] = {WorksheetPane::Specification, WorksheetPane::ReferencesInRule,
                                WorksheetPane::AdditionalInformation};

const char* paneName(WorksheetPane pane)
{
    switch (pane) {
    case WorksheetPane::Specification:
        return "specification";
    case WorksheetPane::ReferencesInRule:
        return "references";
    case WorksheetPane::AdditionalInformation:
        return "additional";
    }
    return "";
}

// Where the rule states an entry's implementation specification (or its standard, where the
// standard has no separate specification), and its standard: section file and paragraph start.
struct RuleParagraphs
{
    const char* section;
    const char* specification;
    const char* standard;
};

const RuleParagraphs kRule[SafeguardCatalog::kEntryCount] = {
    {"164.308", "(A) Risk analysis (Required).", "(1)(i) Standard: Security management process."},
    {"164.308", "(B) Risk management (Required).", "(1)(i) Standard: Security management process."},
    {"164.308", "(C) Sanction policy (Required).", "(1)(i) Standard: Security management process."},
    {"164.308", "(D) Information system activity review (Required).", "(1)(i) Standard: Security management process."},
    {"164.308", "(2) Standard: Assigned security responsibility.", "(2) Standard: Assigned security responsibility."},
    {"164.308", "(A) Authorization and/or supervision (Addressable).", "(3)(i) Standard: Workforce security."},
    {"164.308", "(B) Workforce clearance procedure (Addressable).", "(3)(i) Standard: Workforce security."},
    {"164.308", "(C) Termination procedures (Addressable).", "(3)(i) Standard: Workforce security."},
    {"164.308", "(A) Isolating health care clearinghouse functions (Required).",
     "(4)(i) Standard: Information access management."},
    {"164.308", "(B) Access authorization (Addressable).", "(4)(i) Standard: Information access management."},
    {"164.308", "(C) Access establishment and modification (Addressable).",
     "(4)(i) Standard: Information access management."},
    {"164.308", "(A) Security reminders (Addressable).", "(5)(i) Standard: Security awareness and training."},
    {"164.308", "(B) Protection from malicious software (Addressable).",
     "(5)(i) Standard: Security awareness and training."},
    {"164.308", "(C) Log-in monitoring (Addressable).", "(5)(i) Standard: Security awareness and training."},
    {"164.308", "(D) Password management (Addressable).", "(5)(i) Standard: Security awareness and training."},
    {"164.308", "(ii) Implementation specification: Response and reporting (Required).",
     "(6)(i) Standard: Security incident procedures."},
    {"164.308", "(A) Data backup plan (Required).", "(7)(i) Standard: Contingency plan."},
    {"164.308", "(B) Disaster recovery plan (Required).", "(7)(i) Standard: Contingency plan."},
    {"164.308", "(C) Emergency mode operation plan (Required).", "(7)(i) Standard: Contingency plan."},
    {"164.308", "(D) Testing and revision procedures (Addressable).", "(7)(i) Standard: Contingency plan."},
    {"164.308", "(E) Applications and data criticality analysis (Addressable).", "(7)(i) Standard: Contingency plan."},
    {"164.308", "(8) Standard: Evaluation.", "(8) Standard: Evaluation."},
    {"164.308", "(3) Implementation specifications: Written contract or other arrangement (Required).",
     "(b)(1) Business associate contracts and other arrangements."},
    {"164.310", "(i) Contingency operations (Addressable).", "(a)(1) Standard: Facility access controls."},
    {"164.310", "(ii) Facility security plan (Addressable).", "(a)(1) Standard: Facility access controls."},
    {"164.310", "(iii) Access control and validation procedures (Addressable).",
     "(a)(1) Standard: Facility access controls."},
    {"164.310", "(iv) Maintenance records (Addressable).", "(a)(1) Standard: Facility access controls."},
    {"164.310", "(b) Standard: Workstation use.", "(b) Standard: Workstation use."},
    {"164.310", "(c) Standard: Workstation security.", "(c) Standard: Workstation security."},
    {"164.310", "(i) Disposal (Required).", "(d)(1) Standard: Device and media controls."},
    {"164.310", "(ii) Media re-use (Required).", "(d)(1) Standard: Device and media controls."},
    {"164.310", "(iii) Accountability (Addressable).", "(d)(1) Standard: Device and media controls."},
    {"164.310", "(iv) Data backup and storage (Addressable).", "(d)(1) Standard: Device and media controls."},
    {"164.312", "(i) Unique user identification (Required).", "(a)(1) Standard: Access control."},
    {"164.312", "(ii) Emergency access procedure (Required).", "(a)(1) Standard: Access control."},
    {"164.312", "(iii) Automatic logoff (Addressable).", "(a)(1) Standard: Access control."},
    {"164.312", "(iv) Encryption and decryption (Addressable).", "(a)(1) Standard: Access control."},
    {"164.312", "(b) Standard: Audit controls.", "(b) Standard: Audit controls."},
    {"164.312", "(2) Implementation specification: Mechanism to authenticate electronic protected health information",
     "(c)(1) Standard: Integrity."},
    {"164.312", "(d) Standard: Person or entity authentication.", "(d) Standard: Person or entity authentication."},
    {"164.312", "(i) Integrity controls (Addressable).", "(e)(1) Standard: Transmission security."},
    {"164.312", "(ii) Encryption (Addressable).", "(e)(1) Standard: Transmission security."},
    {nullptr, nullptr, nullptr},
    {"164.314", "(a)(1) Standard: Business associate contracts or other arrangements.",
     "(a)(1) Standard: Business associate contracts or other arrangements."},
    {"164.314", "(b)(1) Standard: Requirements for group health plans.",
     "(b)(1) Standard: Requirements for group health plans."},
    {nullptr, nullptr, nullptr},
    {"164.316", "(b)(1) Standard: Documentation.", "(b)(1) Standard: Documentation."},
};

// The whole paragraph (one line of the regulation file) that starts with start.
QString ruleParagraph(const QString& section, const QString& start)
{
    QFile file(QStringLiteral(TESSALY_SHARED_REFERENCE "/regulation/%1.txt").arg(section));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(start))
            return line.trimmed();
    }
    return QString();
}

bool expectsBuiltInText(int number, WorksheetPane pane)
{
    return ReferenceTexts::isAvailable(number, pane) && ReferenceTexts::referenceFile(number, pane).isEmpty();
}

// Every character's emphasis in the document: true where bold and underlined, and a failure
// text when a character is only one of the two.
QString emphasisMap(const QTextDocument& document, QString* failure)
{
    QString map;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const bool bold = format.fontWeight() == QFont::Bold;
            const bool underlined = format.fontUnderline();
            if (bold != underlined && failure)
                *failure = QStringLiteral("half-emphasised: ") + fragment.text();
            map += QString(fragment.length(), bold ? QLatin1Char('X') : QLatin1Char('.'));
        }
        if (block.next().isValid())
            map += QLatin1Char('.');
    }
    return map;
}

// What emphasiseKeyTerm must produce: every occurrence, found without regard to case,
// searching on after each match.
QString expectedMap(const QString& plain, const QString& term)
{
    QString map(plain.size(), QLatin1Char('.'));
    int from = 0;
    while (true) {
        const int at = plain.indexOf(term, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        for (int i = at; i < at + term.size(); ++i)
            map[i] = QLatin1Char('X');
        from = at + term.size();
    }
    return map;
}

} // namespace

class TestReferenceTexts : public QObject
{
    Q_OBJECT

private slots:
    void referenceFiles();
    void availability();
    void headingLines();
    void addressableEntries();
    void addressableBlock();
    void specificationKeyTerms();
    void emphasiseKeyTerm();
    void emphasiseKeyTermEmptyTerm();
    void noBuiltInTextForFilePanes();

    // The texts supplied with the program, checked wherever they exist.
    void suppliedTexts_data();
    void suppliedTexts();
    void ruleWording_data();
    void ruleWording();
    void logInMonitoringEmphasised();
    void everyTextIsSupplied();
};

void TestReferenceTexts::referenceFiles()
{
    const QMap<int, QString> files{
        {0, "RefRA1.Dat"},   {1, "RefRM1.Dat"},   {2, "RefSC1.Dat"},  {7, "RefTM1.Dat"},  {9, "RefAA1.Dat"},
        {10, "RefAE1.Dat"},  {21, "RefEV1.Dat"},  {24, "RefFS1.Dat"}, {27, "RefWU1.Dat"}, {41, "RefEnc1.Dat"},
        {42, "OrgReq1.Dat"}, {43, "OrgRef2.Dat"}, {45, "PPReq1.Dat"}, {46, "PPReq1.Dat"},
    };
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        QCOMPARE(ReferenceTexts::referenceFile(number, WorksheetPane::ReferencesInRule), files.value(number));
        QCOMPARE(ReferenceTexts::referenceFile(number, WorksheetPane::Specification), QString());
        const QString additional = number == 45 || number == 46 ? QStringLiteral("Addtl45.dat") : QString();
        QCOMPARE(ReferenceTexts::referenceFile(number, WorksheetPane::AdditionalInformation), additional);
    }
    QCOMPARE(ReferenceTexts::referenceFile(47, WorksheetPane::ReferencesInRule), QString());
    QCOMPARE(ReferenceTexts::referenceFile(-1, WorksheetPane::AdditionalInformation), QString());
}

void TestReferenceTexts::availability()
{
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        const bool overview = number == 42 || number == 45;
        QCOMPARE(ReferenceTexts::isAvailable(number, WorksheetPane::Specification), !overview);
        QVERIFY(ReferenceTexts::isAvailable(number, WorksheetPane::ReferencesInRule));
        QVERIFY(ReferenceTexts::isAvailable(number, WorksheetPane::AdditionalInformation));
    }
    for (WorksheetPane pane : kPanes) {
        QVERIFY(!ReferenceTexts::isAvailable(-1, pane));
        QVERIFY(!ReferenceTexts::isAvailable(47, pane));
    }
    QCOMPARE(ReferenceTexts::kSampleEntryNumber, 14);
}

void TestReferenceTexts::headingLines()
{
    QCOMPARE(ReferenceTexts::headingLine(WorksheetPane::Specification),
             QStringLiteral("Implementation Specification:"));
    QCOMPARE(ReferenceTexts::headingLine(WorksheetPane::ReferencesInRule), QStringLiteral("References in Rule:"));
    QCOMPARE(ReferenceTexts::headingLine(WorksheetPane::AdditionalInformation),
             QStringLiteral("Additional Information:"));
}

void TestReferenceTexts::addressableEntries()
{
    const QList<int> addressable{5, 6, 7, 9, 10, 11, 12, 13, 14, 19, 20, 23, 24, 25, 26, 31, 32, 35, 36, 38, 40, 41};
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number)
        QCOMPARE(ReferenceTexts::isAddressable(number), addressable.contains(number));
    QVERIFY(!ReferenceTexts::isAddressable(8));
    QVERIFY(!ReferenceTexts::isAddressable(47));
}

void TestReferenceTexts::addressableBlock()
{
    const QStringList expected{
        "This Implementation Specification is Addressable.",
        "This means that a covered entity will do one of the following:",
        "    1 - Will Implement this Implementation specification.",
        "    2 - Implement one of more alternative security measures;",
        "    3 - Implement a combination of both; or",
        "    4 - Do not implement the addressable implementation specification or",
        "        an alternative security measure. (Least desirable)",
        "    Which ever action is taken it should be well documented!",
        "    In several addressable areas it may be easier to implement than explain/justify why not used!",
    };
    QCOMPARE(ReferenceTexts::addressableBlock(), expected);
}

void TestReferenceTexts::specificationKeyTerms()
{
    const char* const terms[] = {"Risk Analysis",
                                 "Risk Management",
                                 "Sanction Policy",
                                 "Information System Activity Review",
                                 "Assigned Security Responsibility",
                                 "Authorization and/or Supervision",
                                 "Workforce Clearance Procedure",
                                 "Termination Procedures",
                                 "Isolating health care clearinghouse functions",
                                 "Access Authorization",
                                 "Access Establishment and Modification",
                                 "Security Reminders",
                                 "Protection from malicious software",
                                 "Log-in monitoring",
                                 "Password management",
                                 "Response and Reporting",
                                 "Data backup plan",
                                 "Disaster recovery plan",
                                 "Emergency mode operation plan",
                                 "Testing and revision procedures",
                                 "Applications and data criticality analysis",
                                 "Evaluation",
                                 "Written Contract or Other Arrangement",
                                 "Contingency Operations",
                                 "Facility Security Plan",
                                 "Access control and validation procedures",
                                 "Maintenance records",
                                 "Workstation use",
                                 "Workstation security",
                                 "Disposal",
                                 "Media re-use",
                                 "Accountability",
                                 "Data backup and storage",
                                 "Unique user identification",
                                 "Emergency access procedure",
                                 "Automatic logoff",
                                 "Encryption and decryption",
                                 "Audit controls",
                                 "Mechanism to authenticate electronic protected health information",
                                 "Person or entity authentication",
                                 "Integrity controls",
                                 "Encryption",
                                 "",
                                 "Business associate",
                                 "Requirements for group health plans",
                                 "",
                                 "Documentation"};
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number)
        QCOMPARE(ReferenceTexts::keyTerm(number, WorksheetPane::Specification), QString::fromLatin1(terms[number]));
    // Panes replaced by a reference file have no key-term pass.
    QCOMPARE(ReferenceTexts::keyTerm(0, WorksheetPane::ReferencesInRule), QString());
    QCOMPARE(ReferenceTexts::keyTerm(46, WorksheetPane::AdditionalInformation), QString());
}

void TestReferenceTexts::emphasiseKeyTerm()
{
    QTextDocument document;
    const QString plain = QStringLiteral("Log-in monitoring matters.\r\nLOG-IN MONITORING of log-in monitoring"
                                         "log-in monitoring.\r\nNothing here: log-in, monitoring.");
    document.setPlainText(plain);
    ReferenceTexts::emphasiseKeyTerm(&document, QStringLiteral("Log-in monitoring"));
    QString failure;
    const QString map = emphasisMap(document, &failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(map, expectedMap(document.toPlainText(), QStringLiteral("Log-in monitoring")));
    QCOMPARE(map.count(QLatin1Char('X')), 4 * 17);
    QCOMPARE(document.toPlainText(), QString(plain).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TestReferenceTexts::emphasiseKeyTermEmptyTerm()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("Some text"));
    ReferenceTexts::emphasiseKeyTerm(&document, QString());
    ReferenceTexts::emphasiseKeyTerm(nullptr, QStringLiteral("text"));
    QString failure;
    QCOMPARE(emphasisMap(document, &failure), QStringLiteral("........."));
}

void TestReferenceTexts::noBuiltInTextForFilePanes()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("unchanged"));
    QVERIFY(!ReferenceTexts::buildDocument(&document, 0, WorksheetPane::ReferencesInRule));
    QVERIFY(!ReferenceTexts::buildDocument(&document, 42, WorksheetPane::Specification));
    QVERIFY(!ReferenceTexts::buildDocument(&document, 45, WorksheetPane::AdditionalInformation));
    QVERIFY(!ReferenceTexts::buildDocument(&document, 47, WorksheetPane::AdditionalInformation));
    QCOMPARE(document.toPlainText(), QStringLiteral("unchanged"));
    QCOMPARE(ReferenceTexts::builtInText(42, WorksheetPane::Specification), QString());
    QCOMPARE(ReferenceTexts::builtInText(46, WorksheetPane::ReferencesInRule), QString());
    QVERIFY(!ReferenceTexts::hasBuiltInText(45, WorksheetPane::Specification));
}

void TestReferenceTexts::suppliedTexts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<WorksheetPane>("pane");
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        for (WorksheetPane pane : kPanes) {
            if (expectsBuiltInText(number, pane))
                QTest::addRow("%02d-%s", number, paneName(pane)) << number << pane;
        }
    }
}

void TestReferenceTexts::suppliedTexts()
{
    QFETCH(int, number);
    QFETCH(WorksheetPane, pane);
    if (!ReferenceTexts::hasBuiltInText(number, pane))
        QSKIP("text not supplied yet");

    const QString body = ReferenceTexts::body(number, pane);
    const QString text = ReferenceTexts::builtInText(number, pane);
    const QString heading = ReferenceTexts::headingLine(pane);
    const QString lineBreak = QStringLiteral("\r\n");

    // Layout: heading, empty line, optional explanation block, body; CR LF line ends only.
    QVERIFY(text.startsWith(heading + lineBreak + lineBreak));
    QVERIFY(text.endsWith(body));
    QCOMPARE(text.count(QLatin1Char('\n')), text.count(lineBreak));
    QCOMPARE(text.count(QLatin1Char('\r')), text.count(lineBreak));
    QVERIFY(!body.startsWith(heading));

    const int minimum = pane == WorksheetPane::Specification ? 150 : 400;
    QVERIFY2(body.size() >= minimum, qPrintable(QStringLiteral("body has %1 characters").arg(body.size())));

    const QString term = ReferenceTexts::keyTerm(number, pane);
    QVERIFY2(!term.isEmpty(), "no key term");
    QVERIFY2(body.contains(term, Qt::CaseInsensitive), qPrintable(term));

    for (const char* banned : {"lorem", "TODO", "TBD", "FIXME", "placeholder"})
        QVERIFY2(!text.contains(QLatin1String(banned), Qt::CaseInsensitive), banned);

    const QString blockStart = ReferenceTexts::addressableBlock().first();
    const bool withBlock = pane == WorksheetPane::AdditionalInformation && ReferenceTexts::isAddressable(number);
    QCOMPARE(text.contains(blockStart), withBlock);
    if (withBlock) {
        const QString expected = heading + lineBreak + lineBreak + ReferenceTexts::addressableBlock().join(lineBreak) +
                                 lineBreak + lineBreak + body;
        QCOMPARE(text, expected);
    } else {
        QCOMPARE(text, heading + lineBreak + lineBreak + body);
    }

    QTextDocument document;
    QVERIFY(ReferenceTexts::buildDocument(&document, number, pane));
    QCOMPARE(document.blockCount(), text.count(lineBreak) + 1);
    QString failure;
    const QString map = emphasisMap(document, &failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(map, expectedMap(document.toPlainText(), term));
}

void TestReferenceTexts::ruleWording_data()
{
    QTest::addColumn<int>("number");
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        if (ReferenceTexts::isAvailable(number, WorksheetPane::Specification))
            QTest::addRow("%02d", number) << number;
    }
}

void TestReferenceTexts::ruleWording()
{
    QFETCH(int, number);
    if (!QFileInfo::exists(QStringLiteral(TESSALY_SHARED_REFERENCE "/regulation/164.308.txt")))
        QSKIP("the regulation text is not beside the repository");
    const RuleParagraphs& rule = kRule[number];
    const QString specification = ruleParagraph(rule.section, rule.specification);
    const QString standard = ruleParagraph(rule.section, rule.standard);
    QVERIFY2(!specification.isEmpty(), rule.specification);
    QVERIFY2(!standard.isEmpty(), rule.standard);
    if (!ReferenceTexts::hasBuiltInText(number, WorksheetPane::Specification))
        QSKIP("text not supplied yet");

    const QString body = ReferenceTexts::body(number, WorksheetPane::Specification);
    const QStringList lines = body.split(QStringLiteral("\r\n"));
    auto hasLine = [&lines](const QString& paragraph) {
        for (const QString& line : lines) {
            if (line.trimmed() == paragraph)
                return true;
        }
        return false;
    };
    QVERIFY2(hasLine(specification), qPrintable(specification));
    QVERIFY2(hasLine(standard), qPrintable(standard));
    QVERIFY(body.contains(QString::fromLatin1(rule.section)));
}

void TestReferenceTexts::logInMonitoringEmphasised()
{
    if (!ReferenceTexts::hasBuiltInText(13, WorksheetPane::Specification))
        QSKIP("text not supplied yet");
    QTextDocument document;
    QVERIFY(ReferenceTexts::buildDocument(&document, 13, WorksheetPane::Specification));
    const QString plain = document.toPlainText();
    const QString term = QStringLiteral("Log-in monitoring");
    QVERIFY(plain.contains(term));
    QString failure;
    const QString map = emphasisMap(document, &failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(map, expectedMap(plain, term));
    QVERIFY(map.contains(QLatin1Char('X')));
}

void TestReferenceTexts::everyTextIsSupplied()
{
    // 45 specification texts (not the two Overview entries), 33 built-in References in Rule
    // texts (14 entries use a reference file), 45 Additional Information texts (45 and 46 use a file).
    int expected = 0;
    QStringList missing;
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        for (WorksheetPane pane : kPanes) {
            if (!expectsBuiltInText(number, pane))
                continue;
            ++expected;
            if (!ReferenceTexts::hasBuiltInText(number, pane) || ReferenceTexts::keyTerm(number, pane).isEmpty())
                missing +=
                    QStringLiteral("%1-%2").arg(number, 2, 10, QLatin1Char('0')).arg(QLatin1String(paneName(pane)));
        }
    }
    QCOMPARE(expected, 45 + 33 + 45);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 of %2 missing: %3")
                                               .arg(missing.size())
                                               .arg(expected)
                                               .arg(missing.join(QLatin1Char(' ')))));
}

QTEST_MAIN(TestReferenceTexts)
#include "tst_referencetexts.moc"

// The safeguard catalog against its rows written out here, and its lookups.
#include "catalog/SafeguardCatalog.h"

#include <QtTest>

namespace {

struct Row
{
    int group;
    int index;
    int number;
    const char* caption;
    const char* title;
    const char* standard;
    const char* section;
    const char* specification;
};

const Row kRows[] = {
    {2, 0, 0, "Risk Analysis", "Risk Analysis", "Security Mananagement Process", "164.308(a)(1)", "Risk Analysis (R)"},
    {2, 1, 1, "Risk Management", "Risk Management", "Security Mananagement Process", "164.308(a)(1)",
     "Risk Management (R)"},
    {2, 2, 2, "Sanction Policy", "Sanction Policy", "Security Mananagement Process", "164.308(a)(1)",
     "Sanction Policy (R)"},
    {2, 3, 3, "Information System...", "Information System Activity Review", "Security Mananagement Process",
     "164.308(a)(1)", "Information System Activity Review (R)"},
    {2, 4, 4, "Assigned Security...", "Assigned Security Responsibility", "Assigned Security Responsibility",
     "164.308(a)(2)", "Assigned Security Responsibility (R)"},
    {2, 5, 5, "Authorization...", "Authorization and/or Supervision", "Workforce Security", "164.308(a)(3)",
     "Authorization and/or Supervision (A)"},
    {2, 6, 6, "Workforce Clearance", "Workforce Clearance Procedure", "Workforce Security", "164.308(a)(3)",
     "Workforce Clearance Procedure (A)"},
    {2, 7, 7, "Termination Proc.", "Termination Procedures", "Workforce Security", "164.308(a)(3)",
     "Termination Procedures (A)"},
    {2, 8, 8, "Isolating C. H.", "Isolating Health Care Clearing House Function", "Information Access Management",
     "164.308(a)(4)", "Isolating Health care Clearinghouse Function(R)"},
    {2, 9, 9, "Access Auth..", "Access Authorization", "Information Access Management", "164.308(a)(4)",
     "Access Authorization (A)"},
    {2, 10, 10, "Access Est..", "Access Establishment and Modification", "Information Access Management",
     "164.308(a)(4)", "Access Establishment and Modification (A)"},
    {2, 11, 11, "Security Rem..", "Security Reminders", "Security Awareness and Testing", "164.308(a)(5)",
     "Security Reminders (A)"},
    {2, 12, 12, "Protection fr..", "Protection from Malicious Software", "Security Awareness and Testing",
     "164.308(a)(5)", "Protection from Malicious Software (A)"},
    {2, 13, 13, "Log-in Monitoring", "Log-in Monitoring", "Security Awareness and Testing", "164.308(a)(5)",
     "Log-in Monitoring (A)"},
    {2, 14, 14, "Password Man..", "Password Management", "Security Awareness and Testing", "164.308(a)(5)",
     "Password Management (A)"},
    {2, 15, 15, "Resp. && Report.", "Response and Reporting", "Security Incident Procedures", "164.308(a)(6)",
     "Response and Reporting (R)"},
    {2, 16, 16, "Data Backup", "Data Backup Plan", "Contingency Plan", "164.308(a)(7)", "Data Backup Plan (R)"},
    {2, 17, 17, "Disaster Recovery", "Disaster Recovery Plan", "Contingency Plan", "164.308(a)(7)",
     "Disaster Recovery Plan (R)"},
    {2, 18, 18, "Emergency Mode", "Emergency Mode Operation Plan", "Contingency Plan", "164.308(a)(7)",
     "Emergency Mode Operation (R)"},
    {2, 19, 19, "Testing && Revision", "Testing and Revision Procedure", "Contingency Plan", "164.308(a)(7)",
     "Testing and Revision Procedure (A)"},
    {2, 20, 20, "Applications..", "Applications and Data Criticality Analysis", "Contingency Plan", "164.308(a)(7)",
     "Applications and Data Criticality Analysis (A)"},
    {2, 21, 21, "Evaluation", "Evaluation", "Evaluation", "164.308(a)(8)", "Evaluation (R)"},
    {2, 22, 22, "Business Assoc..", "Business Associate Contracts And Other Arrangements",
     "Business Associate Contacts && Other Arrangements", "164.308(B)(1)",
     "Written Contract or Other Arrangements (R)"},
    {3, 0, 23, "Contingency Operation", "Contingency Operation", "Facility Access Controls", "164.310(a)(1)",
     "Contingency Operation (A)"},
    {3, 1, 24, "Facility Security Plan", "Facility Security Plan", "Facility Access Controls", "164.310(a)(1)",
     "Facility Security Plan (A)"},
    {3, 2, 25, "Access Control and Validation", "Access Control and Validation", "Facility Access Controls",
     "164.310(a)(1)", "Access Control && Validation Procedures (A)"},
    {3, 3, 26, "Maintenance Records", "Maintenance Records", "Facility Access Controls", "164.310(a)(1)",
     "Maintenance Records (A)"},
    {3, 4, 27, "Workstation Use", "Workstation Use", "Workstation Use", "164.310(b)", "Workstation Use (R)"},
    {3, 5, 28, "Workstation Security", "Workstation Security", "Workstation Security", "164.310(c)",
     "Workstation Security (R)"},
    {3, 6, 29, "Disposal", "Disposal", "Device and Media Controls", "164.310(d)(1)", "Disposal (R)"},
    {3, 7, 30, "Media Re-use", "Media Re-use", "Device and Media Controls", "164.310(d)(1)", "Media Re-use (R)"},
    {3, 8, 31, "Accountability", "Accountability", "Device and Media Controls", "164.310(d)(1)", "Accountability (A)"},
    {3, 9, 32, "Data Backup and Storage", "Data Backup and Storage", "Device and Media Controls", "164.310(d)(1)",
     "Data Backup and Storage (A)"},
    {4, 0, 33, "Unique User Identification", "Unique User Identification", "Access Controls", "164.312(a)(1)",
     "Unique User Identification (R)"},
    {4, 1, 34, "Emergency Access Procedure", "Emergency Access Procedure", "Access Controls", "164.312(a)(1)",
     "Emergency Access Procedure (R)"},
    {4, 2, 35, "Automatic Logoff", "Automatic Logoff", "Access Controls", "164.312(a)(1)", "Automatic Logoff (A)"},
    {4, 3, 36, "Encryption and Decryption", "Encryption and Decryption", "Access Controls", "164.312(a)(1)",
     "Encryption and Decryption (A)"},
    {4, 4, 37, "Audit Controls", "Audit Controls", "Audit Controls", "164.312(b)", "Audit Controls (R)"},
    {4, 5, 38, "Mechanism to Authenticate Electronic PHI", "Mechanism to Authenticate Electronic PHI", "Ingerity",
     "164.312(c)(1)", "Mechanism to Authenticate Electronic PHI (A)"},
    {4, 6, 39, "Person or entity Authentication", "Person or entity Authentication", "Person or Entity Authentication",
     "164.312(d)", "Person or Entity Authentication (R)"},
    {4, 7, 40, "Integrity Controls", "Integrity Controls", "Transmission Security", "164.312(e)(1)",
     "Integrity Controls (A)"},
    {4, 8, 41, "Encryption", "Encryption", "Transmission Security", "164.312(e)(1)", "Encryption (A)"},
    {5, 0, 42, "Organizational Requirements Overview", "Organizational Requirements Overview", "", "", ""},
    {5, 1, 43, "Business associate contracts or other arrangements Standard",
     "Business associate contracts or other arrangements Standard",
     "Business associate contracts or other arrangements", "164.314(a)(1)",
     "Business associate contracts or other ... (R)"},
    {5, 2, 44, "Requirements for group health plans Standard", "Requirements for group health plans Standard",
     "Requirements for Health Group Plans", "164.314(b)(1)", "Requirements for Health Group Plans (R)"},
    {6, 0, 45, "Policies and Procedures and Documentation Requirements Overview",
     "Policies and Procedures and Documentation Requirements Overview", "", "", ""},
    {6, 1, 46, "Documentation", "Documentation", "Documentation", "164.316", "(R)"},
};

} // namespace

class TestSafeguardCatalog : public QObject
{
    Q_OBJECT

private slots:
    void groups_data();
    void groups();
    void nonGroupViews();
    void everyRow();
    void numbersAndRecordsHaveNoGaps();
    void lookupsRejectWhatIsNotThere();
    void documentFileNames_data();
    void documentFileNames();
    void headingLabels();
    void overviewHeadingLabels();
    void displayText();
};

void TestSafeguardCatalog::groups_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstNumber");
    QTest::addColumn<int>("firstRecord");
    QTest::newRow("administrative") << 2 << "Administrative Safeguards"
                                    << "164.308" << 23 << 0 << 1;
    QTest::newRow("physical") << 3 << "Physical Safeguards"
                              << "164.310" << 10 << 23 << 24;
    QTest::newRow("technical") << 4 << "Technical Safeguards"
                               << "164.312" << 9 << 33 << 34;
    QTest::newRow("organization") << 5 << "Organization Requirements"
                                  << "164.314" << 3 << 42 << 43;
    QTest::newRow("policies") << 6 << "Policies and Proceedures..."
                              << "164.316" << 2 << 45 << 46;
}

void TestSafeguardCatalog::groups()
{
    QFETCH(int, code);
    const SafeguardGroup* group = SafeguardCatalog::group(code);
    QVERIFY(group);
    QCOMPARE(group->code, code);
    QTEST(group->caption, "caption");
    QTEST(group->section, "section");
    QTEST(group->entryCount, "count");
    QTEST(group->firstEntryNumber, "firstNumber");
    QTEST(group->firstStatusRecord, "firstRecord");
}

void TestSafeguardCatalog::nonGroupViews()
{
    for (int code : {-1, 0, 1, 7, 8, 9, 10})
        QVERIFY2(!SafeguardCatalog::group(code), qPrintable(QString::number(code)));
    QCOMPARE(SafeguardCatalog::groups().size(), 5);
}

void TestSafeguardCatalog::everyRow()
{
    QCOMPARE(SafeguardCatalog::entries().size(), int(std::size(kRows)));
    for (const Row& row : kRows) {
        const SafeguardEntry* entry = SafeguardCatalog::entry(row.group, row.index);
        QVERIFY2(entry, row.caption);
        QCOMPARE(SafeguardCatalog::entry(row.number), entry);
        QCOMPARE(entry->groupCode, row.group);
        QCOMPARE(entry->index, row.index);
        QCOMPARE(entry->number, row.number);
        QCOMPARE(entry->buttonCaption, QString::fromLatin1(row.caption));
        QCOMPARE(entry->fullTitle, QString::fromLatin1(row.title));
        QCOMPARE(entry->standard, QString::fromLatin1(row.standard));
        QCOMPARE(entry->section, QString::fromLatin1(row.section));
        QCOMPARE(entry->specification, QString::fromLatin1(row.specification));
        QCOMPARE(entry->isOverview, row.number == 42 || row.number == 45);
    }
}

void TestSafeguardCatalog::numbersAndRecordsHaveNoGaps()
{
    int expected = 0;
    for (const SafeguardGroup& group : SafeguardCatalog::groups()) {
        QCOMPARE(group.firstEntryNumber, expected);
        for (int index = 0; index < group.entryCount; ++index, ++expected) {
            QCOMPARE(SafeguardCatalog::entryNumber(group.code, index), expected);
            const EntryPosition position = SafeguardCatalog::groupAndIndex(expected);
            QVERIFY(position.isValid());
            QCOMPARE(position.groupCode, group.code);
            QCOMPARE(position.index, index);
            QCOMPARE(SafeguardCatalog::statusRecord(expected), expected + 1);
        }
    }
    QCOMPARE(expected, SafeguardCatalog::kEntryCount);
    // The group boundary: last Administrative entry and first Physical entry.
    QCOMPARE(SafeguardCatalog::statusRecord(22), 23);
    QCOMPARE(SafeguardCatalog::statusRecord(23), 24);
    QCOMPARE(SafeguardCatalog::statusRecord(46), 47);
}

void TestSafeguardCatalog::lookupsRejectWhatIsNotThere()
{
    QVERIFY(!SafeguardCatalog::entry(-1));
    QVERIFY(!SafeguardCatalog::entry(47));
    QVERIFY(!SafeguardCatalog::entry(2, 23));
    QVERIFY(!SafeguardCatalog::entry(6, 2));
    QVERIFY(!SafeguardCatalog::entry(7, 0));
    QVERIFY(!SafeguardCatalog::entry(2, -1));
    QCOMPARE(SafeguardCatalog::entryNumber(3, 10), -1);
    QCOMPARE(SafeguardCatalog::entryNumber(1, 0), -1);
    QVERIFY(!SafeguardCatalog::groupAndIndex(47).isValid());
    QVERIFY(!SafeguardCatalog::groupAndIndex(-1).isValid());
    QCOMPARE(SafeguardCatalog::statusRecord(47), 0);
    QCOMPARE(SafeguardCatalog::documentFileName(47, WorksheetPane::ActionTaken), QString());
    QCOMPARE(SafeguardCatalog::documentFileName(-1, WorksheetPane::PoliciesProcedures), QString());
}

void TestSafeguardCatalog::documentFileNames_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<WorksheetPane>("pane");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 0 << WorksheetPane::ActionTaken << "Action0.Fil";
    QTest::newRow("first physical") << 23 << WorksheetPane::CommentsNotes << "Comment23.Fil";
    QTest::newRow("last") << 46 << WorksheetPane::PoliciesProcedures << "Policy46.Fil";
    QTest::newRow("overview") << 42 << WorksheetPane::ActionTaken << "Action42.Fil";
    QTest::newRow("single digit") << 9 << WorksheetPane::CommentsNotes << "Comment9.Fil";
}

void TestSafeguardCatalog::documentFileNames()
{
    QFETCH(int, number);
    QFETCH(WorksheetPane, pane);
    QTEST(SafeguardCatalog::documentFileName(number, pane), "name");
}

void TestSafeguardCatalog::headingLabels()
{
    const SafeguardEntry& risk = *SafeguardCatalog::entry(2, 0);
    QCOMPARE(SafeguardCatalog::standardLabel(risk), QStringLiteral(" Standard: Security Mananagement Process"));
    QCOMPARE(SafeguardCatalog::sectionLabel(risk), QStringLiteral(" Section: 164.308(a)(1)"));
    QCOMPARE(SafeguardCatalog::specificationLabel(risk), QStringLiteral(" Specification: Risk Analysis (R)"));

    const SafeguardEntry& documentation = *SafeguardCatalog::entry(46);
    QCOMPARE(SafeguardCatalog::standardLabel(documentation), QStringLiteral(" Standard: Documentation"));
    QCOMPARE(SafeguardCatalog::sectionLabel(documentation), QStringLiteral(" Section: 164.316"));
    QCOMPARE(SafeguardCatalog::specificationLabel(documentation), QStringLiteral(" Specification: (R)"));

    for (const Row& row : kRows) {
        const SafeguardEntry& entry = *SafeguardCatalog::entry(row.number);
        if (entry.isOverview)
            continue;
        QCOMPARE(SafeguardCatalog::standardLabel(entry), QStringLiteral(" Standard: ") + QLatin1String(row.standard));
        QCOMPARE(SafeguardCatalog::sectionLabel(entry), QStringLiteral(" Section: ") + QLatin1String(row.section));
        QCOMPARE(SafeguardCatalog::specificationLabel(entry),
                 QStringLiteral(" Specification: ") + QLatin1String(row.specification));
    }
}

void TestSafeguardCatalog::overviewHeadingLabels()
{
    const SafeguardEntry& organization = *SafeguardCatalog::entry(5, 0);
    QCOMPARE(organization.number, 42);
    QCOMPARE(SafeguardCatalog::standardLabel(organization), QStringLiteral(" Organizational Requirements Overview"));
    QCOMPARE(SafeguardCatalog::sectionLabel(organization), QStringLiteral(" Section 164.314"));
    QCOMPARE(SafeguardCatalog::specificationLabel(organization), QString());

    const SafeguardEntry& policies = *SafeguardCatalog::entry(6, 0);
    QCOMPARE(policies.number, 45);
    QCOMPARE(SafeguardCatalog::standardLabel(policies),
             QStringLiteral(" Policies and Procedures and Documentation Requirements"));
    QCOMPARE(SafeguardCatalog::sectionLabel(policies), QStringLiteral(" Section 164.316"));
    QCOMPARE(SafeguardCatalog::specificationLabel(policies), QString());
    QVERIFY(SafeguardCatalog::specificationLabel(policies).isEmpty());

    // Overview entries still own documents and a status record.
    QCOMPARE(SafeguardCatalog::statusRecord(42), 43);
    QCOMPARE(SafeguardCatalog::documentFileName(45, WorksheetPane::PoliciesProcedures), QStringLiteral("Policy45.Fil"));
}

void TestSafeguardCatalog::displayText()
{
    QCOMPARE(SafeguardCatalog::displayText(SafeguardCatalog::entry(15)->buttonCaption),
             QStringLiteral("Resp. & Report."));
    QCOMPARE(SafeguardCatalog::displayText(SafeguardCatalog::entry(19)->buttonCaption),
             QStringLiteral("Testing & Revision"));
    QCOMPARE(SafeguardCatalog::displayText(SafeguardCatalog::standardLabel(*SafeguardCatalog::entry(22))),
             QStringLiteral(" Standard: Business Associate Contacts & Other Arrangements"));
    QCOMPARE(SafeguardCatalog::displayText(QStringLiteral("Policies && Procedures/Plan")),
             QStringLiteral("Policies & Procedures/Plan"));
    QCOMPARE(SafeguardCatalog::displayText(QStringLiteral("no ampersand")), QStringLiteral("no ampersand"));
    QCOMPARE(SafeguardCatalog::displayText(QStringLiteral("&&&&")), QStringLiteral("&&"));
}

QTEST_GUILESS_MAIN(TestSafeguardCatalog)
#include "tst_safeguardcatalog.moc"

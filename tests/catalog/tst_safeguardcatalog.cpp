// The safeguard catalog: its numbering and lookups, and rows with unusual wording.
#include "catalog/SafeguardCatalog.h"

#include <QtTest>

class TestSafeguardCatalog : public QObject
{
    Q_OBJECT

private slots:
    void numbersAndRecordsHaveNoGaps();
    void lookupsRejectWhatIsNotThere();
    void entriesAsShown_data();
    void entriesAsShown();
};

// Entries are numbered 0-46 group after group; the number keys the status record (number + 1)
// and the three document files.
void TestSafeguardCatalog::numbersAndRecordsHaveNoGaps()
{
    QCOMPARE(SafeguardCatalog::entries().size(), 47);
    int expected = 0;
    for (const SafeguardGroup& group : SafeguardCatalog::groups()) {
        QCOMPARE(group.firstEntryNumber, expected);
        QCOMPARE(group.firstStatusRecord, expected + 1);
        for (int index = 0; index < group.entryCount; ++index, ++expected) {
            const SafeguardEntry* entry = SafeguardCatalog::entry(group.code, index);
            QVERIFY(entry);
            QCOMPARE(SafeguardCatalog::entry(expected), entry);
            QCOMPARE(entry->number, expected);
            QCOMPARE(SafeguardCatalog::entryNumber(group.code, index), expected);
            QCOMPARE(SafeguardCatalog::groupAndIndex(expected).groupCode, group.code);
            QCOMPARE(SafeguardCatalog::groupAndIndex(expected).index, index);
            QCOMPARE(SafeguardCatalog::statusRecord(expected), expected + 1);
            QCOMPARE(SafeguardCatalog::documentFileName(expected, WorksheetPane::ActionTaken),
                     QStringLiteral("Action%1.Fil").arg(expected));
            QCOMPARE(SafeguardCatalog::documentFileName(expected, WorksheetPane::CommentsNotes),
                     QStringLiteral("Comment%1.Fil").arg(expected));
            QCOMPARE(SafeguardCatalog::documentFileName(expected, WorksheetPane::PoliciesProcedures),
                     QStringLiteral("Policy%1.Fil").arg(expected));
            // Apart from the two overviews, every entry lies in its group's section and is
            // marked Required or Addressable.
            QCOMPARE(entry->isOverview, expected == 42 || expected == 45);
            QVERIFY(entry->isOverview || entry->section.startsWith(group.section));
            QVERIFY(entry->isOverview || entry->specification.endsWith(QLatin1String("(R)")) ||
                    entry->specification.endsWith(QLatin1String("(A)")));
        }
    }
    QCOMPARE(expected, 47);
}

void TestSafeguardCatalog::lookupsRejectWhatIsNotThere()
{
    for (int code : {-1, 0, 1, 7, 9})
        QVERIFY(!SafeguardCatalog::group(code));
    for (int number : {-1, 47}) {
        QVERIFY(!SafeguardCatalog::entry(number));
        QVERIFY(!SafeguardCatalog::groupAndIndex(number).isValid());
        QCOMPARE(SafeguardCatalog::statusRecord(number), 0);
        QCOMPARE(SafeguardCatalog::documentFileName(number, WorksheetPane::ActionTaken), QString());
    }
    QVERIFY(!SafeguardCatalog::entry(2, 23) && !SafeguardCatalog::entry(2, -1) && !SafeguardCatalog::entry(6, 2));
    QVERIFY(SafeguardCatalog::entryNumber(3, 10) == -1 && SafeguardCatalog::entryNumber(1, 0) == -1);
}

// Caption, standard, section and specification as shown, with the catalog's wording as the
// program has always had it, misspellings included; "&&" in a caption shows as one "&".
// Entries 15 and 42 are checked on the Action Area's screen (tst_workarea).
void TestSafeguardCatalog::entriesAsShown_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("risk analysis") << 0
                                   << QStringList{"Risk Analysis", " Standard: Security Mananagement Process",
                                                  " Section: 164.308(a)(1)", " Specification: Risk Analysis (R)"};
    QTest::newRow("business associates") << 22
                                         << QStringList{"Business Assoc..",
                                                        " Standard: Business Associate Contacts && Other Arrangements",
                                                        " Section: 164.308(B)(1)",
                                                        " Specification: Written Contract or Other Arrangements (R)"};
    QTest::newRow("integrity") << 38
                               << QStringList{"Mechanism to Authenticate Electronic PHI", " Standard: Ingerity",
                                              " Section: 164.312(c)(1)",
                                              " Specification: Mechanism to Authenticate Electronic PHI (A)"};
    QTest::newRow("policies overview") << 45
                                       << QStringList{"Policies and Procedures and Documentation Requirements Overview",
                                                      " Policies and Procedures and Documentation Requirements",
                                                      " Section 164.316", ""};
    QTest::newRow("documentation") << 46
                                   << QStringList{"Documentation", " Standard: Documentation", " Section: 164.316",
                                                  " Specification: (R)"};
}

void TestSafeguardCatalog::entriesAsShown()
{
    QFETCH(int, number);
    const SafeguardEntry& entry = *SafeguardCatalog::entry(number);
    QTEST((QStringList{SafeguardCatalog::displayText(entry.buttonCaption), SafeguardCatalog::standardLabel(entry),
                       SafeguardCatalog::sectionLabel(entry), SafeguardCatalog::specificationLabel(entry)}),
          "shown");
}

QTEST_GUILESS_MAIN(TestSafeguardCatalog)
#include "tst_safeguardcatalog.moc"

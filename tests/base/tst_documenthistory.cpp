// The documents' history: what a save replaces is kept once, dated and signed, and kept for
// six years after it was replaced.
#include "FakeClock.h"
#include "TestFolder.h"

#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "base/DocumentHistory.h"
#include "base/LoginName.h"

#include <QtTest>

class TestDocumentHistory : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { DocumentHistory::setTracked(nullptr); }
    void savesKeepWhatTheyReplaceOnce();
    void versionsGoSixYearsAfterTheyWereReplaced();
    void aDamagedVersionReadsAsNothing();

private:
    std::unique_ptr<TestFolder> m_folder;
    static QStringList texts(const QList<DocumentHistory::Version>& versions)
    {
        QStringList found;
        for (const DocumentHistory::Version& v : versions)
            found << QString::fromLatin1(DocumentHistory::read(v).value_or("?"));
        return found;
    }
};

void TestDocumentHistory::init()
{
    m_folder = std::make_unique<TestFolder>(false);
    DocumentHistory::setTracked([](const QString& name) { return name == QLatin1String("Action3.Fil"); });
}

void TestDocumentHistory::savesKeepWhatTheyReplaceOnce()
{
    FakeClock clock(QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC), 60000);
    const QString path = DataFolder::path(QStringLiteral("Action3.Fil"));
    for (const char* text : {"one", "two", "two", "three"})
        QVERIFY(writeFileAtomically(path, text));
    const QList<DocumentHistory::Version> versions = DocumentHistory::versions(QStringLiteral("Action3.Fil"));
    QCOMPARE(texts(versions), (QStringList{"two", "one"}));
    QCOMPARE(versions.first().login, loginName());
    QVERIFY(versions.first().replacedAt > versions.last().replacedAt);
    QVERIFY(versions.first().path.endsWith(".qz"));
    // An untracked file has no history, nor has a file outside the workbook folder.
    QVERIFY(writeFileAtomically(DataFolder::path(QStringLiteral("Stat1.Fil")), "a"));
    QVERIFY(writeFileAtomically(DataFolder::path(QStringLiteral("Stat1.Fil")), "b"));
    QVERIFY(DocumentHistory::versions(QStringLiteral("Stat1.Fil")).isEmpty());
    QVERIFY(!DocumentHistory::tracks(m_folder->filePath(QStringLiteral("sub/Action3.Fil"))));
}

void TestDocumentHistory::versionsGoSixYearsAfterTheyWereReplaced()
{
    const QDateTime start(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC);
    {
        FakeClock clock(start, 0);
        QVERIFY(DocumentHistory::keep(QStringLiteral("Action3.Fil"), "2019 policy"));
    }
    {
        FakeClock clock(start.addYears(1), 0);
        QVERIFY(DocumentHistory::keep(QStringLiteral("Action3.Fil"), "2020 policy"));
    }
    QCOMPARE(DocumentHistory::prune(QStringLiteral("Action3.Fil"), start.addYears(6)), 0);
    QCOMPARE(DocumentHistory::prune(QStringLiteral("Action3.Fil"), start.addYears(6).addDays(1)), 1);
    QCOMPARE(texts(DocumentHistory::versions(QStringLiteral("Action3.Fil"))), QStringList{"2020 policy"});
}

void TestDocumentHistory::aDamagedVersionReadsAsNothing()
{
    QVERIFY(DocumentHistory::keep(QStringLiteral("Action3.Fil"), "kept"));
    const DocumentHistory::Version version = DocumentHistory::versions(QStringLiteral("Action3.Fil")).value(0);
    QFile file(version.path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("not compressed");
    file.close();
    QVERIFY(!DocumentHistory::read(version));
}

QTEST_GUILESS_MAIN(TestDocumentHistory)
#include "tst_documenthistory.moc"

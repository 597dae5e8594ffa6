// Two copies on one workbook: the second one reads only and writes nothing; locks left by a
// crash, here or on another computer, do not block for good.
#include "TestFolder.h"

#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "base/RecordFile.h"
#include "base/WorkbookAccess.h"
#include "base/WorkbookLock.h"

#include <QProcess>
#include <QSysInfo>
#include <QtTest>

class TestWorkbookLock : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WorkbookAccess::setWritable(); }
    void secondCopyWritesNothing();
    void leftoverLocks_data();
    void leftoverLocks();
};

void TestWorkbookLock::secondCopyWritesNothing()
{
    TestFolder folder(false);
    WorkbookLock first(folder.path());
    QVERIFY(first.acquire());
    QVERIFY(writeFileAtomically(DataFolder::writePath("Action0.Fil"), "the first copy's text"));

    WorkbookLock second(folder.path());
    QVERIFY(!second.acquire());
    const WorkbookLock::Holder holder = second.holder();
    QCOMPARE(holder.host, QSysInfo::machineHostName());
    QVERIFY(!holder.user.isEmpty());
    QVERIFY(holder.since.isValid());
    WorkbookAccess::setReadOnly("It is open in Tessaly by " + WorkbookLock::describe(holder) + ".");

    QString error;
    QVERIFY(!writeFileAtomically(DataFolder::writePath("Action0.Fil"), "the second copy's text", &error));
    QVERIFY(error.contains("Action0.Fil") && error.contains(holder.host));
    QVERIFY(!RecordFile("Stat1.Fil", 20).writeText(1, "Completed"));
    QVERIFY(!writeNewFile(folder.filePath("Restored.Fil"), "x"));
    QCOMPARE(folder.read("Action0.Fil"), QByteArray("the first copy's text"));
    QVERIFY(!QFileInfo::exists(folder.filePath("Stat1.Fil")));
    // What the user exports elsewhere (a PDF) is no write into the workbook.
    QTemporaryDir elsewhere;
    QVERIFY(writeFileAtomically(elsewhere.filePath("report.pdf"), "%PDF"));
}

void TestWorkbookLock::leftoverLocks_data()
{
    QTest::addColumn<bool>("deadProcess");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("ageMinutes");
    QTest::addColumn<bool>("takenOver");
    QTest::newRow("a killed copy here") << true << QSysInfo::machineHostName() << 0 << true;
    QTest::newRow("another computer, renewed") << false << "front-desk" << 1 << false;
    QTest::newRow("another computer, long silent") << false << "front-desk" << 11 << true;
}

void TestWorkbookLock::leftoverLocks()
{
    QFETCH(bool, deadProcess);
    QFETCH(QString, host);
    QFETCH(int, ageMinutes);
    QFETCH(bool, takenOver);
    TestFolder folder(false);
    qint64 pid = 1;
    if (deadProcess) {
        QProcess gone;
        gone.start("true");
        QVERIFY(gone.waitForStarted());
        pid = gone.processId();
        QVERIFY(gone.waitForFinished());
    }
    // The layout QLockFile itself writes: process, application, host.
    folder.write(WorkbookLock::kLockName, QString("%1\nTessaly\n%2\n").arg(pid).arg(host).toUtf8());
    QFile lockFile(folder.filePath(WorkbookLock::kLockName));
    QVERIFY(lockFile.open(QIODevice::ReadWrite));
    QVERIFY(lockFile.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-60 * ageMinutes),
                                 QFileDevice::FileModificationTime));
    lockFile.close();

    WorkbookLock lock(folder.path());
    QCOMPARE(lock.acquire(), takenOver);
    if (!takenOver)
        QCOMPARE(lock.holder().host, host);
}

QTEST_GUILESS_MAIN(TestWorkbookLock)
#include "tst_workbooklock.moc"

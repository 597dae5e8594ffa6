// The backup and restore runs over a medium in memory: disk indexes byte for byte, disks that
// fill, disk prompts, checksums and undoing a restore.
#include "MemoryMedium.h"
#include "TestFolder.h"

#include "backup/BackupRun.h"
#include "backup/EvidenceBundle.h"
#include "backup/RestoreRun.h"
#include "backup/RestoreSnapshot.h"
#include "backup/UserFiles.h"
#include "base/DataFolder.h"
#include "base/DisplaySettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QtTest>

using Messages::Answer;
using Files = QMap<QString, QByteArray>;

namespace {

QByteArray record(const QByteArray& text = QByteArray())
{
    QByteArray r(30, '\0');
    r[0] = char(text.size());
    r.replace(2, text.size(), text);
    return r;
}

QByteArray index(const QByteArray& disk, const QByteArray& next, const QByteArray& last)
{
    return record("HIPAA") + record(disk) + record(next) + record(last) + record() + record("T1");
}

// Every User Created File, item n of the set holding `size(n)` bytes of its own.
Files makeUserFiles(
    const TestFolder& folder, const std::function<int(int)>& size = [](int) { return 100; })
{
    Files files;
    const QStringList names = UserFiles::names();
    for (int n = 0; n < names.size(); ++n) {
        if (size(n) == 0)
            continue; // never made by the user
        files[names.at(n)] = names.at(n).toLatin1().repeated(size(n)).left(size(n));
        folder.write(names.at(n), files[names.at(n)]);
    }
    return files;
}

Files userFilesNow()
{
    Files files;
    for (const QString& name : UserFiles::names()) {
        QFile file(DataFolder::path(name));
        if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    }
    return files;
}

void wipeUserFiles()
{
    for (const QString& name : UserFiles::names())
        QFile::remove(DataFolder::path(name));
}

QByteArray onDisk(const MemoryMedium& medium, int disk, const QString& name)
{
    return medium.disks.at(disk).files.value(name.toLower());
}

} // namespace

class TestBackupRestore : public QObject
{
    Q_OBJECT
private slots:
    void oneMediumSet();
    void mediumFillsAtItem_data();
    void mediumFillsAtItem();
    void unchangedDiskIsAskedForAgain();
    void cancelAtDiskPrompt_data();
    void cancelAtDiskPrompt();
    void unreadableCopiesStopTheBackup();
    void probe_data();
    void probe();
    void twoDiskRestoreAcceptsOnlyTheNextDisk();
    void restoreRefusesOtherThanDiskOne_data();
    void restoreRefusesOtherThanDiskOne();
    void damagedFileIsNamedAndRestoreCanBeUndone();
    void mediumPulledOutFailsTheBackup();
    void lostFilesAreNamedBeforeAnythingIsDeleted_data();
    void lostFilesAreNamedBeforeAnythingIsDeleted();
    void roundTripOverThreeMedia();
    void evidenceRecordTravelsAfterTheSet_data();
    void evidenceRecordTravelsAfterTheSet();
    void evidenceBundles();
};

void TestBackupRestore::oneMediumSet()
{
    TestFolder folder(false);
    const Files files = makeUserFiles(folder);
    MemoryMedium medium;
    RecordingView view;
    QCOMPARE(BackupRun(medium, view).makeBackup(medium.location()), BackupRun::Outcome::Completed);
    QCOMPARE(view.status, QStringLiteral("Backup Complete"));
    QCOMPARE(onDisk(medium, 0, "DiskInfo.bk1"), index("1", "", "162"));
    const QByteArray sums = onDisk(medium, 0, "Sums.bk1");
    QCOMPARE(sums.count('\n'), 169);
    QVERIFY(sums.contains(QCryptographicHash::hash(files["Action7.Fil"], QCryptographicHash::Sha256).toHex() +
                          "  Action7.hb1\n"));

    wipeUserFiles();
    view.answers = {Answer::Yes};
    QCOMPARE(RestoreRun(medium, view).run(QDateTime(QDate(2026, 12, 6), QTime(14, 5))), RestoreRun::Outcome::Completed);
    QVERIFY(medium.prompts.isEmpty());
    QCOMPARE(view.status, QStringLiteral("Restoration Completed"));
    QCOMPARE(userFilesNow(), files);
}

void TestBackupRestore::mediumFillsAtItem_data()
{
    QTest::addColumn<int>("item");
    QTest::newRow("first numbered") << 0;
    QTest::newRow("first comment") << 47;
    QTest::newRow("the plan") << 162;
}

void TestBackupRestore::mediumFillsAtItem()
{
    QFETCH(int, item);
    TestFolder folder(false);
    const Files files = makeUserFiles(folder);
    MemoryMedium medium;
    medium.disk().backupBytesAllowed = (UserFiles::kSmallFileCount + item) * 100;
    medium.steps = {{Answer::Ok, 1}};
    RecordingView view;
    QCOMPARE(BackupRun(medium, view).makeBackup(medium.location()), BackupRun::Outcome::Completed);
    QCOMPARE(onDisk(medium, 0, "DiskInfo.bk1"), index("1", "2", QByteArray::number(item - 1)));
    QCOMPARE(onDisk(medium, 1, "DiskInfo.bk1"), index("2", "2", "162"));
    const QString itemName = QFileInfo(UserFiles::names().at(UserFiles::kSmallFileCount + item)).completeBaseName();
    QVERIFY(onDisk(medium, 0, itemName + ".hb1").isNull());
    QVERIFY(!onDisk(medium, 1, itemName + ".hb1").isNull());
    QCOMPARE(medium.disks.at(1).files.size(), 162 - item + 1 + 2);

    wipeUserFiles();
    medium.current = 0;
    medium.steps = {{Answer::Ok, 1}};
    view.answers = {Answer::Yes};
    RestoreRun(medium, view).run(QDateTime::currentDateTime());
    QCOMPARE(userFilesNow(), files);
}

void TestBackupRestore::unchangedDiskIsAskedForAgain()
{
    TestFolder folder(false);
    makeUserFiles(folder);
    MemoryMedium medium;
    medium.disk().backupBytesAllowed = 5000;
    medium.steps = {{Answer::Ok, 0}, {Answer::Ok, 1}};
    RecordingView view;
    BackupRun(medium, view).makeBackup(medium.location());
    QCOMPARE(medium.prompts.size(), 2);
    QCOMPARE(medium.prompts.at(1), medium.prompts.at(0));
    QVERIFY(medium.prompts.at(0).startsWith("Disk is Full.\rPlease Insert Backup Disk #2\rCAUTION"));
    QCOMPARE(onDisk(medium, 1, "DiskInfo.bk1").mid(30, 30), record("2"));
}

void TestBackupRestore::cancelAtDiskPrompt_data()
{
    QTest::addColumn<qint64>("allowed");
    QTest::newRow("small files") << qint64(250);
    QTest::newRow("numbered files") << qint64(5000);
}

void TestBackupRestore::cancelAtDiskPrompt()
{
    QFETCH(qint64, allowed);
    TestFolder folder(false);
    makeUserFiles(folder);
    MemoryMedium medium;
    medium.disk().backupBytesAllowed = allowed;
    RecordingView view;
    QCOMPARE(BackupRun(medium, view).makeBackup(medium.location()), BackupRun::Outcome::Cancelled);
    QCOMPARE(view.asked.last().title, QStringLiteral("Backup Proceedure Cancelation"));
    QCOMPARE(view.status, QStringLiteral("Backup Terminated by User"));
    QVERIFY(!medium.disk().files.contains("diskinfo.bk1"));
}

void TestBackupRestore::unreadableCopiesStopTheBackup()
{
    TestFolder folder(false);
    makeUserFiles(folder);
    MemoryMedium medium;
    medium.corruptReadBack = true;
    RecordingView view;
    QCOMPARE(BackupRun(medium, view).makeBackup(medium.location()), BackupRun::Outcome::Stopped);
    QVERIFY(view.asked.last().text.startsWith("Unable to access Disk or Disk is Full!"));
    QVERIFY(medium.files(".hb1").isEmpty());
}

// The first check copies the colour file to the disk: without that file the run stops at
// "Disk Error" (the program ships an empty one); a disk with room for the copy but not for
// the set asks for another disk.
void TestBackupRestore::probe_data()
{
    QTest::addColumn<QByteArray>("colourFile"); // null: none
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<bool>("diskError");
    QTest::addColumn<int>("diskPrompts");
    QTest::newRow("no colour file") << QByteArray() << (qint64(1) << 30) << true << 0;
    QTest::newRow("the shipped empty one") << QByteArray("") << (qint64(1) << 30) << false << 0;
    QTest::newRow("two blocks free") << QByteArray(30, '\0') << qint64(8192) << false << 1;
}

void TestBackupRestore::probe()
{
    QFETCH(QByteArray, colourFile);
    QFETCH(qint64, capacity);
    TestFolder folder(false);
    makeUserFiles(folder);
    if (colourFile.isNull())
        QVERIFY(QFile::remove(DataFolder::path(DisplaySettings::kColourFile)));
    else
        folder.write(DisplaySettings::kColourFile, colourFile);
    MemoryMedium medium;
    medium.disk().capacity = capacity;
    medium.disk().block = 4096;
    RecordingView view;
    BackupRun(medium, view).makeBackup(medium.location());
    const bool diskError = std::any_of(view.asked.cbegin(), view.asked.cend(),
                                       [](const Prompt& p) { return p.title == QLatin1String("Disk Error"); });
    QTEST(diskError, "diskError");
    QTEST(int(medium.prompts.size()), "diskPrompts");
}

void TestBackupRestore::twoDiskRestoreAcceptsOnlyTheNextDisk()
{
    TestFolder folder(false);
    const Files files = makeUserFiles(folder);
    MemoryMedium medium;
    medium.disk().backupBytesAllowed = 5000;
    medium.steps = {{Answer::Ok, 1}};
    RecordingView view;
    BackupRun(medium, view).makeBackup(medium.location());
    wipeUserFiles();
    medium.current = 0;
    medium.prompts.clear();
    medium.steps = {{Answer::Ok, 0}, {Answer::Ok, 1}};
    view.answers = {Answer::Yes};
    RestoreRun(medium, view).run(QDateTime::currentDateTime());
    QCOMPARE(medium.prompts, QStringList({"Please insert Backup Disk #2", "Please insert Backup Disk #2"}));
    QCOMPARE(userFilesNow(), files);
}

void TestBackupRestore::restoreRefusesOtherThanDiskOne_data()
{
    QTest::addColumn<QByteArray>("diskInfo");
    QTest::newRow("another marker") << (record("HIPAB") + record("1"));
    QTest::newRow("disk 2") << index("2", "2", "162");
    QTest::newRow("no index") << QByteArray();
}

void TestBackupRestore::restoreRefusesOtherThanDiskOne()
{
    QFETCH(QByteArray, diskInfo);
    TestFolder folder(false);
    const Files files = makeUserFiles(folder);
    MemoryMedium medium;
    if (!diskInfo.isEmpty())
        medium.disk().files["diskinfo.bk1"] = diskInfo;
    medium.disk().files["action1.hb1"] = "other";
    RecordingView view;
    QCOMPARE(RestoreRun(medium, view).run(QDateTime::currentDateTime()), RestoreRun::Outcome::NotStarted);
    QCOMPARE(view.asked.size(), 1);
    QCOMPARE(view.asked.at(0).text, QStringLiteral("Unable to find Backup Disk #1 or Backup files!\rPlease insert "
                                                   "Disk #1 into selected Drive and Try again."));
    QCOMPARE(userFilesNow(), files);
    QVERIFY(!RestoreSnapshot::exists());
}

void TestBackupRestore::damagedFileIsNamedAndRestoreCanBeUndone()
{
    TestFolder folder(false);
    const Files before = makeUserFiles(folder, [](int n) { return n < UserFiles::kSmallFileCount || n % 3 ? 80 : 0; });
    folder.write("Misc1.Hlp.bak", "not a user file");
    MemoryMedium medium;
    RecordingView view;
    BackupRun(medium, view).makeBackup(medium.location());
    medium.disk().files["action4.hb1"][3] = '!';
    folder.write("Action4.Fil", "written after the backup");
    view.answers = {Answer::Yes, Answer::Yes};
    view.asked.clear();
    RestoreRun restore(medium, view);
    restore.run(QDateTime(QDate(2026, 12, 6), QTime(14, 5)));
    QVERIFY(view.asked.at(1).text.contains("Action4.hb1"));
    QCOMPARE(view.asked.at(1).defaultAnswer, Answer::No);
    QCOMPARE(restore.damagedFiles(), QStringList{"Action4.hb1"});
    QVERIFY(view.asked.last().text.contains("Action4.hb1"));
    QVERIFY(!DataFolder::exists("Action4.Fil"));
    QCOMPARE(RestoreSnapshot::latest(), QStringLiteral("Before restore 2026-12-06 14.05"));
    QVERIFY(!RestoreSnapshot::isUnfinished());

    QString error;
    QVERIFY(RestoreSnapshot::undo(&error));
    Files expected = before;
    expected["Action4.Fil"] = "written after the backup";
    QCOMPARE(userFilesNow(), expected);
    QCOMPARE(folder.read("Misc1.Hlp.bak"), QByteArray("not a user file"));
    QVERIFY(!RestoreSnapshot::exists());
}

void TestBackupRestore::mediumPulledOutFailsTheBackup()
{
    TestFolder folder(false);
    makeUserFiles(folder);
    MemoryMedium medium;
    medium.pullOutAfter = 40;
    RecordingView view;
    QCOMPARE(BackupRun(medium, view).makeBackup(medium.location()), BackupRun::Outcome::Failed);
    QCOMPARE(view.status, QStringLiteral("Backup Failed"));
    QVERIFY(view.asked.last().text.contains("removed during the backup"));
    QVERIFY(!medium.disk().files.contains("diskinfo.bk1"));
}

void TestBackupRestore::lostFilesAreNamedBeforeAnythingIsDeleted_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("stop") << Answer::No;
    QTest::newRow("go on") << Answer::Yes;
}

void TestBackupRestore::lostFilesAreNamedBeforeAnythingIsDeleted()
{
    QFETCH(Answer, answer);
    TestFolder folder(false);
    const Files before = makeUserFiles(folder);
    MemoryMedium medium;
    RecordingView view;
    BackupRun(medium, view).makeBackup(medium.location());
    medium.disk().files.remove("stat1.hb1");
    medium.disk().files.remove("policy7.hb1");
    view.answers = {Answer::Yes, answer};
    view.asked.clear();
    RestoreRun restore(medium, view);
    restore.run(QDateTime(QDate(2026, 12, 6), QTime(14, 5)));
    QVERIFY(view.asked.at(1).text.contains("Stat1.hb1") && view.asked.at(1).text.contains("Policy7.hb1"));
    if (answer == Answer::No) {
        QCOMPARE(userFilesNow(), before);
        QVERIFY(!RestoreSnapshot::exists());
    } else {
        QCOMPARE(restore.damagedFiles(), QStringList({"Stat1.hb1", "Policy7.hb1"}));
        QVERIFY(RestoreSnapshot::exists());
    }
}

void TestBackupRestore::roundTripOverThreeMedia()
{
    TestFolder folder(false);
    const Files files = makeUserFiles(folder, [](int n) { return 50 + n * 37 % 400; });
    MemoryMedium medium;
    medium.disk().capacity = medium.blankDisk.capacity = 20000;
    medium.steps = {{Answer::Ok, 1}, {Answer::Ok, 2}};
    RecordingView view;
    QCOMPARE(BackupRun(medium, view).makeBackup(medium.location()), BackupRun::Outcome::Completed);
    QCOMPARE(medium.disks.size(), 3);

    wipeUserFiles();
    medium.current = 0;
    medium.steps = {{Answer::Ok, 1}, {Answer::Ok, 2}};
    view.answers = {Answer::Yes};
    RestoreRun restore(medium, view);
    QCOMPARE(restore.run(QDateTime::currentDateTime()), RestoreRun::Outcome::Completed);
    QVERIFY(restore.damagedFiles().isEmpty());
    QCOMPARE(userFilesNow(), files);
}

// The decisions and the History folder follow item 162, on the last disk or on one of their
// own; a set made without them restores the User Created Files as before, and the history
// moved aside comes back with Undo Last Restore.
void TestBackupRestore::evidenceRecordTravelsAfterTheSet_data()
{
    QTest::addColumn<qint64>("allowed"); // bytes of backup files disk 1 takes; -1: no limit
    QTest::addColumn<bool>("withEvidence");
    QTest::addColumn<QByteArray>("firstIndex");
    QTest::newRow("one disk") << qint64(-1) << true << index("1", "", "162");
    QTest::newRow("evidence on disk 2") << qint64(169 * 100) << true << index("1", "2", "162");
    QTest::newRow("set made before") << qint64(-1) << false << index("1", "", "162");
}

void TestBackupRestore::evidenceRecordTravelsAfterTheSet()
{
    QFETCH(qint64, allowed);
    QFETCH(bool, withEvidence);
    TestFolder folder(false);
    const Files files = makeUserFiles(folder);
    const QString version = QStringLiteral("History/Action0.Fil/2026/20261207T090000000~renata.qz");
    if (withEvidence) {
        folder.write("Decide1.Fil", QByteArray(512, '1'));
        QVERIFY(QDir().mkpath(DataFolder::path("History/Action0.Fil/2026")));
        folder.write(version, "earlier text");
    }
    MemoryMedium medium;
    medium.disk().backupBytesAllowed = allowed;
    medium.steps = {{Answer::Ok, 1}};
    RecordingView view;
    QCOMPARE(BackupRun(medium, view).makeBackup(medium.location()), BackupRun::Outcome::Completed);
    QTEST(onDisk(medium, 0, "DiskInfo.bk1"), "firstIndex");
    QCOMPARE(onDisk(medium, medium.disks.size() - 1, "Evid1.hb1").isEmpty(), !withEvidence);

    // What is there when the set is restored: a later history, to be moved aside.
    QVERIFY(QDir().mkpath(DataFolder::path("History/Policy1.Fil/2026")));
    folder.write("History/Policy1.Fil/2026/20261208T090000000~renata.qz", "later");
    medium.current = 0;
    medium.steps = {{Answer::Ok, 1}};
    view.answers = {Answer::Yes};
    RestoreRun restore(medium, view);
    QCOMPARE(restore.run(QDateTime(QDate(2026, 12, 9), QTime(8, 0))), RestoreRun::Outcome::Completed);
    QVERIFY(restore.damagedFiles().isEmpty());
    QCOMPARE(userFilesNow(), files);
    QCOMPARE(folder.read("Decide1.Fil"), withEvidence ? QByteArray(512, '1') : QByteArray());
    QCOMPARE(folder.read(version), withEvidence ? QByteArray("earlier text") : QByteArray());
    QVERIFY(!DataFolder::exists("History/Policy1.Fil"));

    QString error;
    QVERIFY2(RestoreSnapshot::undo(&error), qPrintable(error));
    QCOMPARE(folder.read("History/Policy1.Fil/2026/20261208T090000000~renata.qz"), QByteArray("later"));
}

void TestBackupRestore::evidenceBundles()
{
    TestFolder folder(false);
    QVERIFY(QDir().mkpath(DataFolder::path("History/Wksht3.Fil/2025")));
    for (int n = 0; n < 3; ++n)
        folder.write(QStringLiteral("History/Wksht3.Fil/2025/v%1.qz").arg(n), QByteArray(600, char('a' + n)));
    const QList<EvidenceBundle::Bundle> bundles = EvidenceBundle::pack(1000);
    QCOMPARE(bundles.size(), 3);
    QCOMPARE(EvidenceBundle::bundleCount(bundles.at(2).bytes), 3);
    QDir(DataFolder::path("History")).removeRecursively();
    QString error;
    QVERIFY(EvidenceBundle::unpack(bundles.at(1).bytes, &error));
    QCOMPARE(folder.read("History/Wksht3.Fil/2025/v1.qz"), QByteArray(600, 'b'));
    QVERIFY(!EvidenceBundle::unpack(bundles.at(1).bytes.left(700), &error));
    QCOMPARE(EvidenceBundle::bundleCount("Evid1"), 0);

    for (const char* path : {"History/../Action1.Fil", "/tmp/x", "Action1.Fil", "History", "History/a/./b"})
        QVERIFY2(!EvidenceBundle::isEvidencePath(path), path);
    QVERIFY(EvidenceBundle::isEvidencePath("decide1.fil"));
}

QTEST_GUILESS_MAIN(TestBackupRestore)
#include "tst_backuprestore.moc"

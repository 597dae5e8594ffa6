// The backup screen in both modes, its choice of folder, a backup run through it onto a real
// folder, and the Utilities menu that opens it.
#include "FakeClock.h"
#include "TestFolder.h"

#include "backup/Backup1.h"
#include "backup/RestoreSnapshot.h"
#include "backup/UndoRestore.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "base/UtilityActions.h"
#include "base/WorkScreenMenus.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

using Messages::Answer;
using UtilityActions::Utility;

class TestBackupScreen : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Messages::setScripted(true);
        Messages::takeShown();
    }
    void textsOfEachMode_data();
    void textsOfEachMode();
    void programFolderIsRefused_data();
    void programFolderIsRefused();
    void unreadableDriveFallsBackToHome();
    void pathFollowsTheCurrentFolder();
    void backupOntoAFolder();
    void utilitiesMenuAsksTheDocumentFirst();
    void interruptedRestoreIsOfferedBack();
};

void TestBackupScreen::textsOfEachMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("startCaption");
    QTest::newRow("backup") << 0 << "Backup User Created Files"
                            << "&Make Backup";
    QTest::newRow("restore") << 1 << "Restore User Created Files from Backup Media"
                             << "&Restore User Created Files";
}

void TestBackupScreen::textsOfEachMode()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QString, startCaption);
    TestFolder folder(false);
    HINFO1::state().backupRestoreMode = short(mode);
    Backup1 screen;
    QCOMPARE(screen.windowTitle(), title);
    QCOMPARE(screen.findChild<QPushButton*>("startButton")->text(), startCaption);
    QCOMPARE(screen.findChild<QProgressBar*>("progressBar")->maximum(), 166);
    QVERIFY(screen.path().endsWith('/'));
}

void TestBackupScreen::programFolderIsRefused_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("the program folder") << QString() << false;
    QTest::newRow("a link to it") << "link" << false;
    QTest::newRow("another folder") << "elsewhere" << true;
}

void TestBackupScreen::programFolderIsRefused()
{
    QFETCH(QString, link);
    QFETCH(bool, enabled);
    TestFolder folder(false);
    QTemporaryDir other;
    const QString target = other.filePath("target");
    if (link == "link")
        QVERIFY(QFile::link(folder.path(), target));
    else
        QDir().mkpath(target);
    Backup1 screen;
    screen.chooseFolder(link.isEmpty() ? folder.path() : target);
    QCOMPARE(screen.findChild<QPushButton*>("startButton")->isEnabled(), enabled);
}

void TestBackupScreen::unreadableDriveFallsBackToHome()
{
    TestFolder folder(false);
    Backup1 screen;
    auto* drives = screen.findChild<QComboBox*>("drivesList");
    drives->insertItem(0, "gone", "/nonexistent-drive");
    screen.chooseDrive(0);
    QCOMPARE(Messages::takeShown().at(0).text, "Device/Drive is Unavailable!");
    QCOMPARE(screen.path(), QDir::homePath() + "/");
}

void TestBackupScreen::pathFollowsTheCurrentFolder()
{
    TestFolder folder(false);
    QTemporaryDir disk;
    QDir(disk.path()).mkpath("first");
    QDir(disk.path()).mkpath("second");
    Backup1 screen;
    screen.chooseFolder(disk.filePath("first"));
    // The arrow keys move the tree's current index, as this does.
    auto* tree = screen.findChild<QTreeView*>();
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    tree->setCurrentIndex(model->index(disk.filePath("second")));
    QCOMPARE(screen.path(), disk.filePath("second") + "/");
    QCOMPARE(screen.findChild<QLabel*>("pathLabel")->text(), screen.path());
}

void TestBackupScreen::backupOntoAFolder()
{
    FakeClock clock(QDateTime(QDate(2026, 12, 6), QTime(14, 5)));
    TestFolder folder(false);
    folder.write("Stat1.Fil", "statuses");
    folder.write("HINV3.Fil", QByteArray(30, '\0')); // the first check copies it
    QTemporaryDir disk;
    HINFO1::state().backupRestoreMode = 0;
    Backup1 screen;
    screen.chooseFolder(disk.path());
    Messages::queueAnswer(Answer::Yes);
    screen.start();
    QCOMPARE(Messages::takeShown().at(0).text.section('\r', 1, 1), "located in Path: " + disk.path() + "/");
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files),
             QStringList({"DiskInfo.bk1", "HINV3.hb1", "Stat1.hb1", "Sums.bk1"}));
    folder.write("Reference.txt", "a file made the ordinary way");
    QCOMPARE(QFileInfo(disk.filePath("Stat1.hb1")).permissions(),
             QFileInfo(folder.filePath("Reference.txt")).permissions());
    QCOMPARE(screen.findChild<QLabel*>("statusPanel")->text(), "Backup Complete");
    QVERIFY(!screen.findChild<QPushButton*>("startButton")->isEnabled());
}

void TestBackupScreen::utilitiesMenuAsksTheDocumentFirst()
{
    QList<Utility> ran;
    UtilityActions::handlers() = {[&](Utility u, QWidget*) { ran << u; },
                                  [](Utility u) { return u != Utility::UndoRestore; }};
    QMainWindow screen;
    bool mayLeave = false;
    WorkScreenMenus::addUtilitiesMenu(screen.menuBar(), "Utilities", &screen, [&] { return mayLeave; });
    auto* backup = screen.findChild<QAction*>("mUBack");
    backup->trigger();
    QVERIFY(ran.isEmpty());
    mayLeave = true;
    backup->trigger();
    screen.findChild<QAction*>("mURest")->trigger();
    QCOMPARE(ran, QList<Utility>({Utility::Backup, Utility::Restore}));
    QVERIFY(!screen.findChild<QAction*>("mUUndo")->isEnabled());
    UtilityActions::handlers() = {};
}

void TestBackupScreen::interruptedRestoreIsOfferedBack()
{
    TestFolder folder(false);
    folder.write("Stat1.Fil", "before");
    QString error;
    QVERIFY(RestoreSnapshot::take(QDateTime::currentDateTime(), &error));
    folder.write("Stat1.Fil", "half restored");
    Messages::queueAnswer(Answer::Yes);
    UndoRestore::offerAfterInterruption(nullptr);
    QCOMPARE(folder.read("Stat1.Fil"), QByteArray("before"));
    QVERIFY(!RestoreSnapshot::exists());
    UndoRestore::offerAfterInterruption(nullptr);
    QCOMPARE(Messages::takeShown().size(), 2); // the offer and its outcome, not asked again
}

QTEST_MAIN(TestBackupScreen)
#include "tst_backupscreen.moc"

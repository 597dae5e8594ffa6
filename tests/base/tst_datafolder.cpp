// The DataFolder's two roots: which folders the rule picks, where names are read and written.
#include "base/DataFolder.h"
#include "base/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

void createFiles(const QString& dir, const QStringList& names, const QByteArray& bytes = "shipped")
{
    QDir().mkpath(dir);
    for (const QString& name : names) {
        QFile file(QDir(dir).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
}

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void chooseRoots_data();
    void chooseRoots();
    void lookups_data();
    void lookups();
    void recordWritesLeaveTheShippedCopyAlone();
    void missingWorkbookFolderIsCreated();
};

void TestDataFolder::chooseRoots_data()
{
    QTest::addColumn<bool>("holdsDocuments");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("expectedWritable");
    QTest::addColumn<QString>("expectedShipped");
    QTest::newRow("portable") << true << true << "program"
                              << "";
    QTest::newRow("read-only copy of the program folder") << true << false << "user"
                                                          << "program";
    QTest::newRow("installed") << false << false << "user"
                               << "installed";
    QTest::newRow("installed, run by an administrator") << false << true << "user"
                                                        << "installed";
}

void TestDataFolder::chooseRoots()
{
    QFETCH(bool, holdsDocuments);
    QFETCH(bool, writable);
    QFETCH(QString, expectedWritable);
    QFETCH(QString, expectedShipped);
    if (!writable && geteuid() == 0)
        QSKIP("Every folder is writable for root.");
    QTemporaryDir base;
    const QString program = base.filePath(QStringLiteral("program"));
    createFiles(program, holdsDocuments ? QStringList{QStringLiteral("TESSALY.HLP")} : QStringList{});
    if (!writable)
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);

    const DataFolder::Roots roots = DataFolder::chooseRoots(program, base.filePath(QStringLiteral("installed")),
                                                            base.filePath(QStringLiteral("user")));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(roots.writable, base.filePath(expectedWritable));
    QCOMPARE(roots.shipped, expectedShipped.isEmpty() ? QString() : base.filePath(expectedShipped));
}

void TestDataFolder::lookups_data()
{
    QTest::addColumn<QStringList>("writableFiles");
    QTest::addColumn<QStringList>("shippedFiles");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedRead"); // relative to the temporary folder
    QTest::addColumn<QString>("expectedWrite");
    const QString misc = QStringLiteral("Misc1.Hlp");
    const QString stat = QStringLiteral("Stat1.Fil");
    QTest::newRow("shipped document") << QStringList{} << QStringList{misc} << misc << "shipped/Misc1.Hlp"
                                      << "user/Misc1.Hlp";
    QTest::newRow("user copy shadows the shipped one")
        << QStringList{stat} << QStringList{stat} << stat << "user/Stat1.Fil"
        << "user/Stat1.Fil";
    QTest::newRow("any case in the writable root")
        << QStringList{"STAT1.FIL"} << QStringList{"stat1.fil"} << stat << "user/STAT1.FIL"
        << "user/STAT1.FIL";
    QTest::newRow("any case in the shipped folder")
        << QStringList{} << QStringList{"misc1.HLP"} << misc << "shipped/misc1.HLP"
        << "user/Misc1.Hlp";
    QTest::newRow("new file") << QStringList{} << QStringList{} << stat << "user/Stat1.Fil"
                              << "user/Stat1.Fil";
}

void TestDataFolder::lookups()
{
    QFETCH(QStringList, writableFiles);
    QFETCH(QStringList, shippedFiles);
    QFETCH(QString, name);
    QFETCH(QString, expectedRead);
    QFETCH(QString, expectedWrite);
    QTemporaryDir base;
    createFiles(base.filePath(QStringLiteral("user")), writableFiles);
    createFiles(base.filePath(QStringLiteral("shipped")), shippedFiles);
    QVERIFY(DataFolder::setRoots({base.filePath(QStringLiteral("user")), base.filePath(QStringLiteral("shipped"))}));

    QCOMPARE(DataFolder::path(name), base.filePath(expectedRead));
    QCOMPARE(DataFolder::exists(name), QFile::exists(base.filePath(expectedRead)));
    QCOMPARE(DataFolder::writePath(name), base.filePath(expectedWrite));
    QCOMPARE(QDir::currentPath(), base.filePath(QStringLiteral("user")));
}

void TestDataFolder::recordWritesLeaveTheShippedCopyAlone()
{
    QTemporaryDir base;
    const QByteArray shippedBytes = QByteArray("\x03\x00One", 5) + QByteArray(5, '\0');
    createFiles(base.filePath(QStringLiteral("shipped")), {QStringLiteral("HINV3.Fil")}, shippedBytes);
    QVERIFY(DataFolder::setRoots({base.filePath(QStringLiteral("user")), base.filePath(QStringLiteral("shipped"))}));

    QVERIFY(RecordFile(QStringLiteral("HINV3.Fil"), 10).writeText(2, QStringLiteral("Two")));
    QFile shipped(base.filePath(QStringLiteral("shipped/HINV3.Fil")));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), shippedBytes);
    QFile written(base.filePath(QStringLiteral("user/HINV3.Fil")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), shippedBytes + QByteArray("\x03\x00Two", 5) + QByteArray(5, '\0'));
}

void TestDataFolder::missingWorkbookFolderIsCreated()
{
    QTemporaryDir base;
    const QString user = base.filePath(QStringLiteral("home/.local/share/Tessaly"));
    QVERIFY(DataFolder::setRoots({user, base.path()}));
    QVERIFY(QFileInfo(user).isDir());
    QCOMPARE(DataFolder::root(), user);
    QCOMPARE(DataFolder::shippedRoot(), base.path());
    QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (geteuid() != 0)
        QVERIFY(!DataFolder::setRoots({base.filePath(QStringLiteral("other")), base.path()}));
    QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"

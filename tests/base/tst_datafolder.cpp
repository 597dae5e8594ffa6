// The DataFolder's two roots: which folders the rule picks, where names are read and written.
#include "backup/UserFiles.h"
#include "base/DataFolder.h"
#include "base/RecordFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void portableOnlyWhereTheDocumentsAreWritable_data();
    void portableOnlyWhereTheDocumentsAreWritable();
    void lookups_data();
    void lookups();
    void recordWritesLeaveTheShippedCopyAlone();

private:
    void createFiles(const QString& dir, const QStringList& names, const QByteArray& bytes = "shipped");
    QString at(const QString& name) const { return m_base->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_base;
};

void TestDataFolder::createFiles(const QString& dir, const QStringList& names, const QByteArray& bytes)
{
    QDir().mkpath(at(dir));
    for (const QString& name : names) {
        QFile file(at(dir + QLatin1Char('/') + name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
}

// A folder this test cannot write, root or not: a read-only bind mount for root, else the
// folder's permissions. Undone when it goes.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString& dir) : m_dir(dir)
    {
        if (geteuid() == 0) {
            m_mounted = QProcess::execute("mount", {"--bind", dir, dir}) == 0;
            m_made = m_mounted && QProcess::execute("mount", {"-o", "remount,bind,ro", dir}) == 0;
        } else {
            m_made = QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            QProcess::execute("umount", {m_dir});
        else
            QFile::setPermissions(m_dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool isMade() const { return m_made && !QFileInfo(m_dir).isWritable(); }

private:
    QString m_dir;
    bool m_mounted = false;
    bool m_made = false;
};

// Installed prefixes, whose bin folder holds no documents, are covered by tst_installedstart.
void TestDataFolder::portableOnlyWhereTheDocumentsAreWritable_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("userDir");
    QTest::addColumn<QString>("expectedWritable");
    QTest::addColumn<QString>("expectedShipped");
    QTest::addColumn<bool>("readOnly");
    const QStringList documents{"TESSALY.HLP"};
    const QStringList workbook{"TESSALY.HLP", "stat1.fil"};
    QTest::newRow("portable") << true << workbook << "user"
                              << "program" << QString() << false;
    QTest::newRow("read-only, documents only") << false << documents << "user"
                                               << "user"
                                               << "program" << false;
    QTest::newRow("read-only, with a workbook") << false << workbook << "user"
                                                << "program" << QString() << true;
    QTest::newRow("read-only, no home folder") << false << documents << QString() << QString() << "program" << false;
}

void TestDataFolder::portableOnlyWhereTheDocumentsAreWritable()
{
    QFETCH(bool, writable);
    QFETCH(QStringList, files);
    QFETCH(QString, userDir);
    QFETCH(QString, expectedWritable);
    QFETCH(QString, expectedShipped);
    QFETCH(bool, readOnly);
    m_base = std::make_unique<QTemporaryDir>();
    createFiles(QStringLiteral("program"), files);
    std::unique_ptr<ReadOnlyFolder> locked;
    if (!writable) {
        locked = std::make_unique<ReadOnlyFolder>(at("program"));
        QVERIFY2(locked->isMade(), "the program folder could not be made read-only");
    }
    DataFolder::Roots roots;
    if (userDir.isEmpty()) {
        // No home folder: the running program's own rule must not make one at the root.
        const QByteArray home = qgetenv("HOME");
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qunsetenv("HOME");
        qunsetenv("XDG_DATA_HOME");
        roots = DataFolder::chooseRoots(at("program"), UserFiles::isUserFile);
        qputenv("HOME", home);
        if (!dataHome.isEmpty())
            qputenv("XDG_DATA_HOME", dataHome);
    } else {
        roots = DataFolder::chooseRoots(at("program"), at("installed"), at(userDir), UserFiles::isUserFile);
    }
    QCOMPARE(roots.writable, expectedWritable.isEmpty() ? QString() : at(expectedWritable));
    QCOMPARE(roots.shipped, expectedShipped.isEmpty() ? QString() : at(expectedShipped));
    QCOMPARE(roots.readOnly, readOnly);
    if (roots.writable.isEmpty())
        QVERIFY(!DataFolder::setRoots(roots));
}

void TestDataFolder::lookups_data()
{
    QTest::addColumn<QStringList>("userFiles");
    QTest::addColumn<QStringList>("shippedFiles");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedRead");
    QTest::addColumn<QString>("expectedWrite");
    QTest::newRow("shipped document") << QStringList{} << QStringList{"Misc1.Hlp"} << "Misc1.Hlp"
                                      << "shipped/Misc1.Hlp"
                                      << "user/Misc1.Hlp";
    QTest::newRow("user copy shadows the shipped one")
        << QStringList{"Stat1.Fil"} << QStringList{"Stat1.Fil"} << "Stat1.Fil"
        << "user/Stat1.Fil"
        << "user/Stat1.Fil";
    QTest::newRow("any case in the writable root")
        << QStringList{"STAT1.FIL"} << QStringList{"stat1.fil"} << "Stat1.Fil"
        << "user/STAT1.FIL"
        << "user/STAT1.FIL";
    QTest::newRow("any case in the shipped folder") << QStringList{} << QStringList{"misc1.HLP"} << "Misc1.Hlp"
                                                    << "shipped/misc1.HLP"
                                                    << "user/Misc1.Hlp";
    QTest::newRow("new file") << QStringList{} << QStringList{} << "Stat1.Fil"
                              << "user/Stat1.Fil"
                              << "user/Stat1.Fil";
}

void TestDataFolder::lookups()
{
    QFETCH(QStringList, userFiles);
    QFETCH(QStringList, shippedFiles);
    QFETCH(QString, name);
    QFETCH(QString, expectedRead);
    QFETCH(QString, expectedWrite);
    m_base = std::make_unique<QTemporaryDir>();
    createFiles(QStringLiteral("user"), userFiles);
    createFiles(QStringLiteral("shipped"), shippedFiles);
    QVERIFY(DataFolder::setRoots({at("user"), at("shipped")}));
    QCOMPARE(DataFolder::path(name), at(expectedRead));
    QCOMPARE(DataFolder::exists(name), QFile::exists(at(expectedRead)));
    QCOMPARE(DataFolder::writePath(name), at(expectedWrite));
    QCOMPARE(QDir::currentPath(), at("user"));
}

void TestDataFolder::recordWritesLeaveTheShippedCopyAlone()
{
    m_base = std::make_unique<QTemporaryDir>();
    const QByteArray shipped = QByteArray("\x03\x00One", 5) + QByteArray(5, '\0');
    createFiles(QStringLiteral("shipped"), {QStringLiteral("HINV3.Fil")}, shipped);
    QVERIFY(DataFolder::setRoots({at("new/user"), at("shipped")}));
    QVERIFY(RecordFile(QStringLiteral("HINV3.Fil"), 10).writeText(2, QStringLiteral("Two")));
    QFile original(at("shipped/HINV3.Fil"));
    QFile written(at("new/user/HINV3.Fil"));
    QVERIFY(original.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), shipped);
    QCOMPARE(written.readAll(), shipped + QByteArray("\x03\x00Two", 5) + QByteArray(5, '\0'));
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"

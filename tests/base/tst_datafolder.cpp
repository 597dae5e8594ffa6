// The DataFolder's two roots: which folders the rule picks, where names are read and written.
#include "base/DataFolder.h"
#include "base/RecordFile.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
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

// Installed prefixes, whose bin folder holds no documents, are covered by tst_installedstart.
void TestDataFolder::portableOnlyWhereTheDocumentsAreWritable()
{
    m_base = std::make_unique<QTemporaryDir>();
    createFiles(QStringLiteral("program"), {QStringLiteral("TESSALY.HLP")});
    QCOMPARE(DataFolder::chooseRoots(at("program"), at("installed"), at("user")).writable, at("program"));
    if (geteuid() == 0)
        QSKIP("Every folder is writable for root.");
    QFile::setPermissions(at("program"), QFile::ReadOwner | QFile::ExeOwner);
    const DataFolder::Roots roots = DataFolder::chooseRoots(at("program"), at("installed"), at("user"));
    QFile::setPermissions(at("program"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(roots.writable, at("user"));
    QCOMPARE(roots.shipped, at("program"));
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

// The program's files under faults: writes that fail part way, a disk that is full, links to
// devices in place of user files, files far too large, and what an interrupted save leaves.
#include "TestFolder.h"

#include "backup/UserFiles.h"
#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "base/QuotedFieldFile.h"
#include "base/RecordFile.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"
#include "worksheets/StatusStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>
#include <unistd.h>

namespace {

// A save file whose device gives up after a number of bytes, as a failing disk does.
class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString& path, qint64 failAfter) : QSaveFile(path), m_left(failAfter) {}

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        if (length > m_left) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_left -= length;
        return QSaveFile::writeData(data, length);
    }

private:
    qint64 m_left;
};

QStringList filesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A small tmpfs of our own, mounted over a temporary folder while the test runs.
class SmallDisk
{
public:
    SmallDisk()
    {
        if (geteuid() != 0)
            return;
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                       QStringLiteral("size=256k"), QStringLiteral("tmpfs"), m_dir.path()}) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

    // Writes a filler file until the disk has no room left.
    void fill() const
    {
        QFile filler(QDir(path()).filePath(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        const QByteArray byte(1, 'x');
        while (filler.write(byte) == 1) {
        }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

class TestSafeFiles : public QObject
{
    Q_OBJECT
private slots:
    void aWriteThatFailsKeepsTheOldFile_data();
    void aWriteThatFailsKeepsTheOldFile();
    void aFullDiskCostsNoByte();
    void onlyRegularFilesAreUsed_data();
    void onlyRegularFilesAreUsed();
    void oversizedFilesAreRefusedAtOnce();
    void taggedValuesStayInsideShortRecords();
    void staleSaveFilesAreRemoved();
};

void TestSafeFiles::aWriteThatFailsKeepsTheOldFile_data()
{
    QTest::addColumn<qint64>("failAfter");
    QTest::newRow("at once") << qint64(0);
    QTest::newRow("after a few bytes") << qint64(10);
    QTest::newRow("one short of the end") << qint64(9999);
}

void TestSafeFiles::aWriteThatFailsKeepsTheOldFile()
{
    QFETCH(qint64, failAfter);
    TestFolder folder(false);
    const QByteArray old("{\\rtf1 the practice's policy\\par}");
    folder.write(QStringLiteral("Policy3.Fil"), old);
    FailingSaveFile file(folder.filePath(QStringLiteral("Policy3.Fil")), failAfter);
    QString error;
    QVERIFY(!writeThroughSaveFile(file, QByteArray(10000, 'n'), &error));
    QVERIFY(error.contains(QStringLiteral("No space")));
    QCOMPARE(folder.read(QStringLiteral("Policy3.Fil")), old);
    QCOMPARE(filesIn(folder.path()), QStringList{QStringLiteral("Policy3.Fil")});
}

void TestSafeFiles::aFullDiskCostsNoByte()
{
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP("No small disk to fill: mounting a tmpfs needs root (the failing-device cases still run).");
    DataFolder::setRoot(disk.path());
    const QByteArray document("{\\rtf1\\ansi Action taken on the first of the month.\\par}");
    const QByteArray statuses = QByteArray("\x07\x00Working", 9) + QByteArray(111, '\0');
    const QByteArray timeline = QByteArray("\"Review the backup log\"\r\n").repeated(200);
    const QList<std::pair<QString, QByteArray>> files = {{QStringLiteral("Action0.Fil"), document},
                                                         {QStringLiteral("Stat1.Fil"), statuses},
                                                         {QStringLiteral("TODOActv.FIL"), timeline}};
    for (const auto& [name, bytes] : files)
        QVERIFY(writeFileAtomically(DataFolder::path(name), bytes));
    disk.fill();

    QString error;
    RichTextBox editor;
    editor.setText(QStringLiteral("A much longer account of what was done, ").repeated(20));
    QVERIFY(!DocumentFile::write(QStringLiteral("Action0.Fil"), *editor.document(), &error));
    QVERIFY(!error.isEmpty());
    StatusStore store;
    QVERIFY(!store.pick(1, QStringLiteral("Completed"), &error));
    QVERIFY(error.contains(QStringLiteral("Stat1.Fil")));
    QVERIFY(
        !QuotedFieldFile::write(QStringLiteral("TODOActv.FIL"), QStringList(300, QStringLiteral("Next step")), &error));

    for (const auto& [name, bytes] : files) {
        QFile file(DataFolder::path(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
    QFile::remove(QDir(disk.path()).filePath(QStringLiteral("filler")));
    DataFolder::setRoot(QDir::tempPath());
}

void TestSafeFiles::onlyRegularFilesAreUsed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target");
    for (const char* name : {"Stat1.Fil", "TODOActv.FIL", "Action0.Fil", "HINV3.Fil"}) {
        QTest::addRow("%s to a device", name) << QString::fromLatin1(name) << QStringLiteral("/dev/zero");
        QTest::addRow("%s to a folder", name) << QString::fromLatin1(name) << QStringLiteral("/tmp");
        QTest::addRow("%s broken link", name) << QString::fromLatin1(name) << QStringLiteral("/nonexistent/x");
        QTest::addRow("%s to a file outside", name) << QString::fromLatin1(name) << QString();
    }
}

void TestSafeFiles::onlyRegularFilesAreUsed()
{
    QFETCH(QString, name);
    QFETCH(QString, target);
    TestFolder folder(false);
    const QString path = folder.filePath(name);
    // An empty target stands for an ordinary file outside the workbook, which must stay as it is.
    QTemporaryDir outside;
    const QByteArray outsideBytes("outside the workbook");
    if (target.isEmpty()) {
        target = outside.filePath(QStringLiteral("elsewhere.rtf"));
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(outsideBytes) == outsideBytes.size());
    }
    QVERIFY(QFile::link(target, path));
    QStringList reported;
    setFileRefusalReporter([&reported](const QString& message) { reported << message; });

    QByteArray bytes;
    QString error;
    QCOMPARE(readFileWithin(path, FileLimits::kDocument, &bytes, &error), ReadOutcome::Refused);
    QVERIFY(error.contains(name));
    QVERIFY(bytes.isEmpty());
    QCOMPARE(RecordFile(name, 20).readText(1), QString());
    QStringList fields;
    QVERIFY(!QuotedFieldFile::read(name, &fields));
    QTextDocument document;
    QCOMPARE(DocumentFile::read(name, &document), DocumentFile::Source::Refused);
    QVERIFY(!DocumentFile::write(name, document));
    // Writing through the link would replace what it points to: it is refused instead.
    QVERIFY(!writeFileAtomically(path, "new", &error));
    QVERIFY(QFileInfo(path).isSymLink());
    QVERIFY(!RecordFile(name, 20).writeText(1, QStringLiteral("new")));
    QVERIFY(!QuotedFieldFile::write(name, {QStringLiteral("new")}));
    if (QFileInfo(target).isFile()) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), outsideBytes);
    }
    setFileRefusalReporter(nullptr);
    QCOMPARE(reported.size(), 1); // once per file and reason, however often it is read
    QVERIFY(reported.at(0).contains(name));
}

void TestSafeFiles::oversizedFilesAreRefusedAtOnce()
{
    TestFolder folder(false);
    for (const char* name : {"Stat1.Fil", "TODOActv.FIL", "Action1.Fil"}) {
        QFile huge(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(qint64(200) * 1024 * 1024)); // sparse: no disk space used
    }
    QElapsedTimer timer;
    timer.start();
    StatusStore store;
    store.loadAll();
    QCOMPARE(store.slot(1), QString());
    QVERIFY(!store.pick(1, QStringLiteral("Pending")));
    QStringList fields;
    QVERIFY(!QuotedFieldFile::read(QStringLiteral("TODOActv.FIL"), &fields));
    QTextDocument document;
    QString error;
    QCOMPARE(DocumentFile::read(QStringLiteral("Action1.Fil"), &document, &error), DocumentFile::Source::Refused);
    QVERIFY(error.contains(QStringLiteral("Action1.Fil")));
    QVERIFY2(timer.elapsed() < 2000, "refusing a large file must not read it");
}

void TestSafeFiles::taggedValuesStayInsideShortRecords()
{
    TestFolder folder(false);
    folder.write(QStringLiteral("Short.Fil"), QByteArray("AAAABBBB"));
    RecordFile file(QStringLiteral("Short.Fil"), 4);
    QVERIFY(file.writeTagged(1, std::int32_t(0x01020304)));
    QVERIFY(file.writeTagged(2 + 0, QStringLiteral("text")));
    QCOMPARE(folder.read(QStringLiteral("Short.Fil")).size(), 8);
    QCOMPARE(folder.read(QStringLiteral("Short.Fil")).left(4), QByteArray("\x03\x00\x04\x03", 4));
}

void TestSafeFiles::staleSaveFilesAreRemoved()
{
    TestFolder folder(false);
    const QStringList stale{"Stat1.Fil.AbC123", "todoactv.fil.x1y2z3", "Action46.Fil.QQQQQQ", "UserWords.Dic.k3Lm9Z"};
    const QStringList kept{"Stat1.Fil",       "Notes.txt.abcdef",    "Stat1.Fil.orig",
                           "Stat1.Fil.abc12", "Action47.Fil.abcdef", "Misc5.Hlp.abcdef"};
    for (const QString& name : stale + kept)
        folder.write(name, "x");
    QCOMPARE(UserFiles::removeStaleSaveFiles({QStringLiteral("UserWords.Dic")}), 4);
    QStringList expected = kept;
    expected.sort();
    QCOMPARE(filesIn(folder.path()), expected);
}

QTEST_MAIN(TestSafeFiles)
#include "tst_safefiles.moc"

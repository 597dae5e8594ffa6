// A first start from the installed prefix by a user whose home folder is empty: the workbook
// folder is made under ~/.local/share, a status pick is written there, and the prefix is untouched.
#include "actionarea/WorkArea1.h"
#include "backup/UserFiles.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "worksheets/WorksheetPanel.h"

#include <QComboBox>
#include <QDirIterator>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kPrefix = QStringLiteral(TESSALY_INSTALL_STAGE "/usr");

QStringList filesUnderPrefix()
{
    QStringList files;
    for (QDirIterator it(kPrefix, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo info(it.next());
        files << info.filePath() + QString::number(info.size()) + info.lastModified().toString(Qt::ISODateWithMs);
    }
    files.sort();
    return files;
}

} // namespace

class TestInstalledStart : public QObject
{
    Q_OBJECT

private slots:
    void firstStatusPickGoesToTheWorkbookFolder();
};

void TestInstalledStart::firstStatusPickGoesToTheWorkbookFolder()
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    const QStringList before = filesUnderPrefix();
    const DataFolder::Roots roots = DataFolder::chooseRoots(kPrefix + QStringLiteral("/bin"), UserFiles::isUserFile);
    QCOMPARE(roots.shipped, kPrefix + QStringLiteral("/share/tessaly"));
    QVERIFY(DataFolder::setRoots(roots));

    Messages::setScripted(true);
    WorkArea1 area;
    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    QTest::mouseClick(area.leftHandButton(2), Qt::LeftButton);
    QComboBox* statuses = area.worksheet()->statusList();
    statuses->setCurrentIndex(2);
    emit statuses->activated(2);

    QFile stat1(home.filePath(QStringLiteral(".local/share/Tessaly/Stat1.Fil")));
    QVERIFY(stat1.open(QIODevice::ReadOnly));
    const QByteArray text = statuses->itemText(2).toLatin1();
    QCOMPARE(stat1.read(20), char(text.size()) + QByteArray(1, '\0') + text + QByteArray(18 - text.size(), '\0'));
    QVERIFY(Messages::takeShown().isEmpty());
    QVERIFY(!before.isEmpty());
    QCOMPARE(filesUnderPrefix(), before);
}

QTEST_MAIN(TestInstalledStart)
#include "tst_installedstart.moc"

// A first start from an installed prefix by a user whose home folder is empty: the workbook
// folder is made under ~/.local/share, a status pick is written there, and the prefix is untouched.
#include "actionarea/WorkArea1.h"
#include "actionarea/WorksheetPanel.h"
#include "base/DataFolder.h"
#include "base/HINFO1.h"
#include "base/Messages.h"

#include <QComboBox>
#include <QDirIterator>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kPrefix = QStringLiteral(TESSALY_INSTALL_STAGE "/usr");

// Every file under the prefix with its size and modification time.
QStringList snapshot()
{
    QStringList files;
    QDirIterator it(kPrefix, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

} // namespace

class TestInstalledStart : public QObject
{
    Q_OBJECT

private slots:
    void iconsAreDrawnInEverySize();
    void firstStatusPickGoesToTheWorkbookFolder();
};

void TestInstalledStart::iconsAreDrawnInEverySize()
{
    for (int size : {48, 64, 128, 256}) {
        const QImage icon(kPrefix +
                          QStringLiteral("/share/icons/hicolor/%1x%1/apps/org.tessaly.Tessaly.png").arg(size));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
    }
}

void TestInstalledStart::firstStatusPickGoesToTheWorkbookFolder()
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    const QStringList before = snapshot();
    QVERIFY(!before.isEmpty());

    const DataFolder::Roots roots = DataFolder::chooseRoots(kPrefix + QStringLiteral("/bin"));
    const QString workbook = home.filePath(QStringLiteral(".local/share/Tessaly"));
    QCOMPARE(roots.writable, workbook);
    QCOMPARE(roots.shipped, kPrefix + QStringLiteral("/share/tessaly"));
    QVERIFY(DataFolder::setRoots(roots));
    QVERIFY(QFileInfo(workbook).isDir());

    Messages::setScripted(true);
    HINFO1::state() = HINFO1::State();
    WorkArea1 area;
    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    QTest::mouseClick(area.leftHandButton(2), Qt::LeftButton);
    QComboBox* statuses = area.worksheet()->statusList();
    statuses->setCurrentIndex(2);
    emit statuses->activated(2);

    QFile stat1(QDir(workbook).filePath(QStringLiteral("Stat1.Fil")));
    QVERIFY(stat1.open(QIODevice::ReadOnly));
    const QByteArray text = statuses->itemText(2).toLatin1();
    QCOMPARE(stat1.read(20),
             QByteArray(1, char(text.size())) + QByteArray(1, '\0') + text + QByteArray(18 - text.size(), '\0'));
    QCOMPARE(Messages::takeShown().size(), 0);
    QCOMPARE(snapshot(), before);
}

QTEST_MAIN(TestInstalledStart)
#include "tst_installedstart.moc"

#include "backup/BackupDrives.h"

#include "base/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>
#include <algorithm>

namespace {

// The kernel marks removable disks; a partition's disk is the folder above it.
bool isRemovable(const QStorageInfo& volume)
{
    const QString root = volume.rootPath();
    if (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/")))
        return true;
    const QString device = QFileInfo(QString::fromLocal8Bit(volume.device())).fileName();
    if (device.isEmpty())
        return false;
    const QString node = QFileInfo(QStringLiteral("/sys/class/block/") + device).canonicalFilePath();
    for (const QString& dir : {node, QFileInfo(node).path()}) {
        QFile flag(dir + QStringLiteral("/removable"));
        if (!node.isEmpty() && flag.open(QIODevice::ReadOnly))
            return flag.read(1) == "1";
    }
    return false;
}

// System folders are no place for a backup.
bool isSystemVolume(const QString& root)
{
    for (const char* prefix : {"/proc", "/sys", "/dev", "/run/user", "/boot", "/snap"}) {
        if (root == QLatin1String(prefix) || root.startsWith(QLatin1String(prefix) + QLatin1Char('/')))
            return true;
    }
    return root == QLatin1String("/run") || root.startsWith(QLatin1String("/run/lock"));
}

QString labelOf(const QString& name, const QString& root, qint64 free)
{
    const QString where = name.isEmpty() || name == root ? root : QStringLiteral("%1 (%2)").arg(name, root);
    return QStringLiteral("%1 - %2 free").arg(where, QLocale().formattedDataSize(free));
}

} // namespace

namespace BackupDrives {

QList<Drive> list()
{
    QList<Drive> drives;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid() || isSystemVolume(volume.rootPath()))
            continue;
        drives.append({volume.rootPath(), labelOf(volume.displayName(), volume.rootPath(), volume.bytesAvailable()),
                       isRemovable(volume)});
    }
    std::stable_sort(drives.begin(), drives.end(),
                     [](const Drive& a, const Drive& b) { return a.removable && !b.removable; });
    drives.append(home());
    return drives;
}

Drive home()
{
    const QString path = QDir::homePath();
    return {path, labelOf(QStringLiteral("Home folder"), path, QStorageInfo(path).bytesAvailable()), false};
}

bool isReady(const QString& rootPath)
{
    const QFileInfo info(rootPath);
    return info.isDir() && info.isReadable() && QStorageInfo(rootPath).isReady();
}

bool isProgramFolder(const QString& folder)
{
    const QString chosen = QFileInfo(folder).canonicalFilePath();
    const QString program = QFileInfo(DataFolder::root()).canonicalFilePath();
    return !chosen.isEmpty() && chosen.compare(program, Qt::CaseInsensitive) == 0;
}

} // namespace BackupDrives

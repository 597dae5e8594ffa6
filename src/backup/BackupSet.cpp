#include "backup/BackupSet.h"

#include "backup/UserFiles.h"

#include <QFileInfo>

namespace {

QList<BackupSet::Item> items(int first, int count)
{
    QList<BackupSet::Item> list;
    const QStringList names = UserFiles::names().mid(first, count);
    for (const QString& name : names)
        list.append({name, QFileInfo(name).completeBaseName() + QStringLiteral(".hb1")});
    return list;
}

} // namespace

namespace BackupSet {

QList<Item> smallFiles()
{
    return items(0, UserFiles::kSmallFileCount);
}

QList<Item> numberedFiles()
{
    return items(UserFiles::kSmallFileCount, -1);
}

} // namespace BackupSet

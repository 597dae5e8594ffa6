#include "base/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString& rootPath()
{
    static QString root;
    return root;
}

} // namespace

namespace DataFolder {

bool setRoot(const QString& dir)
{
    rootPath() = QDir(dir).absolutePath();
    return makeCurrent();
}

QString root()
{
    return rootPath().isEmpty() ? QDir::currentPath() : rootPath();
}

bool makeCurrent()
{
    return QDir::setCurrent(root());
}

QString path(const QString& name)
{
    const QDir dir(root());
    const QString exact = dir.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return exact;
}

bool exists(const QString& name)
{
    return QFileInfo::exists(path(name));
}

} // namespace DataFolder

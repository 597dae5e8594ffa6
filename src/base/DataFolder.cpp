#include "base/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

// A folder holds the shipped documents when it holds the help file that ships with them.
const QString kShippedMarker = QStringLiteral("Tessaly.hlp");

DataFolder::Roots& current()
{
    static DataFolder::Roots roots;
    return roots;
}

// The existing file in dir whose name matches name whatever its case, or an empty string.
QString findIn(const QString& dir, const QString& name)
{
    if (dir.isEmpty())
        return QString();
    const QDir folder(dir);
    const QString exact = folder.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return QString();
}

bool holdsShippedDocuments(const QString& dir)
{
    return !findIn(dir, kShippedMarker).isEmpty();
}

bool holdsUserFiles(const QString& dir, DataFolder::UserFileTest isUserFile)
{
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    return std::any_of(entries.cbegin(), entries.cend(), isUserFile);
}

} // namespace

namespace DataFolder {

Roots chooseRoots(const QString& programDir, const QString& installedShippedDir, const QString& userDir,
                  UserFileTest isUserFile)
{
    const bool holdsDocuments = holdsShippedDocuments(programDir);
    if (holdsDocuments && QFileInfo(programDir).isWritable())
        return {QDir(programDir).absolutePath(), QString()};
    if (holdsDocuments && holdsUserFiles(programDir, isUserFile))
        return {QDir(programDir).absolutePath(), QString(), true};
    const QString shipped = holdsDocuments ? programDir : installedShippedDir;
    return {userDir.isEmpty() ? QString() : QDir(userDir).absolutePath(), QDir(shipped).absolutePath()};
}

Roots chooseRoots(const QString& programDir, UserFileTest isUserFile)
{
    const QString shipped = QDir(programDir).filePath(QStringLiteral(TESSALY_SHIPPED_FROM_BIN));
    // Without HOME Qt would answer /.local/share, a folder at the root that is nobody's.
    const bool located = !qEnvironmentVariableIsEmpty("XDG_DATA_HOME") || !qEnvironmentVariableIsEmpty("HOME");
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return chooseRoots(programDir, QDir::cleanPath(shipped),
                       located && !user.isEmpty() ? user + QStringLiteral("/Tessaly") : QString(), isUserFile);
}

bool setRoots(const Roots& roots)
{
    if (roots.writable.isEmpty())
        return false;
    current() = {QDir(roots.writable).absolutePath(),
                 roots.shipped.isEmpty() ? QString() : QDir(roots.shipped).absolutePath(), roots.readOnly};
    return (roots.readOnly || QDir().mkpath(current().writable)) && makeCurrent();
}

bool setRoot(const QString& dir)
{
    return setRoots({dir, QString()});
}

QString root()
{
    return current().writable.isEmpty() ? QDir::currentPath() : current().writable;
}

QString shippedRoot()
{
    return current().shipped;
}

bool makeCurrent()
{
    return QDir::setCurrent(root());
}

QString path(const QString& name)
{
    QString found = findIn(root(), name);
    if (found.isEmpty())
        found = findIn(shippedRoot(), name);
    return found.isEmpty() ? QDir(root()).filePath(name) : found;
}

bool exists(const QString& name)
{
    return !findIn(root(), name).isEmpty() || !findIn(shippedRoot(), name).isEmpty();
}

QString writePath(const QString& name)
{
    const QString found = findIn(root(), name);
    return found.isEmpty() ? QDir(root()).filePath(name) : found;
}

} // namespace DataFolder

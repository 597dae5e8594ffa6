#include "backup/RestoreSnapshot.h"

#include "backup/UserFiles.h"
#include "base/DataFolder.h"
#include "base/DocumentHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kPrefix = QStringLiteral("Before restore ");
const QString kUnfinishedMark = QStringLiteral("Restore not finished");

QDir root()
{
    return QDir(DataFolder::root());
}

QStringList snapshotFolders()
{
    QStringList folders = root().entryList({kPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    return folders;
}

QStringList userFilesIn(const QDir& dir)
{
    QStringList found;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (UserFiles::isUserFile(entry))
            found << entry;
    }
    return found;
}

// A rename within one folder tree (of a file or of the History folder); a copy of a file
// where the file system refuses to rename.
bool moveFile(const QString& from, const QString& to)
{
    return QDir().rename(from, to) || (QFileInfo(from).isFile() && QFile::copy(from, to) && QFile::remove(from));
}

} // namespace

namespace RestoreSnapshot {

bool take(const QDateTime& when, QString* error)
{
    const QString name = kPrefix + when.toString(QStringLiteral("yyyy-MM-dd HH.mm"));
    QDir folder(root().filePath(name));
    // A snapshot of the same minute belongs to a restore just made: this one replaces it.
    if ((folder.exists() && !folder.removeRecursively()) || !root().mkdir(name)) {
        *error = QStringLiteral("The folder \"%1\" for the present files could not be made.").arg(name);
        return false;
    }
    QFile mark(folder.filePath(kUnfinishedMark));
    if (!mark.open(QIODevice::WriteOnly)) {
        folder.removeRecursively();
        *error = QStringLiteral("The folder \"%1\" for the present files cannot be written.").arg(name);
        return false;
    }
    mark.close();
    QStringList moved;
    QStringList present = userFilesIn(root());
    // The earlier versions go aside with the files, in one move of their folder.
    if (QFileInfo(root().filePath(DocumentHistory::kFolderName)).isDir())
        present << DocumentHistory::kFolderName;
    for (const QString& file : present) {
        if (!moveFile(root().filePath(file), folder.filePath(file))) {
            for (const QString& back : moved)
                moveFile(folder.filePath(back), root().filePath(back));
            folder.removeRecursively();
            *error = QStringLiteral("%1 could not be moved aside into \"%2\".").arg(file, name);
            return false;
        }
        moved << file;
    }
    const QStringList earlier = snapshotFolders();
    for (const QString& old : earlier) {
        if (old != name)
            QDir(root().filePath(old)).removeRecursively();
    }
    return true;
}

void markFinished()
{
    if (exists())
        QFile::remove(QDir(root().filePath(latest())).filePath(kUnfinishedMark));
}

QString latest()
{
    const QStringList folders = snapshotFolders();
    return folders.isEmpty() ? QString() : folders.last();
}

bool exists()
{
    return !latest().isEmpty();
}

bool isUnfinished()
{
    return exists() && QFileInfo::exists(QDir(root().filePath(latest())).filePath(kUnfinishedMark));
}

bool undo(QString* error)
{
    if (!exists()) {
        *error = QStringLiteral("There is no restore to undo.");
        return false;
    }
    QDir folder(root().filePath(latest()));
    const QStringList current = userFilesIn(root());
    for (const QString& file : current)
        QFile::remove(root().filePath(file));
    QStringList failed;
    QStringList kept = userFilesIn(folder);
    if (QFileInfo(folder.filePath(DocumentHistory::kFolderName)).isDir()) {
        QDir(root().filePath(DocumentHistory::kFolderName)).removeRecursively();
        kept << DocumentHistory::kFolderName;
    }
    for (const QString& file : kept) {
        if (!moveFile(folder.filePath(file), root().filePath(file)))
            failed << file;
    }
    if (!failed.isEmpty()) {
        *error = QStringLiteral("These files could not be brought back from \"%1\": %2.")
                     .arg(folder.dirName(), failed.join(QStringLiteral(", ")));
        return false;
    }
    folder.removeRecursively();
    return true;
}

} // namespace RestoreSnapshot

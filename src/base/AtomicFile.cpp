#include "base/AtomicFile.h"

#include "base/DocumentHistory.h"
#include "base/WorkbookAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::function<void(const QString&)>& refusalReporter()
{
    static std::function<void(const QString&)> reporter;
    return reporter;
}

ReadOutcome refuse(const QString& path, const QString& message, QString* error)
{
    static QSet<QString> reported;
    if (error)
        *error = message;
    const QString key = path + QLatin1Char('\n') + message;
    if (refusalReporter() && !reported.contains(key)) {
        reported.insert(key);
        refusalReporter()(message);
    }
    return ReadOutcome::Refused;
}

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'f', bytes < 1024 * 1024 ? 2 : 0);
}

} // namespace

namespace {

// The checks of a read or a write, on one look at the file: QFileInfo keeps what it found.
bool isRegularOrMissing(const QFileInfo& info, QString* error)
{
    // A link is never read or written through, wherever it points: a save through it would
    // rewrite a file outside the workbook. The link and its target are left as they are.
    if (info.isSymLink()) {
        if (error) {
            *error = QStringLiteral("%1 is a link to another file (%2), so Tessaly neither reads nor saves it. "
                                    "Replace the link with the file itself to use it here.")
                         .arg(info.fileName(), info.symLinkTarget());
        }
        return false;
    }
    if (info.isFile() || !info.exists())
        return true;
    if (error) {
        *error = QStringLiteral("%1 is not an ordinary file (it is a folder or a device), so "
                                "Tessaly does not use it.")
                     .arg(info.fileName());
    }
    return false;
}

bool mayRead(const QFileInfo& info, qint64 maxBytes, QString* error)
{
    const QString path = info.filePath();
    QString why;
    if (!isRegularOrMissing(info, &why)) {
        refuse(path, why, error);
        return false;
    }
    if (info.exists() && info.size() > maxBytes) {
        refuse(path,
               QStringLiteral("%1 is %2 MB, larger than Tessaly expects such a file to be (%3 MB), so it was not "
                              "read.")
                   .arg(info.fileName(), megabytes(info.size()), megabytes(maxBytes)),
               error);
        return false;
    }
    return true;
}

} // namespace

bool isRegularOrMissing(const QString& path, QString* error)
{
    return isRegularOrMissing(QFileInfo(path), error);
}

bool mayRead(const QString& path, qint64 maxBytes, QString* error)
{
    return mayRead(QFileInfo(path), maxBytes, error);
}

ReadOutcome readFileWithin(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error)
{
    bytes->clear();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return ReadOutcome::Missing;
    if (!mayRead(info, maxBytes, error))
        return ReadOutcome::Refused;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(path, QStringLiteral("%1 could not be read: %2").arg(fileName(path), file.errorString()), error);
    // Never more than the limit, even if the file grows while it is read. Asking for no more
    // than the file holds keeps the read from reserving the whole limit for a small file.
    *bytes = file.read(qMin(maxBytes, file.size() + 1));
    if (file.error() != QFileDevice::NoError) {
        bytes->clear();
        return refuse(path, QStringLiteral("%1 could not be read: %2").arg(fileName(path), file.errorString()), error);
    }
    return ReadOutcome::Read;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    if (WorkbookAccess::refusesWrite(path, error) || !isRegularOrMissing(path, error))
        return false;
    // The text a save replaces goes into the history first. A history that cannot be written
    // does not stop the save: the user's new text matters more than an old one.
    if (DocumentHistory::tracks(path)) {
        QByteArray replaced;
        if (readFileWithin(path, FileLimits::kDocument, &replaced) == ReadOutcome::Read && replaced != bytes)
            DocumentHistory::keep(QFileInfo(path).fileName(), replaced);
    }
    QSaveFile file(path);
    return writeThroughSaveFile(file, bytes, error);
}

bool writeNewFile(const QString& path, const QByteArray& bytes, QString* error)
{
    if (WorkbookAccess::refusesWrite(path, error))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        file.remove();
        return false;
    }
    return true;
}

bool syncFileSystem(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::syncfs(fd) == 0;
    ::close(fd);
    return synced;
}

bool writeThroughSaveFile(QSaveFile& file, const QByteArray& bytes, QString* error)
{
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // QSaveFile's commit() renames the new file into place even when the last flush of its
    // buffer failed (a full disk, say): flush first and give up on any error, so the old
    // file is never replaced by a short one.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void setFileRefusalReporter(std::function<void(const QString&)> reporter)
{
    refusalReporter() = std::move(reporter);
}

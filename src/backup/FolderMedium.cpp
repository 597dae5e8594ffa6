#include "backup/FolderMedium.h"

#include "base/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/statvfs.h>

FolderMedium::FolderMedium(const QString& folder, Asker ask)
    : m_folder(QDir(folder).absolutePath()), m_ask(std::move(ask))
{
}

QString FolderMedium::location() const
{
    return m_folder.endsWith(QLatin1Char('/')) ? m_folder : m_folder + QLatin1Char('/');
}

QHash<QString, QString>& FolderMedium::namesOnDisk() const
{
    if (!m_names) {
        m_names.emplace();
        const QStringList entries = QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
        for (const QString& entry : entries)
            m_names->insert(entry.toLower(), entry);
    }
    return *m_names;
}

QString FolderMedium::existingPath(const QString& name) const
{
    return QDir(m_folder).filePath(namesOnDisk().value(name.toLower(), name));
}

bool FolderMedium::write(const QString& name, const QByteArray& bytes)
{
    // A file of another letter case would otherwise stay beside the new one.
    const QString previous = existingPath(name);
    const QString path = QDir(m_folder).filePath(name);
    if (previous != path && !QFile::remove(previous))
        return false;
    namesOnDisk().remove(name.toLower());
    // Written in place: a copy counts only once it has been read back, and the set only once
    // the disk's index is written last, so a half-written copy is never taken for a whole one.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
        file.remove(); // no part of a copy is left to take the room the disk's index needs
        return false;
    }
    namesOnDisk().insert(name.toLower(), name);
    return true;
}

bool FolderMedium::read(const QString& name, QByteArray* bytes) const
{
    return readFileWithin(existingPath(name), FileLimits::kDocument, bytes) == ReadOutcome::Read;
}

bool FolderMedium::remove(const QString& name)
{
    const QString path = existingPath(name);
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    namesOnDisk().remove(name.toLower());
    return true;
}

bool FolderMedium::flush()
{
    return syncFileSystem(m_folder);
}

QStringList FolderMedium::files(const QString& suffix) const
{
    QStringList found;
    for (const QString& entry : std::as_const(namesOnDisk())) {
        if (entry.endsWith(suffix, Qt::CaseInsensitive))
            found << entry;
    }
    return found;
}

qint64 FolderMedium::freeSpace() const
{
    struct statvfs volume;
    if (statvfs(QFile::encodeName(m_folder).constData(), &volume) != 0)
        return 0;
    return qint64(volume.f_bavail) * qint64(volume.f_frsize);
}

qint64 FolderMedium::blockSize() const
{
    struct statvfs volume;
    if (statvfs(QFile::encodeName(m_folder).constData(), &volume) != 0 || volume.f_bsize == 0)
        return 4096;
    return qint64(volume.f_bsize);
}

Messages::Answer FolderMedium::askForDisk(const Prompt& prompt)
{
    const Messages::Answer answer = m_ask(prompt);
    m_names.reset(); // another disk may be in the drive now
    return answer;
}

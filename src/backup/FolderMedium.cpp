#include "backup/FolderMedium.h"

#include "base/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

FolderMedium::FolderMedium(const QString& folder, Asker ask)
    : m_folder(QDir(folder).absolutePath()), m_ask(std::move(ask))
{
}

QString FolderMedium::location() const
{
    return m_folder.endsWith(QLatin1Char('/')) ? m_folder : m_folder + QLatin1Char('/');
}

QString FolderMedium::existingPath(const QString& name) const
{
    const QDir dir(m_folder);
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

bool FolderMedium::write(const QString& name, const QByteArray& bytes)
{
    // A file of another letter case would otherwise stay beside the new one.
    const QString previous = existingPath(name);
    const QString path = QDir(m_folder).filePath(name);
    if (previous != path && !QFile::remove(previous))
        return false;
    return writeFileAtomically(path, bytes);
}

bool FolderMedium::read(const QString& name, QByteArray* bytes) const
{
    return readFileWithin(existingPath(name), FileLimits::kDocument, bytes) == ReadOutcome::Read;
}

bool FolderMedium::remove(const QString& name)
{
    const QString path = existingPath(name);
    return !QFileInfo::exists(path) || QFile::remove(path);
}

QStringList FolderMedium::files(const QString& suffix) const
{
    QStringList found;
    const QStringList entries = QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.endsWith(suffix, Qt::CaseInsensitive))
            found << entry;
    }
    return found;
}

qint64 FolderMedium::freeSpace() const
{
    const QStorageInfo volume(m_folder);
    return volume.isValid() ? volume.bytesAvailable() : 0;
}

qint64 FolderMedium::blockSize() const
{
    const QStorageInfo volume(m_folder);
    return volume.isValid() && volume.blockSize() > 0 ? volume.blockSize() : 4096;
}

Messages::Answer FolderMedium::askForDisk(const Prompt& prompt)
{
    return m_ask(prompt);
}

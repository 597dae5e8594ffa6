#include "base/WorkbookLock.h"

#include "base/Clock.h"
#include "base/LoginName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>

const QString WorkbookLock::kLockName = QStringLiteral("Tessaly.lck");
const QString WorkbookLock::kHolderName = QStringLiteral("Tessaly.lck.holder");

WorkbookLock::WorkbookLock(const QString& folder) : m_folder(folder), m_lock(QDir(folder).filePath(kLockName))
{
    m_lock.setStaleLockTime(int(kStaleAfter.count()));
}

WorkbookLock::~WorkbookLock()
{
    if (m_lock.isLocked())
        QFile::remove(QDir(m_folder).filePath(kHolderName));
}

bool WorkbookLock::acquire()
{
    if (!m_lock.tryLock(0))
        return false;
    // The note is for the other copies' message only; the lock itself is what guards.
    QFile note(QDir(m_folder).filePath(kHolderName));
    if (note.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        note.write(QStringLiteral("%1\n%2\n%3\n")
                       .arg(loginName(), QSysInfo::machineHostName(), Clock::now().toString(Qt::ISODate))
                       .toUtf8());
    }
    return true;
}

WorkbookLock::Holder WorkbookLock::holder() const
{
    Holder holder;
    qint64 pid = 0;
    QString application;
    m_lock.getLockInfo(&pid, &holder.host, &application);
    QFile note(QDir(m_folder).filePath(kHolderName));
    if (note.open(QIODevice::ReadOnly)) {
        const QStringList lines = QString::fromUtf8(note.read(4096)).split(QLatin1Char('\n'));
        if (lines.size() >= 3 && (holder.host.isEmpty() || lines.at(1) == holder.host)) {
            holder.user = lines.at(0);
            holder.host = lines.at(1);
            holder.since = QDateTime::fromString(lines.at(2), Qt::ISODate);
        }
    }
    const QFileInfo lockFile(QDir(m_folder).filePath(kLockName));
    if (holder.user.isEmpty())
        holder.user = lockFile.owner();
    if (!holder.since.isValid())
        holder.since = lockFile.birthTime().isValid() ? lockFile.birthTime() : lockFile.lastModified();
    return holder;
}

QString WorkbookLock::describe(const Holder& holder)
{
    const QString user = holder.user.isEmpty() ? QStringLiteral("another user") : holder.user;
    const QString host = holder.host.isEmpty() ? QStringLiteral("another computer") : holder.host;
    QString text = QStringLiteral("%1 on %2").arg(user, host);
    if (holder.since.isValid())
        text += QStringLiteral(" since %1").arg(QLocale().toString(holder.since, QLocale::ShortFormat));
    return text;
}

void WorkbookLock::renew()
{
    if (!m_lock.isLocked())
        return;
    QFile file(QDir(m_folder).filePath(kLockName));
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
}

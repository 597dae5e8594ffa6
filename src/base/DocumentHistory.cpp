#include "base/DocumentHistory.h"

#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "base/DataFolder.h"
#include "base/LoginName.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

// A version's file name: the time it was replaced, "~", the login name, ".qz".
const QString kTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmsszzz");
const QString kSuffix = QStringLiteral(".qz");

std::function<bool(const QString&)>& tracked()
{
    static std::function<bool(const QString&)> fn;
    return fn;
}

QString folderOf(const QString& name)
{
    return QDir(DataFolder::root()).filePath(DocumentHistory::kFolderName + QLatin1Char('/') + name);
}

// Login names become part of a file name: anything but letters, digits, "." "_" "-" is "_".
QString safeLogin(const QString& login)
{
    QString safe = login;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

} // namespace

namespace DocumentHistory {

void setTracked(std::function<bool(const QString&)> fn)
{
    tracked() = std::move(fn);
}

bool tracks(const QString& path)
{
    if (!tracked())
        return false;
    const QFileInfo file(path);
    return tracked()(file.fileName()) &&
           QFileInfo(file.absolutePath()).canonicalFilePath() == QFileInfo(DataFolder::root()).canonicalFilePath();
}

bool keep(const QString& name, const QByteArray& bytes, QString* error)
{
    const QList<Version> kept = versions(name);
    if (!kept.isEmpty() && read(kept.first()) == bytes)
        return true;
    const QString folder = folderOf(name);
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("The history folder %1 could not be made.").arg(folder);
        return false;
    }
    const QDateTime now = Clock::now().toUTC();
    const QString stem = now.toString(kTimeFormat) + QLatin1Char('~') + safeLogin(loginName());
    QString path = QDir(folder).filePath(stem + kSuffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QLatin1Char('-') + QString::number(n) + kSuffix);
    if (!writeNewFile(path, qCompress(bytes, 9), error))
        return false;
    prune(name, now);
    return true;
}

QList<Version> versions(const QString& name)
{
    QList<Version> found;
    const QFileInfoList files =
        QDir(folderOf(name)).entryInfoList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QFileInfo& file : files) {
        const QString base = file.completeBaseName();
        const int tilde = base.indexOf(QLatin1Char('~'));
        QDateTime when = QDateTime::fromString(base.left(tilde), kTimeFormat);
        if (tilde < 0 || !when.isValid())
            continue;
        when.setTimeSpec(Qt::UTC);
        QString login = base.mid(tilde + 1);
        login.remove(QRegularExpression(QStringLiteral("-\\d+$")));
        found.append({when, login, file.absoluteFilePath()});
    }
    return found;
}

std::optional<QByteArray> read(const Version& version)
{
    QByteArray packed;
    if (readFileWithin(version.path, FileLimits::kDocument, &packed) != ReadOutcome::Read)
        return std::nullopt;
    const QByteArray bytes = qUncompress(packed);
    if (bytes.isEmpty() && !packed.isEmpty() && packed != qCompress(QByteArray(), 9))
        return std::nullopt;
    return bytes;
}

int prune(const QString& name, const QDateTime& now)
{
    int removed = 0;
    for (const Version& version : versions(name)) {
        if (version.replacedAt.addYears(kYearsKept) < now && QFile::remove(version.path))
            ++removed;
    }
    return removed;
}

} // namespace DocumentHistory

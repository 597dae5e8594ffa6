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
constexpr int kTimeLength = 18;
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

// The versions' file names, oldest first: the names start with the time, so they sort by it.
QStringList versionFiles(const QString& folder)
{
    return QDir(folder).entryList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name);
}

// A document's versions lie in one folder a year ("2026"), so that a save, which looks at
// the newest version and the oldest, reads one year's names and not six years' of them.
QStringList yearFolders(const QString& documentFolder)
{
    QStringList years = QDir(documentFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    years.erase(std::remove_if(years.begin(), years.end(),
                               [](const QString& y) {
                                   return y.size() != 4 ||
                                          !std::all_of(y.cbegin(), y.cend(), [](QChar c) { return c.isDigit(); });
                               }),
                years.end());
    return years;
}

// "20261207T090512345~renata.qz" (or "...~renata-2.qz" for a second save in one millisecond).
// Read by hand: a workbook of many years holds tens of thousands of these.
std::optional<DocumentHistory::Version> parse(const QString& folder, const QString& file)
{
    const int tilde = file.indexOf(QLatin1Char('~'));
    if (tilde != kTimeLength || file.size() <= tilde + 1 + kSuffix.size() || file.at(8) != QLatin1Char('T'))
        return std::nullopt;
    const auto number = [&file](int from, int length) { return QStringView(file).mid(from, length).toInt(); };
    const QDate date(number(0, 4), number(4, 2), number(6, 2));
    const QTime time(number(9, 2), number(11, 2), number(13, 2), number(15, 3));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    QString login = file.mid(tilde + 1, file.size() - tilde - 1 - kSuffix.size());
    const int dash = login.lastIndexOf(QLatin1Char('-'));
    if (dash > 0 && std::all_of(login.cbegin() + dash + 1, login.cend(), [](QChar c) { return c.isDigit(); }) &&
        dash + 1 < login.size())
        login.truncate(dash);
    return DocumentHistory::Version{QDateTime(date, time, Qt::UTC), login, QDir(folder).filePath(file)};
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
    const QString documentFolder = folderOf(name);
    const QStringList years = yearFolders(documentFolder);
    for (auto year = years.crbegin(); year != years.crend(); ++year) {
        const QString folder = QDir(documentFolder).filePath(*year);
        const QStringList files = versionFiles(folder);
        if (files.isEmpty())
            continue;
        const std::optional<Version> newest = parse(folder, files.last());
        if (newest && read(*newest) == bytes)
            return true;
        break;
    }
    const QDateTime now = Clock::now().toUTC();
    const QString folder = QDir(documentFolder).filePath(QString::number(now.date().year()));
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("The history folder %1 could not be made.").arg(folder);
        return false;
    }
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
    const QString documentFolder = folderOf(name);
    const QStringList years = yearFolders(documentFolder);
    QList<Version> found;
    for (auto year = years.crbegin(); year != years.crend(); ++year) {
        const QString folder = QDir(documentFolder).filePath(*year);
        const QStringList files = versionFiles(folder);
        found.reserve(found.size() + files.size());
        for (auto it = files.crbegin(); it != files.crend(); ++it) {
            if (const std::optional<Version> version = parse(folder, *it))
                found.append(*version);
        }
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
    // Oldest first, and only in the years that can hold a version replaced six years ago:
    // the walk stops at the first version still within the six years.
    const QString documentFolder = folderOf(name);
    int removed = 0;
    for (const QString& year : yearFolders(documentFolder)) {
        if (year.toInt() > now.date().year() - kYearsKept)
            break;
        const QString folder = QDir(documentFolder).filePath(year);
        for (const QString& file : versionFiles(folder)) {
            const std::optional<Version> version = parse(folder, file);
            if (!version)
                continue;
            if (version->replacedAt.addYears(kYearsKept) >= now)
                return removed;
            if (QFile::remove(version->path))
                ++removed;
        }
        QDir(documentFolder).rmdir(year); // once empty
    }
    return removed;
}

} // namespace DocumentHistory

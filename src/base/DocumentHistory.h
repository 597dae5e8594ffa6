// Earlier versions of the practice's documents, kept inside the workbook in its "History"
// folder: a save that replaces a tracked file first keeps the bytes it replaces, compressed,
// dated and signed with the login name. Saving the same bytes again keeps nothing new. A
// version goes only once the text that replaced it has been in effect for more than six
// years, the time the rule keeps documentation.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace DocumentHistory {

inline const QString kFolderName = QStringLiteral("History");
constexpr int kYearsKept = 6;

struct Version
{
    QDateTime replacedAt; // when a save replaced it, in UTC
    QString login;        // who made that save
    QString path;         // the compressed copy
};

// Which files of the workbook have a history (the program names its documents); none
// without it. An empty function tracks nothing.
void setTracked(std::function<bool(const QString& name)> tracked);
// True when path is a tracked file directly in the workbook folder.
bool tracks(const QString& path);

// Keeps bytes, the content of the tracked file name that a save is about to replace, unless
// they equal its newest version; then drops what has been replaced too long ago. False, with
// *error saying why, when the version could not be written.
bool keep(const QString& name, const QByteArray& bytes, QString* error = nullptr);

// The versions of name, newest first.
QList<Version> versions(const QString& name);
// A version's bytes; nothing when its copy is missing or damaged.
std::optional<QByteArray> read(const Version& version);
// Removes the versions of name replaced more than six years before now; returns how many.
int prune(const QString& name, const QDateTime& now);

} // namespace DocumentHistory

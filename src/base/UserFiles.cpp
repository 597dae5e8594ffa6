#include "base/UserFiles.h"

#include "base/DataFolder.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace UserFiles {

QStringList names()
{
    // Built once: backup, restore and start-up all ask for it, some of them per file.
    static const QStringList all = [] {
        QStringList list{QStringLiteral("TODONAME.FIL"), QStringLiteral("GColor3.Fil"), QStringLiteral("TODOActv.FIL"),
                         QStringLiteral("HINV3.Fil"),    QStringLiteral("Stat1.Fil"),   QStringLiteral("RAList.Fil")};
        for (const char* prefix : {"Action", "Comment", "Policy"}) {
            for (int n = 0; n <= 46; ++n)
                list << QStringLiteral("%1%2.Fil").arg(QLatin1String(prefix)).arg(n);
        }
        for (int n = 0; n <= 20; ++n)
            list << QStringLiteral("Wksht%1.Fil").arg(n);
        list << QStringLiteral("DRPln1.Fil");
        return list;
    }();
    return all;
}

bool isUserFile(const QString& name)
{
    static const QSet<QString> lowerCase = [] {
        QSet<QString> set;
        for (const QString& n : names())
            set.insert(n.toLower());
        return set;
    }();
    return lowerCase.contains(name.toLower());
}

int removeStaleSaveFiles(const QStringList& alsoKept)
{
    const auto kept = [&alsoKept](const QString& name) {
        return isUserFile(name) || alsoKept.contains(name, Qt::CaseInsensitive);
    };
    static const QRegularExpression saveSuffix(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    QDir folder(DataFolder::root());
    int removed = 0;
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        const QRegularExpressionMatch match = saveSuffix.match(entry);
        if (match.hasMatch() && kept(match.captured(1)) && folder.remove(entry))
            ++removed;
    }
    return removed;
}

} // namespace UserFiles

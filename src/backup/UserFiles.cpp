#include "backup/UserFiles.h"

#include "base/DataFolder.h"
#include "base/DisplaySettings.h"
#include "catalog/SafeguardCatalog.h"
#include "register/RegisterFile.h"
#include "timeline/ItemNameList.h"
#include "timeline/TimelineFiles.h"
#include "worksheets/AddressableDecisions.h"
#include "worksheets/RecoveryPlanFiles.h"
#include "worksheets/StatusStore.h"
#include "worksheets/WorksheetTitles.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace UserFiles {

QStringList names()
{
    // Built once, from the names their owners give them: backup, restore and start-up all
    // ask for it, some of them per file.
    static const QStringList all = [] {
        QStringList list{ItemNameList::kFileName,      DisplaySettings::kGridFile, TimelineFiles::kGridFileName,
                         DisplaySettings::kColourFile, StatusStore::kFileName,     WorksheetTitles::kFileName};
        for (WorksheetPane pane :
             {WorksheetPane::ActionTaken, WorksheetPane::CommentsNotes, WorksheetPane::PoliciesProcedures}) {
            for (int n = 0; n < SafeguardCatalog::kEntryCount; ++n)
                list << SafeguardCatalog::documentFileName(n, pane);
        }
        for (int n = 0; n < WorksheetTitles::kCount; ++n)
            list << WorksheetTitles::documentFile(n);
        list << RecoveryPlanFiles::kPlan;
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
        set.insert(AddressableDecisions::kFileName.toLower());
        set.insert(RegisterFile::kFileName.toLower());
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

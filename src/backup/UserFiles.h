// The User Created Files: every file in the program folder that holds the practice's own
// work, named as their owners name them. Backup copies them, restore brings them back,
// start-up tidies after them. A new kind of user file is added here, from its owner's name.
#pragma once

#include <QStringList>

namespace UserFiles {

// Every name, as the program spells it, in the order a backup copies them: first the six small
// files (the timeline's item names, the grid background and display mode, the timeline's
// activities, the background colour, the statuses, the risk worksheets' titles), then the
// numbered documents: the 47 safeguards' Action, Comment and Policy documents, the 21 risk
// worksheets and the plan.
QStringList names();

// How many of names() are small files; the rest are the numbered documents 0 to 162.
constexpr int kSmallFileCount = 6;

// True when name (any letter case) is one of names(), the addressable decisions' file or the
// risk register, which a set carries after them as part of the evidence record.
bool isUserFile(const QString& name);

// Removes what an interrupted save of a User Created File, or of one of alsoKept (the program's
// own files that are not backed up, such as the spelling list), can leave behind: the name
// followed by QSaveFile's "." and six characters. Nothing else is touched. Returns how many
// were removed.
int removeStaleSaveFiles(const QStringList& alsoKept = {});

} // namespace UserFiles

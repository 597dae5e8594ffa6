// The User Created Files: every file in the program folder that holds the practice's own
// work. Backup copies them, restore brings them back, start-up tidies after them.
#pragma once

#include <QStringList>

namespace UserFiles {

// Every name, as the program spells it: statuses, the 47 safeguards' three documents, the
// timeline, the grid background, the risk worksheets and their titles, the plan, the display mode.
QStringList names();

// Removes what an interrupted save of a User Created File can leave behind: the name followed
// by QSaveFile's "." and six characters. Nothing else is touched. Returns how many were removed.
int removeStaleSaveFiles();

} // namespace UserFiles

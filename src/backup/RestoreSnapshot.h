// The User Created Files as they were before the last restore, kept in a dated folder inside
// the program folder ("Before restore 2026-12-06 14.05") until the next restore replaces it,
// so that a restore can be undone and one cut short by a crash can be taken back.
#pragma once

#include <QDateTime>
#include <QString>

namespace RestoreSnapshot {

// Moves every User Created File of the program folder into a new snapshot folder, marked as
// belonging to a restore that has not finished; earlier snapshots go. On failure nothing has
// moved and *error says why.
bool take(const QDateTime& when, QString* error);

// The restore has finished: the snapshot stays for Undo Last Restore only.
void markFinished();

// The folder name of the newest snapshot, or empty when there is none.
QString latest();
bool exists();
// A restore began and never finished: its snapshot still carries the mark.
bool isUnfinished();

// Brings the snapshot's files back in place of the current User Created Files and removes the
// snapshot. On failure the snapshot stays and *error says what could not be brought back.
bool undo(QString* error);

} // namespace RestoreSnapshot

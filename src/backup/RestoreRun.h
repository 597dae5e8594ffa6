// The restore: checks that disk 1 of a set is in the drive, moves the present User Created
// Files aside, then copies every backup file of the set back, disk after disk, checking each
// against its disk's checksums.
#pragma once

#include "backup/ChecksumList.h"
#include "backup/DiskIndex.h"

#include <QDateTime>
#include <QStringList>

class Medium;
class RunView;

class RestoreRun
{
public:
    enum class Outcome
    {
        NotStarted, // not disk 1 of a set, or the user did not confirm
        Completed,
        Failed // the present files could not be moved aside; nothing was changed
    };

    RestoreRun(Medium& medium, RunView& view);

    // now names the folder that keeps the present files.
    Outcome run(const QDateTime& now);

    // Files of the set that failed their checksum, and files that could not be written.
    QStringList damagedFiles() const { return m_damaged; }

private:
    // Checks the disk in the drive against its list; when files are missing or damaged, names
    // them and asks whether to go on (No as default). True to go on.
    bool mayUseDisk();
    void copyAll();
    // Reads a backup file and checks it against its disk's list; a missing file the list
    // names, or one that differs, is counted damaged.
    bool readChecked(const QString& mediumName, QByteArray* bytes);
    void restoreFile(const QString& mediumName, const QString& dataName);
    // The decisions and the History folder that follow the User Created Files, when the set has them.
    void restoreEvidence();
    // The disk in the drive was followed by another when the set was made.
    bool hasNextDisk() const;
    void changeDisk();
    void reportProblems();

    Medium& m_medium;
    RunView& m_view;
    DiskIndex m_index; // of the disk in the drive
    ChecksumList m_sums;
    int m_expectedDisk = 1;
    QStringList m_damaged;
    QStringList m_unwritten;
};

// Make Backup: copies every User Created File to the medium under its backup name, disk after
// disk when one fills up, and writes each disk's index (DiskInfo.bk1) and checksums (Sums.bk1).
#pragma once

#include "backup/ChecksumList.h"
#include "backup/DiskIndex.h"

class Medium;
class RunView;

class BackupRun
{
public:
    enum class Outcome
    {
        NotStarted, // the user did not confirm
        Completed,
        Cancelled, // the user chose Cancel at a prompt
        Stopped,   // the medium could not be written at all
        Failed     // a disk's index could not be written: the set is not usable
    };

    BackupRun(Medium& medium, RunView& view);

    // Asks first, then runs the backup and sets the final status. pathText is the path as shown.
    Outcome makeBackup(const QString& pathText);

private:
    enum class Phase
    {
        Done,
        Cancelled,
        Failed
    };

    Outcome run();
    bool probe();
    Phase smallFilePhase();
    Phase numberedFilePhase();
    Phase changeDisk(int item);
    bool closeDisk(DiskIndex index);
    bool failDisk(const DiskIndex& index);

    // Copies a file and reads it back; true only when the medium holds exactly these bytes.
    bool copyVerified(const QString& name, const QByteArray& bytes);
    bool hasRoomFor(const QString& name, qint64 size) const;
    void deleteFiles(const QString& suffix);
    void cancelled();

    Medium& m_medium;
    RunView& m_view;
    ChecksumList m_sums; // of the disk in the drive
    int m_currentDisk = 1;
    int m_lastPreparedDisk = 1;
};

#include "backup/BackupRun.h"

#include "backup/BackupSet.h"
#include "backup/EvidenceBundle.h"
#include "backup/Medium.h"
#include "backup/RunView.h"
#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "base/DisplaySettings.h"

namespace {

using Messages::Answer;
using Messages::Buttons;
using Messages::Icon;

const QString kBackupDisk = QStringLiteral("Backup Disk");
const QString kCaution = QStringLiteral("CAUTION: Wait till Disk Drive light goes out and");

Prompt deleteQuestion(const QString& pathText)
{
    return {QStringLiteral("This utility will first Delete all existing User Created Files files\rlocated in Path: ") +
                pathText + QStringLiteral("\r\rProceed?"),
            QStringLiteral("Delete Files"), Buttons::YesNoCancel, Icon::Question};
}

Prompt diskFullPrompt()
{
    return {QStringLiteral("Disk is either Full, or there is not enough room\rremaining for the requested backup "
                           "files!\rPlease Insert a New Blank Formatted\rBackup Disk and then Click on OK.\r") +
                kCaution + QStringLiteral("\rBe sure New Disk is inserted before Clicking OK"),
            kBackupDisk, Buttons::OkCancel, Icon::Information};
}

Prompt nextDiskPrompt(int disk)
{
    return {QStringLiteral("Disk is Full.\rPlease Insert Backup Disk #%1\r").arg(disk) + kCaution +
                QStringLiteral(" Be sure New Disk is inserted before Clicking OK"),
            kBackupDisk, Buttons::OkCancel, Icon::Information};
}

QString makingDiskStatus(int disk)
{
    return QStringLiteral("Making User Created Files Backup Disk #%1").arg(disk);
}

// A User Created File's bytes, or false when it cannot be opened (the user never made it).
bool readSource(const QString& dataName, QByteArray* bytes)
{
    return readFileWithin(DataFolder::path(dataName), FileLimits::kDocument, bytes) == ReadOutcome::Read;
}

qint64 roundUp(qint64 size, qint64 block)
{
    return (size + block - 1) / block * block;
}

} // namespace

BackupRun::BackupRun(Medium& medium, RunView& view) : m_medium(medium), m_view(view) {}

BackupRun::Outcome BackupRun::makeBackup(const QString& pathText)
{
    if (m_view.ask(deleteQuestion(pathText)) != Answer::Yes) {
        m_view.setProgressVisible(false);
        return Outcome::NotStarted;
    }
    m_view.setStatus(QStringLiteral("Deleting Old Files"));
    m_view.setNoteVisible(false);
    m_view.setStatusVisible(true);
    m_view.processEvents();
    m_view.pauseTwoSeconds();
    m_view.processEvents();
    const Outcome outcome = run();
    if (outcome == Outcome::Cancelled)
        m_view.setStatus(QStringLiteral("Backup Terminated by User"));
    else if (outcome == Outcome::Failed)
        m_view.setStatus(QStringLiteral("Backup Failed"));
    else
        m_view.setStatus(QStringLiteral("Backup Complete"));
    m_view.setBusy(false);
    m_view.setProgressVisible(false);
    return outcome;
}

BackupRun::Outcome BackupRun::run()
{
    m_view.setBusy(true);
    // Whatever an earlier set left here goes, its index and checksums with it.
    deleteFiles(QStringLiteral(".hb1"));
    deleteFiles(QStringLiteral(".bk1"));
    if (!probe()) {
        m_view.setBusy(false);
        const Prompt diskError{QStringLiteral("Unable to access Disk or Disk is Full!\rMake sure Disk is in Drive and "
                                              "Not Write Protected!"),
                               QStringLiteral("Disk Error"), Buttons::OkCancel, Icon::Information};
        if (m_view.ask(diskError) == Answer::Cancel)
            return Outcome::Cancelled;
        m_view.chooseDefaultDrive();
        m_view.setStatusVisible(false);
        return Outcome::Stopped;
    }
    m_view.setNoteVisible(false);
    m_view.processEvents();
    m_view.setStatus(makingDiskStatus(1));
    if (smallFilePhase() == Phase::Cancelled) {
        cancelled();
        return Outcome::Cancelled;
    }
    const Phase numbered = numberedFilePhase();
    m_view.disableStart();
    m_view.setBusy(false);
    if (numbered == Phase::Failed)
        return Outcome::Failed;
    return numbered == Phase::Cancelled ? Outcome::Cancelled : Outcome::Completed;
}

bool BackupRun::probe()
{
    // A copy of the colour file, read back and removed. It needs only room for itself: the
    // room a disk of the set keeps for its index and checksums is the later copies' concern.
    static const QString kProbe = QStringLiteral("Test1.hb1");
    QByteArray cargo;
    if (!readSource(DisplaySettings::kColourFile, &cargo))
        return false;
    QByteArray readBack;
    const bool written = m_medium.write(kProbe, cargo) && m_medium.read(kProbe, &readBack) && readBack == cargo;
    m_medium.remove(kProbe);
    return written;
}

BackupRun::Phase BackupRun::smallFilePhase()
{
    const QList<BackupSet::Item> items = BackupSet::smallFiles();
    for (;;) {
        m_view.setBusy(true);
        m_view.setStatusVisible(true);
        m_view.setProgressVisible(true);
        m_view.processEvents();
        m_sums.clear();
        DiskIndex index;
        index.mark();
        bool filled = !index.writeTo(m_medium);
        if (filled)
            m_medium.remove(DiskIndex::kFileName);
        for (int n = 0; n < items.size() && !filled; ++n) {
            QByteArray bytes;
            if (!readSource(items.at(n).dataName, &bytes))
                continue;
            filled = !copyVerified(items.at(n).mediumName, bytes);
            if (filled)
                deleteFiles(QStringLiteral(".hb1"));
            else
                m_view.setProgress(n + 1);
        }
        if (!filled)
            return Phase::Done;
        m_view.setBusy(false);
        if (m_medium.askForDisk(diskFullPrompt()) == Answer::Cancel) {
            // Without its index the disk is no part of a set.
            m_medium.remove(DiskIndex::kFileName);
            return Phase::Cancelled;
        }
        // A new disk: nothing of another set may stay on it.
        deleteFiles(QStringLiteral(".hb1"));
        deleteFiles(QStringLiteral(".bk1"));
    }
}

BackupRun::Phase BackupRun::numberedFilePhase()
{
    m_currentDisk = 1;
    m_lastPreparedDisk = 1;
    m_view.setProgressVisible(true);
    const QList<BackupSet::Item> items = BackupSet::numberedFiles();
    for (int i = 0; i < items.size();) {
        m_view.setProgress(i + 5);
        QByteArray bytes;
        if (!readSource(items.at(i).dataName, &bytes) || copyVerified(items.at(i).mediumName, bytes)) {
            ++i;
            continue;
        }
        const Phase change = changeDisk(i);
        if (change != Phase::Done)
            return change;
    }
    // The evidence record follows as items 163 on; the last disk still ends at item 162, so a
    // set without it reads as before.
    const QList<EvidenceBundle::Bundle> bundles = EvidenceBundle::pack();
    for (int n = 0; n < bundles.size();) {
        if (copyVerified(bundles.at(n).mediumName, bundles.at(n).bytes)) {
            ++n;
            continue;
        }
        const Phase change = changeDisk(BackupSet::kLastItem + 1 + n);
        if (change != Phase::Done)
            return change;
    }
    DiskIndex index = DiskIndex::readFrom(m_medium);
    index.mark();
    index.setNumber(DiskIndex::DiskNumberRecord, m_currentDisk);
    index.setNumber(DiskIndex::LastItemRecord, BackupSet::kLastItem);
    const bool closed = closeDisk(index);
    m_view.setProgressVisible(false);
    return closed ? Phase::Done : Phase::Failed;
}

BackupRun::Phase BackupRun::changeDisk(int item)
{
    DiskIndex full = DiskIndex::readFrom(m_medium);
    full.mark();
    full.setNumber(DiskIndex::DiskNumberRecord, m_currentDisk);
    ++m_currentDisk;
    full.setNumber(DiskIndex::NextDiskRecord, m_currentDisk);
    full.setNumber(DiskIndex::LastItemRecord, item - 1);
    const bool closed = closeDisk(full);
    m_view.setProgressVisible(false);
    if (!closed)
        return Phase::Failed;
    for (;;) {
        if (m_medium.askForDisk(nextDiskPrompt(m_currentDisk)) == Answer::Cancel) {
            m_medium.remove(DiskIndex::kFileName);
            m_medium.remove(ChecksumList::kFileName);
            cancelled();
            return Phase::Cancelled;
        }
        if (DiskIndex::readFrom(m_medium).number(DiskIndex::DiskNumberRecord) == m_lastPreparedDisk)
            continue; // the same disk is still in the drive
        m_view.setStatus(QStringLiteral("Deleting Old Files"));
        deleteFiles(QStringLiteral(".bk1"));
        deleteFiles(QStringLiteral(".hb1"));
        m_view.processEvents();
        DiskIndex fresh;
        fresh.mark();
        fresh.setNumber(DiskIndex::DiskNumberRecord, m_currentDisk);
        fresh.setNumber(DiskIndex::NextDiskRecord, m_currentDisk);
        fresh.setNumber(DiskIndex::LastItemRecord, item - 1);
        if (!fresh.writeTo(m_medium))
            continue; // this disk cannot be written either: ask for another
        ++m_lastPreparedDisk;
        m_sums.clear();
        m_view.setStatus(makingDiskStatus(m_currentDisk));
        m_view.setProgressVisible(true);
        m_view.processEvents();
        return Phase::Done;
    }
}

bool BackupRun::closeDisk(DiskIndex index)
{
    // The index goes last, once every file it vouches for is on the disk, checked against the
    // list: a medium pulled out part way leaves an empty folder that takes later files happily.
    if (!m_medium.flush())
        return failDisk(index);
    const QStringList lost = m_sums.failuresOn(m_medium);
    if (!lost.isEmpty()) {
        m_medium.remove(DiskIndex::kFileName);
        m_view.ask({QStringLiteral("Backup disk #%1 no longer holds every file copied to it (%2 of %3 are missing or "
                                   "changed, among them %4). It may have been removed during the backup.\rThis disk "
                                   "cannot be used to restore your files. Please start the backup again.")
                        .arg(index.number(DiskIndex::DiskNumberRecord))
                        .arg(lost.size())
                        .arg(m_sums.size())
                        .arg(lost.first()),
                    kBackupDisk, Buttons::Ok, Icon::Exclamation});
        return false;
    }
    if (m_sums.writeTo(m_medium) && index.writeTo(m_medium) && m_medium.flush() &&
        DiskIndex::readFrom(m_medium).isMarked())
        return true;
    return failDisk(index);
}

bool BackupRun::failDisk(const DiskIndex& index)
{
    // Room for both was kept free, so the medium itself is failing.
    m_medium.remove(DiskIndex::kFileName);
    m_view.ask({QStringLiteral("The index of backup disk #%1 could not be written, so this disk cannot be used to "
                               "restore your files.\rPlease start the backup again with other disks.")
                    .arg(index.number(DiskIndex::DiskNumberRecord)),
                kBackupDisk, Buttons::Ok, Icon::Exclamation});
    return false;
}

bool BackupRun::copyVerified(const QString& name, const QByteArray& bytes)
{
    QByteArray readBack;
    if (hasRoomFor(name, bytes.size()) && m_medium.write(name, bytes) && m_medium.read(name, &readBack) &&
        readBack == bytes) {
        m_sums.add(name, bytes);
        return true;
    }
    m_medium.remove(name);
    return false;
}

bool BackupRun::hasRoomFor(const QString& name, qint64 size) const
{
    // The disk's index and checksums are written when it is closed: room for them stays free.
    const qint64 block = qMax<qint64>(1, m_medium.blockSize());
    const qint64 closing = roundUp(m_sums.sizeWith(name), block) + roundUp(DiskIndex::kRecordLength * 6, block);
    return roundUp(size, block) + closing + block <= m_medium.freeSpace();
}

void BackupRun::deleteFiles(const QString& suffix)
{
    const QStringList names = m_medium.files(suffix);
    for (const QString& name : names)
        m_medium.remove(name);
}

void BackupRun::cancelled()
{
    m_view.setStatus(QString());
    m_view.ask({QStringLiteral("You have cancelled the backup proceedure!\rIf backup files were on this disk they have "
                               "been deleted!\rMay we suggest you initiate Backup for these files again!"),
                QStringLiteral("Backup Proceedure Cancelation"), Buttons::Ok, Icon::Information});
}

#include "backup/RestoreRun.h"

#include "backup/BackupSet.h"
#include "backup/EvidenceBundle.h"
#include "backup/Medium.h"
#include "backup/RestoreSnapshot.h"
#include "backup/RunView.h"
#include "base/AtomicFile.h"
#include "base/DataFolder.h"

#include <QDir>

namespace {

using Messages::Answer;
using Messages::Buttons;
using Messages::Icon;

const QString kRestoreFunction = QStringLiteral("Restore Function");

Prompt insertDiskPrompt(int disk)
{
    return {QStringLiteral("Please insert Backup Disk #%1").arg(disk), kRestoreFunction, Buttons::Ok,
            Icon::Information};
}

} // namespace

RestoreRun::RestoreRun(Medium& medium, RunView& view) : m_medium(medium), m_view(view) {}

RestoreRun::Outcome RestoreRun::run(const QDateTime& now)
{
    m_index = DiskIndex::readFrom(m_medium);
    if (!m_index.isMarked() || m_index.number(DiskIndex::DiskNumberRecord) != 1) {
        m_view.ask({QStringLiteral("Unable to find Backup Disk #1 or Backup files!\rPlease insert Disk #1 into "
                                   "selected Drive and Try again."),
                    QStringLiteral("Disk Error"), Buttons::Ok, Icon::Stop});
        return Outcome::NotStarted;
    }
    m_expectedDisk = 1;
    const Prompt question{QStringLiteral("This utility will first Delete all existing User Created Files\rlocated in "
                                         "Tessaly Program!\r\rProceed?"),
                          QStringLiteral("Delete Files"), Buttons::YesNoCancel, Icon::Question};
    if (m_view.ask(question) != Answer::Yes)
        return Outcome::NotStarted;
    // Nothing is set aside before the user has seen what the disk lacks.
    m_sums = ChecksumList::readFrom(m_medium);
    if (!mayUseDisk())
        return Outcome::NotStarted;
    m_view.setBusy(true);
    m_view.disableStart();
    m_view.setStatus(QStringLiteral("Restoring User Created Files"));
    m_view.setStatusVisible(true);
    // The present files are moved aside rather than deleted, so the restore can be undone.
    QString error;
    if (!RestoreSnapshot::take(now, &error)) {
        m_view.setBusy(false);
        m_view.setStatus(QString());
        m_view.ask({error + QStringLiteral("\r\rNothing was restored, and your files are as they were."),
                    kRestoreFunction, Buttons::Ok, Icon::Exclamation});
        return Outcome::Failed;
    }
    m_view.processEvents();
    copyAll();
    if (syncFileSystem(DataFolder::root()))
        RestoreSnapshot::markFinished();
    reportProblems();
    return Outcome::Completed;
}

void RestoreRun::copyAll()
{
    m_view.setBusy(true);
    m_view.setStatusVisible(true);
    m_view.setProgressVisible(true);
    m_view.processEvents();
    const QList<BackupSet::Item> small = BackupSet::smallFiles();
    for (int n = 0; n < small.size(); ++n) {
        restoreFile(small.at(n).mediumName, small.at(n).dataName);
        m_view.setProgress(n + 1);
    }
    const QList<BackupSet::Item> numbered = BackupSet::numberedFiles();
    // A first disk that filled up at item 0 holds none of the numbered files: its last item is -1.
    if (m_index.number(DiskIndex::LastItemRecord) < 0)
        changeDisk();
    for (int i = 0; i < numbered.size(); ++i) {
        m_view.setProgress(i + 5);
        restoreFile(numbered.at(i).mediumName, numbered.at(i).dataName);
        if (i == m_index.number(DiskIndex::LastItemRecord) && (i < BackupSet::kLastItem || hasNextDisk()))
            changeDisk();
    }
    restoreEvidence();
    m_view.setProgressVisible(false);
    m_view.setBusy(false);
    m_view.setStatus(QStringLiteral("Restoration Completed"));
    m_view.disableStart();
}

bool RestoreRun::mayUseDisk()
{
    // A set made elsewhere, without a list, is taken as it is.
    const QStringList failures = m_sums.failuresOn(m_medium);
    if (failures.isEmpty())
        return true;
    const Prompt question{
        QStringLiteral("These files of backup disk #%1 are missing or damaged, and would not be restored:\r%2\r\r"
                       "Restore the other files from this disk?")
            .arg(m_expectedDisk)
            .arg(failures.join(QStringLiteral(", "))),
        kRestoreFunction, Buttons::YesNo, Icon::Exclamation, Answer::No};
    return m_view.ask(question) == Answer::Yes;
}

bool RestoreRun::readChecked(const QString& mediumName, QByteArray* bytes)
{
    if (!m_medium.read(mediumName, bytes)) {
        // Not made by the user, unless the disk's list names it: then the disk lost it.
        if (m_sums.lists(mediumName))
            m_damaged << mediumName;
        return false;
    }
    // A set written without checksums is taken as it is.
    if (m_sums.check(mediumName, *bytes) == ChecksumList::Check::Differs) {
        m_damaged << mediumName;
        return false;
    }
    return true;
}

void RestoreRun::restoreFile(const QString& mediumName, const QString& dataName)
{
    QByteArray bytes;
    if (!readChecked(mediumName, &bytes))
        return;
    // The present files were moved aside: the name is free in the program folder. The files
    // reach the disk together at the end; until then the marked snapshot is the way back.
    if (!writeNewFile(QDir(DataFolder::root()).filePath(dataName), bytes))
        m_unwritten << dataName;
}

void RestoreRun::restoreEvidence()
{
    // Bundle 1 says how many follow; a set made without the evidence record has none.
    int count = 1;
    for (int n = 1; n <= count; ++n) {
        const int item = BackupSet::kLastItem + n;
        QByteArray bytes;
        const QString name = EvidenceBundle::mediumName(n);
        if (readChecked(name, &bytes)) {
            if (n == 1)
                count = EvidenceBundle::bundleCount(bytes);
            QString error;
            if (!EvidenceBundle::unpack(bytes, &error))
                m_unwritten << name + QStringLiteral(" (") + error + QLatin1Char(')');
        } else if (n == 1) {
            return;
        }
        if (n < count && item == m_index.number(DiskIndex::LastItemRecord) && hasNextDisk())
            changeDisk();
    }
}

bool RestoreRun::hasNextDisk() const
{
    const int next = m_index.number(DiskIndex::NextDiskRecord);
    return next > 0 && next != m_index.number(DiskIndex::DiskNumberRecord);
}

void RestoreRun::changeDisk()
{
    ++m_expectedDisk;
    Prompt prompt = insertDiskPrompt(m_index.number(DiskIndex::NextDiskRecord));
    for (;;) {
        m_medium.askForDisk(prompt);
        m_view.processEvents();
        m_index = DiskIndex::readFrom(m_medium);
        if (m_index.isMarked() && m_index.number(DiskIndex::DiskNumberRecord) == m_expectedDisk) {
            m_sums = ChecksumList::readFrom(m_medium);
            // A disk that lost files: the user may go on with it or put in another.
            if (mayUseDisk())
                return;
        }
        prompt = insertDiskPrompt(m_expectedDisk);
    }
}

void RestoreRun::reportProblems()
{
    QStringList lines;
    if (!m_damaged.isEmpty())
        lines << QStringLiteral("These backup files were damaged on the backup media and were not restored:")
              << m_damaged.join(QStringLiteral(", ")) << QString();
    if (!m_unwritten.isEmpty())
        lines << QStringLiteral("These files could not be written into the program folder:")
              << m_unwritten.join(QStringLiteral(", ")) << QString();
    if (lines.isEmpty())
        return;
    lines << QStringLiteral("\"Undo Last Restore\" on the Utilities menu brings back your files as they were before "
                            "this restore.");
    m_view.ask({lines.join(QLatin1Char('\r')), kRestoreFunction, Buttons::Ok, Icon::Exclamation});
}

// Backup and restore of the whole set (169 User Created Files of 20 KB) against cp of the same
// files, and against cp followed by sync, on the folder given (default: the temporary folder).
// Prints the median of seven runs.
//
//   bench_backup [folder]
#include "MedianTime.h"
#include "backup/BackupRun.h"
#include "backup/FolderMedium.h"
#include "backup/RestoreRun.h"
#include "backup/RestoreSnapshot.h"
#include "backup/RunView.h"
#include "backup/UserFiles.h"
#include "base/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRuns = 7;
constexpr int kFileSize = 20 * 1024;

// Yes to the delete questions; the two-second pause of the backup is left out.
class SilentView : public RunView
{
public:
    Messages::Answer ask(const Prompt&) override { return Messages::Answer::Yes; }
};

void emptyFolder(const QString& path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir work(base + QStringLiteral("/bench_backup-XXXXXX"));
    const QString program = work.filePath(QStringLiteral("program"));
    const QString medium = work.filePath(QStringLiteral("medium"));
    const QString copies = work.filePath(QStringLiteral("cp"));
    QDir().mkpath(program);
    DataFolder::setRoot(program);
    QStringList sources;
    for (const QString& name : UserFiles::names()) {
        QByteArray bytes(kFileSize, '\0');
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(bytes.data()), kFileSize / 4);
        QFile file(DataFolder::path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != kFileSize)
            return 1;
        sources << file.fileName();
    }

    const auto copy = [&] { QProcess::execute(QStringLiteral("cp"), sources + QStringList{copies}); };
    const double cpMillis = medianMs(
        kRuns, [&] { emptyFolder(copies); }, copy);
    // Backup and restore wait until their files are on the disk; cp alone does not.
    const double cpSyncMillis = medianMs(
        kRuns, [&] { emptyFolder(copies); },
        [&] {
            copy();
            QProcess::execute(QStringLiteral("sync"), {QStringLiteral("-f"), copies});
        });
    SilentView view;
    FolderMedium folder(medium, [](const Prompt&) { return Messages::Answer::Cancel; });
    const double backupMillis = medianMs(
        kRuns, [&] { emptyFolder(medium); }, [&] { BackupRun(folder, view).makeBackup(folder.location()); });
    const double restoreMillis = medianMs(
        kRuns, [] {}, [&] { RestoreRun(folder, view).run(QDateTime::currentDateTime()); });
    const bool whole = QDir(program).entryList(QDir::Files).size() == UserFiles::names().size();

    std::printf("169 files of 20 KB in %s\n", qPrintable(base));
    std::printf("cp:      %8.1f ms\n", cpMillis);
    std::printf("backup:  %8.1f ms  (%.2f x cp)\n", backupMillis, backupMillis / cpMillis);
    std::printf("restore: %8.1f ms  (%.2f x cp)\n", restoreMillis, restoreMillis / cpMillis);
    std::printf("backup + restore against cp there and back: %.2f x\n",
                (backupMillis + restoreMillis) / (2 * cpMillis));
    std::printf("cp + sync: %6.1f ms; backup + restore against it there and back: %.2f x\n", cpSyncMillis,
                (backupMillis + restoreMillis) / (2 * cpSyncMillis));
    std::printf("restored set complete: %s\n", whole ? "yes" : "NO");
    return whole ? 0 : 1;
}

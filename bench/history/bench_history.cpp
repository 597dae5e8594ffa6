// The history's budget: ten saves a day of a 20 KB document for six years, each save a small
// edit of the last, written through the program's own save. Prints the history's size on
// disk, the time a save takes with its history, and the time to list the versions.
//
//   bench_history [saves]    (default 21900: ten a day for six years)
#include "MedianTime.h"
#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "base/DataFolder.h"
#include "base/DocumentHistory.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// An RTF policy of about 20 KB: the program's header and paragraphs of ordinary words.
QByteArray policy(QRandomGenerator& random, int edition)
{
    static const char* const words[] = {"access",  "workforce", "members", "review",    "the",      "log",
                                        "monthly", "and",       "report",  "incidents", "security", "officer",
                                        "ePHI",    "backup",    "offsite", "encrypted", "laptops",  "to"};
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Times New Roman;}}\\f0\\fs24 ";
    QRandomGenerator text(7); // the same text every time, but for the edited paragraph
    int paragraph = 0;
    while (rtf.size() < 20 * 1024) {
        QRandomGenerator& source = paragraph == edition % 40 ? random : text;
        for (int w = 0; w < 60; ++w)
            rtf += QByteArray(words[source.bounded(int(std::size(words)))]) + ' ';
        rtf += "\\par\r\n";
        ++paragraph;
    }
    return rtf + "}";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int saves = argc > 1 ? QByteArray(argv[1]).toInt() : 21900;
    QTemporaryDir workbook;
    DataFolder::setRoot(workbook.path());
    DocumentHistory::setTracked([](const QString&) { return true; });
    QDateTime now(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
    Clock::setSource([&now] { return now; });

    const QString path = DataFolder::writePath(QStringLiteral("Policy3.Fil"));
    QRandomGenerator random(1);
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < saves; ++n) {
        now = now.addSecs(6 * 24 * 3600 * 365 / 21900 + 1);
        writeFileAtomically(path, policy(random, n));
    }
    const double perSave = timer.nsecsElapsed() / 1e6 / saves;

    qint64 bytes = 0;
    int files = 0;
    QDirIterator it(workbook.filePath(DocumentHistory::kFolderName), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        bytes += QFileInfo(it.next()).size();
        ++files;
    }
    int listed = 0;
    const double listMs =
        medianMs(7, [&] { listed = int(DocumentHistory::versions(QStringLiteral("Policy3.Fil")).size()); });
    std::printf("saves: %d of %d bytes\nversions kept: %d (%d listed)\nhistory on disk: %.1f MB\n"
                "save with history: %.2f ms\nlisting the versions: %.1f ms (median of 7)\n",
                saves, int(policy(random, 0).size()), files, listed, bytes / 1048576.0, perSave, listMs);
    return 0;
}

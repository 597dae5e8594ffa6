// Times loading and saving a To Do grid with all 500 rows in use; prints the median of several runs.
#include "FullTimeline.h"
#include "MedianTime.h"
#include "base/DataFolder.h"
#include "timeline/ItemNameList.h"
#include "timeline/TimelineDate.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 15;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    DataFolder::setRoot(folder.path());

    TimelineModel full;
    fillFullTimeline(full);
    bool ok = true;
    const double saveMs = medianMs(kRuns, [&] { ok = TimelineFiles::saveGridRows(full) && ok; });
    TimelineModel loaded;
    const double loadMs = medianMs(kRuns, [&] {
        loaded.prepare();
        ok = TimelineFiles::loadGridRows(loaded) && ok;
    });
    if (!ok || loaded.itemTexts() != full.itemTexts()) {
        std::fprintf(stderr, "the grid did not survive the round trip\n");
        return 1;
    }

    ItemNameList names;
    for (int i = 1; i <= 1000; ++i)
        names.add(QStringLiteral("Known item number %1").arg(i));
    const double namesMs = medianMs(kRuns, [&] { names.load(); });

    std::printf("timeline grid save, 500 rows (2500 fields): %.2f ms (median of %d)\n", saveMs, kRuns);
    std::printf("timeline grid load, 500 rows (2500 fields): %.2f ms (median of %d)\n", loadMs, kRuns);
    std::printf("known item names load, 1000 names:          %.2f ms (median of %d)\n", namesMs, kRuns);
    std::printf("target: under 20 ms each\n");
    return saveMs < 20.0 && loadMs < 20.0 ? 0 : 1;
}

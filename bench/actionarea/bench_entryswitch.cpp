// Time to switch in the Action Area: between safeguard entries with Action Taken open, each
// entry holding a 20 KB formatted document (every switch clears the editor, loads the next
// document and shows its status and headings); between the five catalog groups; and between
// views, the timeline holding 500 rows. Every switch is timed from the click to the end of the
// events it posts; a pause of 50 ms follows, untimed, as before a user's next click. Run with
// QT_QPA_PLATFORM=offscreen or under a display.
#include "FullTimeline.h"
#include "actionarea/SafeguardButtonPanel.h"
#include "actionarea/WorkArea1.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "catalog/SafeguardCatalog.h"
#include "richtext/RtfWriter.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"
#include "worksheets/WorksheetPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// About 20 KB of RTF: paragraphs of mixed formatting, as a worked-on Action Taken document.
QByteArray actionDocument(int number)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QByteArray rtf;
    for (int paragraph = 0; rtf.size() < 20 * 1024; ++paragraph) {
        cursor.insertText(QStringLiteral("Entry %1, step %2: ").arg(number).arg(paragraph), bold);
        cursor.insertText(QStringLiteral("the office manager reviewed the access list with the IT vendor, "), plain);
        cursor.insertText(QStringLiteral("removed two former employees"), italic);
        cursor.insertText(QStringLiteral(" and filed the signed review in the compliance binder."), plain);
        cursor.insertBlock();
        if (paragraph % 10 == 9)
            rtf = RtfWriter::write(document);
    }
    return rtf;
}

bool writeFullTimeline()
{
    TimelineModel grid;
    fillFullTimeline(grid);
    return TimelineFiles::saveGridRows(grid);
}

// The switches of one kind, each with what it was, for the slowest to be named.
struct Switches
{
    std::vector<std::pair<double, QString>> times;
    // The longest single pass of the event loop between two switches: work left for idle time
    // (Qt lays out the rest of a long document then) delays a click that comes meanwhile.
    double longestIdleStep = 0;

    void time(const QString& what, const std::function<void()>& doSwitch)
    {
        QElapsedTimer timer;
        timer.start();
        doSwitch();
        QCoreApplication::processEvents();
        times.emplace_back(timer.nsecsElapsed() / 1e6, what);
        idle();
    }

    // A user's pause of 50 ms before the next click, untimed.
    void idle()
    {
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 50) {
            QElapsedTimer step;
            step.start();
            QCoreApplication::processEvents();
            longestIdleStep = std::max(longestIdleStep, step.nsecsElapsed() / 1e6);
            QThread::msleep(1);
        }
    }

    void print(const char* heading)
    {
        std::sort(times.begin(), times.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::printf("%s, %zu switches\n", heading, times.size());
        std::printf("  min %.2f ms   median %.2f ms   90th percentile %.2f ms   max %.2f ms   (target: 16 ms or "
                    "less, every one)\n",
                    times.front().first, times[times.size() / 2].first, times[times.size() * 9 / 10].first,
                    times.back().first);
        std::printf("  slowest:");
        for (std::size_t i = times.size(); i > 0 && i + 3 > times.size(); --i)
            std::printf("  %s %.2f ms", qPrintable(times[i - 1].second), times[i - 1].first);
        std::printf("\n  longest step of idle work between switches %.2f ms\n", longestIdleStep);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    DataFolder::setRoot(folder.path());
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        QFile file(folder.filePath(SafeguardCatalog::documentFileName(number, WorksheetPane::ActionTaken)));
        if (!file.open(QIODevice::WriteOnly) || file.write(actionDocument(number)) <= 0)
            return 1;
    }
    if (!writeFullTimeline())
        return 1;
    Messages::setScripted(true);

    WorkArea1 area;
    area.show();
    area.activate();

    // The overview is on the screen; the first press of a group and the first opening of Action
    // Taken are timed too, each with its painting, cold as the user first meets them.
    QCoreApplication::processEvents();
    Switches entries;
    Switches groups;
    Switches panes;
    for (int round = 0; round < 3; ++round) {
        for (int group = SafeguardCatalog::kFirstGroupCode; group <= SafeguardCatalog::kLastGroupCode; ++group) {
            groups.time(QStringLiteral("round %1 to group %2").arg(round).arg(group),
                        [&] { area.pressLeftHandButton(group); });
            if (round == 0 && group == SafeguardCatalog::kFirstGroupCode)
                panes.time(QStringLiteral("Action Taken"),
                           [&] { area.worksheet()->paneButton(WorksheetPane::ActionTaken)->click(); });
            for (int index = 0; index < SafeguardCatalog::group(group)->entryCount; ++index) {
                entries.time(QStringLiteral("round %1 group %2 entry %3").arg(round).arg(group).arg(index),
                             [&] { area.safeguardPanel()->button(group, index)->click(); });
            }
        }
    }
    entries.print("switching safeguard entries with Action Taken open (20 KB documents)");

    panes.print("opening Action Taken for the first time");

    // From each group to each other one, Action Taken staying open.
    for (int round = 0; round < 3; ++round) {
        for (int from = SafeguardCatalog::kFirstGroupCode; from <= SafeguardCatalog::kLastGroupCode; ++from) {
            for (int to = SafeguardCatalog::kFirstGroupCode; to <= SafeguardCatalog::kLastGroupCode; ++to) {
                if (to == from)
                    continue;
                area.pressLeftHandButton(from);
                groups.idle();
                groups.time(QStringLiteral("group %1 to %2").arg(from).arg(to), [&] { area.pressLeftHandButton(to); });
            }
        }
    }
    groups.print("switching catalog groups with Action Taken open");

    // Between the views: the overview, the timeline with 500 rows and a catalog group.
    const int views[] = {StandardsOverviewView, TimelineView, AdministrativeView, RiskAnalysisView,
                         DisasterRecoveryView};
    Switches viewSwitches;
    for (int round = 0; round < 5; ++round) {
        for (int from : views) {
            for (int to : views) {
                if (to == from)
                    continue;
                area.pressLeftHandButton(from);
                viewSwitches.idle();
                viewSwitches.time(QStringLiteral("view %1 to %2").arg(from).arg(to),
                                  [&] { area.pressLeftHandButton(to); });
            }
        }
    }
    viewSwitches.print("switching views (overview, timeline of 500 rows, Administrative, Risk Analysis, Plan)");
    return 0;
}

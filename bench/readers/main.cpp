// Times what a reader user waits for: opening the Security Rule reader, loading its largest
// section and its section 9, a whole-word search through the whole rule, and opening the
// Miscellaneous screen. Prints the median of several runs, in milliseconds.
#include "MedianTime.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "readers/Miscform1.h"
#include "readers/PrivRule.h"
#include "readers/SearchPanel.h"
#include "richtext/RichTextBox.h"

#include <QApplication>
#include <QLineEdit>
#include <cstdio>

namespace {

constexpr int kRuns = 7;

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DataFolder::setRoot(QStringLiteral(TESSALY_PROGRAM_DIR));
    Messages::setScripted(true); // the end-of-document message answers itself

    std::printf("open Security Rule reader: %.1f ms\n", medianMs(kRuns, [] { PrivRule rule(nullptr); }));
    PrivRule rule(nullptr);
    rule.show();
    std::printf("load PR0.Hlp (entire rule): %.1f ms\n", medianMs(kRuns, [&] { rule.selectSection(0); }));
    std::printf("load PR9.Hlp: %.1f ms\n", medianMs(kRuns, [&] { rule.selectSection(9); }));
    rule.selectSection(0);
    rule.toggleSearch();
    rule.searchPanel()->entry()->setText(QStringLiteral("workforce"));
    int hits = 0;
    const double walk = medianMs(kRuns, [&] {
        hits = 0;
        rule.searchPanel()->setStart(1);
        while (rule.document()->selStart() != 1 || hits == 0) {
            rule.searchPanel()->searchNext();
            ++hits;
        }
    });
    std::printf("find-next through PR0.Hlp, %d steps for \"workforce\": %.1f ms (%.2f ms a step)\n", hits, walk,
                walk / hits);
    std::printf("open Miscellaneous screen: %.1f ms\n", medianMs(kRuns, [] { Miscform1 misc(nullptr); }));
    return 0;
}

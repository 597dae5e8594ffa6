// Times building the All Safeguards report, exporting it as a PDF, and building a 500-row
// timeline report; prints the median of several runs.
#include "MedianTime.h"
#include "printing/PrintSettings.h"
#include "printing/ReportPrinter.h"
#include "printing/SafeguardReport.h"
#include "printing/TimelineReport.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 11;

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList statuses(71);
    for (int n = 1; n <= 42; ++n)
        statuses[n] = n % 3 ? QStringLiteral("Working") : QStringLiteral("Completed");
    ReportPrinter printer;
    const double build = medianMs(kRuns, [&] {
        SafeguardReport(printer, statuses, Qt::black).build({true, false, false, false});
    });
    std::printf("All Safeguards report, build:       %7.2f ms (%d pages)\n", build, printer.document().pageCount());
    qsizetype pdfSize = 0;
    const double pdf = medianMs(kRuns, [&] { pdfSize = printer.document().pdfBytes().size(); });
    std::printf("All Safeguards report, PDF export:  %7.2f ms (%lld bytes)\n", pdf, static_cast<long long>(pdfSize));

    TimelineReport::Rows rows(500);
    for (int r = 0; r < 500; ++r)
        rows[r] = {QString(),
                   QStringLiteral("Review access logs for workstation group %1").arg(r + 1),
                   QStringLiteral("Mon - Jan 5, 26"),
                   QStringLiteral("Tue - Jan 13, 26"),
                   QString(),
                   QStringLiteral("Wed - Jan 6, 27")};
    const PrintSettings settings;
    const double timeline = medianMs(kRuns, [&] {
        TimelineReport(printer, settings, {true, true, QDate(2026, 3, 7)}).build(rows);
    });
    std::printf("500-row timeline report, build:     %7.2f ms (%d pages)\n", timeline, printer.document().pageCount());
    const double timelinePdf = medianMs(kRuns, [&] { pdfSize = printer.document().pdfBytes().size(); });
    std::printf("500-row timeline report, PDF:       %7.2f ms (%lld bytes)\n", timelinePdf,
                static_cast<long long>(pdfSize));
    return 0;
}

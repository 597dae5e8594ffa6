// The compliance binder of a full workbook: all 169 documents of about 20 KB with some
// formatting and a table, every status set, the To Do list filled. Prints the time to lay the
// binder out, to write its PDF, to add the bookmarks, the pages and the file's size.
//
//   bench_binder [runs] [binder.pdf]    (default 3 runs, the median printed; the PDF kept if named)
#include "base/DataFolder.h"
#include "binder/ComplianceBinder.h"
#include "catalog/SafeguardCatalog.h"
#include "worksheets/RecoveryPlanFiles.h"
#include "worksheets/StatusStore.h"
#include "worksheets/WorksheetTitles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray document(int seed)
{
    static const char* const words[] = {"access",   "workforce", "members", "review", "the",
                                        "log",      "monthly",   "and",     "report", "incidents",
                                        "security", "officer",   "ePHI",    "backup", "offsite"};
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Times New Roman;}}\\f0\\fs24 ";
    quint32 n = quint32(seed);
    for (int step = 1; rtf.size() < 18 * 1024; ++step) {
        rtf += "{\\b Step " + QByteArray::number(step) + ".} ";
        for (int w = 0; w < 70; ++w) {
            n = n * 1103515245u + 12345u;
            rtf += QByteArray(words[(n >> 16) % std::size(words)]) + ' ';
        }
        rtf += "\\par\r\n";
    }
    for (int row = 0; row < 6; ++row)
        rtf += "\\trowd\\cellx3000\\cellx6000\\cellx9000 System " + QByteArray::number(row) +
               "\\cell Owner\\cell Reviewed\\cell\\row\r\n";
    return rtf + "}";
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 3;
    QTemporaryDir workbook;
    DataFolder::setRoot(workbook.path());
    int seed = 1;
    const auto write = [&seed](const QString& name) {
        QFile file(DataFolder::writePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(document(seed++));
    };
    for (WorksheetPane pane :
         {WorksheetPane::ActionTaken, WorksheetPane::CommentsNotes, WorksheetPane::PoliciesProcedures})
        for (int n = 0; n < SafeguardCatalog::kEntryCount; ++n)
            write(SafeguardCatalog::documentFileName(n, pane));
    for (int n = 0; n < WorksheetTitles::kCount; ++n)
        write(WorksheetTitles::documentFile(n));
    write(RecoveryPlanFiles::kPlan);
    StatusStore statuses;
    statuses.loadAll();
    for (int r = 1; r <= StatusStore::kLastCatalogRecord; ++r)
        statuses.pick(r, StatusStore::kCurrentStatusItems.at(r % 6));

    QVector<double> layout, pdf, outline, total;
    int pages = 0;
    qint64 bytes = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        ComplianceBinder binder(QStringLiteral("Riverside Family Clinic"), QDate(2026, 12, 7),
                                QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        binder.build();
        layout << timer.nsecsElapsed() / 1e6;
        const QByteArray plain = binder.document().pdfBytes();
        pdf << timer.nsecsElapsed() / 1e6 - layout.last();
        QString error;
        const std::optional<QByteArray> marked =
            PdfOutline::withOutline(plain, binder.outline(), binder.title(), &error);
        total << timer.nsecsElapsed() / 1e6;
        outline << total.last() - layout.last() - pdf.last();
        pages = binder.document().pageCount();
        bytes = marked ? marked->size() : -1;
        if (argc > 2 && marked) {
            QFile out(QString::fromLocal8Bit(argv[2]));
            if (out.open(QIODevice::WriteOnly))
                out.write(*marked);
        }
    }
    std::printf("compliance binder of 169 documents of ~20 KB (median of %d runs)\n", runs);
    std::printf("  layout     %8.1f ms\n  PDF        %8.1f ms\n  bookmarks  %8.1f ms\n  total      %8.1f ms\n",
                median(layout), median(pdf), median(outline), median(total));
    std::printf("  %d pages, %.1f MB\n", pages, bytes / 1048576.0);
    return 0;
}

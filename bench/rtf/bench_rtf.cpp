// Reads and writes a generated 1 MiB RTF document and prints MiB/s and peak memory; when
// LibreOffice is installed, times its text conversion of the same file for comparison.
#include "richtext/RtfReader.h"
#include "richtext/RtfTokenizer.h"
#include "richtext/RtfWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr qsizetype kTargetSize = 1024 * 1024;
constexpr int kRepeats = 5;

QByteArray generateDocument()
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                     "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}{\\f2\\fmodern Courier New;}}"
                     "{\\colortbl;\\red192\\green0\\blue0;\\red0\\green96\\blue0;\\red0\\green0\\blue160;}\r\n";
    const char* alignments[] = {"", "\\qc", "\\qr", "\\qj"};
    int paragraph = 0;
    bool tableDone = false;
    while (rtf.size() < kTargetSize) {
        if (!tableDone && rtf.size() > kTargetSize / 2) {
            tableDone = true;
            for (int row = 0; row < 40; ++row) {
                rtf += "\\trowd\\trgaph108\\cellx2340\\cellx4680\\cellx7020\\cellx9360\r\n";
                for (int cell = 0; cell < 4; ++cell)
                    rtf += "\\pard\\intbl\\plain\\f0\\fs20 Row " + QByteArray::number(row) + " safeguard " +
                           QByteArray::number(cell) + "\\cell ";
                rtf += "\\row\r\n";
            }
        }
        rtf += "\\pard";
        rtf += alignments[paragraph % 4];
        if (paragraph % 5 == 0)
            rtf += "\\li720\\fi-360\\sb120\\sa60";
        rtf += "\\plain\\f" + QByteArray::number(paragraph % 3) + "\\fs" + QByteArray::number(18 + 2 * (paragraph % 5));
        rtf += " The covered entity reviews {\\b information system activity} records such as {\\i audit logs}, "
               "{\\ul access reports} and {\\cf1 security incident} tracking reports";
        rtf += " at least every quarter; caf\\'e9 \\u8364? {\\strike old text} {\\cf2\\fs28 green} "
               "{\\super 2} and {\\f2 code()}.";
        if (paragraph % 7 == 0)
            rtf += "\\line Second line with a\\tab tab and an \\emdash  em dash.";
        rtf += "\\par\r\n";
        ++paragraph;
    }
    rtf += "}";
    return rtf;
}

double mebibytes(qsizetype bytes)
{
    return bytes / (1024.0 * 1024.0);
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Seconds LibreOffice needs to turn the file into plain text, or a negative number on failure.
double timeConversion(const QString& soffice, const QString& profile, const QString& file, const QString& outDir)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(soffice, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
                            QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                            QStringLiteral("txt:Text"), QStringLiteral("--outdir"), outDir, file});
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        return -1;
    return timer.elapsed() / 1000.0;
}

// A table of the given number of three-cell rows, as a long exported list would be.
QByteArray generateTable(int rows)
{
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\r\n";
    for (int r = 0; r < rows; ++r) {
        rtf += "\\trowd\\cellx2000\\cellx4000\\cellx6000\\intbl Item " + QByteArray::number(r) +
               "\\cell 2026-12-06\\cell Done\\cell\\row\r\n";
    }
    return rtf + "\\pard After the table.\\par}";
}

// 1 MiB of paragraphs with bold and italic runs, then one table of formatted cells to the end
// (about 3,000 rows of four cells): a long register printed into a policy.
QByteArray generateMixedWithTable()
{
    QByteArray rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}{\\colortbl;\\red192\\green0\\blue0;}\r\n";
    for (int n = 0; rtf.size() < kTargetSize; ++n) {
        if (rtf.size() < kTargetSize / 2) {
            rtf += "\\pard\\plain\\f1\\fs24 Paragraph {\\b bold} and {\\i italic} text " + QByteArray::number(n) +
                   " with more words.\\par\r\n";
            continue;
        }
        rtf += "\\trowd\\trgaph108\\cellx2340\\cellx4680\\cellx7020\\cellx9360\r\n";
        for (int cell = 0; cell < 4; ++cell)
            rtf += "\\pard\\intbl\\plain\\f0\\fs20 Cell {\\b " + QByteArray::number(n) + "} of {\\cf1 row}\\cell ";
        rtf += "\\row\r\n";
    }
    return rtf + "\\pard After the table.\\par}";
}

// Seconds one read takes, the mean of several; each pass reads into a new document, as a
// screen does when it opens a file.
double secondsToRead(const QByteArray& rtf)
{
    QElapsedTimer timer;
    qint64 nanoseconds = 0;
    for (int i = 0; i < kRepeats; ++i) {
        QTextDocument fresh;
        timer.restart();
        RtfReader::read(rtf, &fresh);
        nanoseconds += timer.nsecsElapsed();
    }
    return nanoseconds / 1e9 / kRepeats;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication application(argc, argv);

    const QByteArray rtf = generateDocument();
    std::printf("document: %.2f MiB of RTF\n", mebibytes(rtf.size()));
    const long baseline = peakKilobytes();

    QElapsedTimer timer;
    qint64 tokenizerNanoseconds = 0;
    for (int i = 0; i < kRepeats; ++i) {
        timer.restart();
        RtfTokenizer tokenizer(rtf);
        qsizetype tokens = 0;
        while (tokenizer.next().type != RtfTokenizer::Type::End)
            ++tokens;
        tokenizerNanoseconds += timer.nsecsElapsed();
        if (tokens == 0)
            return 1;
    }
    std::printf("tokenizer alone: %.1f MiB/s\n", mebibytes(rtf.size()) / (tokenizerNanoseconds / 1e9 / kRepeats));

    QTextDocument document;
    RtfReader::read(rtf, &document);
    const double readSeconds = secondsToRead(rtf);
    std::printf("read:  %.3f s per pass, %.1f MiB/s (%d paragraphs, %lld characters)\n", readSeconds,
                mebibytes(rtf.size()) / readSeconds, document.blockCount(),
                static_cast<long long>(document.characterCount()));

    QByteArray written;
    timer.restart();
    for (int i = 0; i < kRepeats; ++i)
        written = RtfWriter::write(document);
    const double writeSeconds = timer.elapsed() / 1000.0 / kRepeats;
    std::printf("write: %.3f s per pass, %.1f MiB/s (%.2f MiB written)\n", writeSeconds,
                mebibytes(written.size()) / writeSeconds, mebibytes(written.size()));
    // The program's own documents are written by our writer; its runs carry more control words.
    std::printf("read of the writer's output: %.1f MiB/s\n", mebibytes(written.size()) / secondsToRead(written));
    std::printf("peak memory: %.1f MiB (%.1f MiB before reading)\n", peakKilobytes() / 1024.0, baseline / 1024.0);

    const QByteArray mixed = generateMixedWithTable();
    std::printf("read of %.2f MiB, half paragraphs and half one table: %.1f MiB/s\n", mebibytes(mixed.size()),
                mebibytes(mixed.size()) / secondsToRead(mixed));

    // Tables must read in time proportional to their rows.
    for (int rows : {10000, 20000}) {
        const QByteArray table = generateTable(rows);
        QTextDocument tableDocument;
        timer.restart();
        RtfReader::read(table, &tableDocument);
        const double seconds = timer.nsecsElapsed() / 1e9;
        const auto* read = qobject_cast<QTextTable*>(tableDocument.rootFrame()->childFrames().value(0));
        std::printf("table of %d rows: read in %.2f s (%d rows, %d columns in the document)\n", rows, seconds,
                    read ? read->rows() : 0, read ? read->columns() : 0);
    }

    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        std::printf("LibreOffice: not installed, comparison skipped\n");
        return 0;
    }
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.rtf"));
    const QString empty = dir.filePath(QStringLiteral("empty.rtf"));
    QFile bigFile(big);
    QFile emptyFile(empty);
    if (!bigFile.open(QIODevice::WriteOnly) || !emptyFile.open(QIODevice::WriteOnly))
        return 1;
    bigFile.write(rtf);
    bigFile.close();
    emptyFile.write("{\\rtf1\\ansi\\par}");
    emptyFile.close();
    const QString profile = dir.filePath(QStringLiteral("profile"));
    // The first run creates the profile; it is not counted.
    timeConversion(soffice, profile, empty, dir.path());
    const double emptySeconds = timeConversion(soffice, profile, empty, dir.path());
    const double bigSeconds = timeConversion(soffice, profile, big, dir.path());
    if (emptySeconds < 0 || bigSeconds < 0) {
        std::printf("LibreOffice: conversion failed\n");
        return 0;
    }
    const double net = bigSeconds - emptySeconds;
    std::printf("LibreOffice --convert-to txt: %.2f s for the document, %.2f s for an empty one: %.2f s net, "
                "%.1f MiB/s\n",
                bigSeconds, emptySeconds, net, net > 0 ? mebibytes(rtf.size()) / net : 0.0);
    return 0;
}

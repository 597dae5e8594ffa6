// The timeline report: the used rows of the To Do grid with their three dates, page by page,
// each page under the title, the "As of" line and the column headings.
#pragma once

#include "printing/PrintSettings.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <array>

class ReportPrinter;

class TimelineReport
{
public:
    static inline const QString kTitle = QStringLiteral("Project Timeline/To Do List");
    static inline const QString kNoEntriesText = QStringLiteral("There are currently No Entries to Print!");
    static inline const QString kNoEntriesTitle = QStringLiteral("Print");
    static inline const QString kPrintRangeCaption = QStringLiteral("Only Rows with a To Do Item");

    // Item rows 1-500 of the grid; each row's columns 0-5, as the grid holds them.
    using Rows = QVector<std::array<QString, 6>>;

    struct Options
    {
        bool asOfDate = false;
        bool gridLines = false;
        QDate today;
    };

    static bool hasEntries(const Rows& rows);
    // "As of  " and the date as "mmmm dd, yyyy".
    static QString asOfLine(const QDate& today);

    TimelineReport(ReportPrinter& printer, const PrintSettings& settings, const Options& options);
    void build(const Rows& rows);

private:
    void printHeading();
    void printRow(const std::array<QString, 6>& row);
    void closePageFrame();
    double lowerLimit() const;
    void outputCentred(const QString& text, double centre);

    ReportPrinter& m_printer;
    const PrintSettings& m_settings;
    Options m_options;
    double m_frameTop = 0;
    double m_columnsTop = 0;
    double m_lastRowBottom = 0;
    bool m_pageHasFrame = false;
};

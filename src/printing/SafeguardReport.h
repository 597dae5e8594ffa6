// The safeguard reports: the chosen group tables with their sections, marks and the Current
// Status of each implementation specification, laid out line by line into the engine.
#pragma once

#include "printing/SafeguardReportTables.h"

#include <QColor>
#include <QStringList>
#include <array>

class ReportPrinter;

class SafeguardReport
{
public:
    enum Box
    {
        AllSafeguards,
        Administrative,
        Physical,
        Technical,
        BoxCount
    };
    using Boxes = std::array<bool, BoxCount>;

    // What one drawn table occupied, in twips.
    struct TablePlacement
    {
        int page = 0;
        double titleRule = 0;
        double headingRule = 0;
        double top = 0;
        double bottom = 0;
    };

    // statuses holds the Current Status strings by catalog position (0-70).
    SafeguardReport(ReportPrinter& printer, const QStringList& statuses, const QColor& printerColour);

    // Draws a whole report: margins, font and the chosen tables; nothing ticked, nothing drawn.
    void build(const Boxes& boxes);

    // The check-box rule: after box changed, which boxes stay ticked.
    static Boxes afterToggle(Boxes boxes, int changed);

    const QVector<TablePlacement>& tables() const { return m_tables; }

private:
    void drawTable(const SafeguardReportTable& table, bool first);
    void drawColumn(const QStringList& cells, double top, double x, bool centred);
    void drawBoxedHeading(const QString& heading);
    double legendHeight();
    void drawLegend();
    void outputCentred(const QString& text, double centre);
    void rule(double y);
    // Starts a new page when height does not fit below y; true when it did.
    bool breakPageFor(double y, double height);
    QString status(int position) const;

    ReportPrinter& m_printer;
    const QStringList& m_statuses;
    QColor m_printerColour;
    double m_previousBottom = 0;
    double m_roomAfter = 0; // kept free below the part being drawn, for what must follow it
    QVector<TablePlacement> m_tables;
};

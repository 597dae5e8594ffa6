#include "printing/SafeguardReport.h"

#include "printing/ReportPrinter.h"

namespace {

constexpr double kFrameLeft = 100;
constexpr double kFrameInset = 100; // the frame's right edge is this far from the page's
constexpr double kBaseSize = 10;

} // namespace

SafeguardReport::SafeguardReport(ReportPrinter& printer, const QStringList& statuses, const QColor& printerColour)
    : m_printer(printer), m_statuses(statuses), m_printerColour(printerColour)
{
}

SafeguardReport::Boxes SafeguardReport::afterToggle(Boxes boxes, int changed)
{
    if (changed < 0 || changed >= BoxCount || !boxes[changed])
        return boxes;
    if (changed == AllSafeguards)
        boxes[Administrative] = boxes[Physical] = boxes[Technical] = false;
    else
        boxes[AllSafeguards] = false;
    return boxes;
}

void SafeguardReport::build(const Boxes& boxes)
{
    m_printer.clear();
    m_printer.setMarginBottom(100);
    m_printer.setMarginTop(150);
    m_printer.setMarginLeft(100);
    m_printer.setMarginRight(100);
    m_printer.setFontName(QStringLiteral("Times New Roman"));
    m_printer.setFontSize(kBaseSize);
    m_printer.setFontBold(false);
    m_printer.setFontItalic(false);
    m_printer.setFontUnderline(false);
    m_printer.setFontStrikethru(false);
    m_printer.setTextColor(Qt::black);
    m_printer.setLineColor(Qt::black);
    m_printer.startDoc();
    m_printer.setCurrentY(m_printer.marginTop() + 700);
    // The text takes the printer colour; the rules and frames stay black.
    m_printer.setTextColor(m_printerColour);
    m_previousBottom = 0;
    m_tables.clear();

    const bool all = boxes[AllSafeguards];
    const SafeguardReportTable* const tables[] = {
        all || boxes[Administrative] ? &SafeguardReportTables::administrative() : nullptr,
        all || boxes[Physical] ? &SafeguardReportTables::physical() : nullptr,
        all || boxes[Technical] ? &SafeguardReportTables::technical() : nullptr};
    const int lastTable = tables[2] ? 2 : tables[1] ? 1 : tables[0] ? 0 : -1;
    if (lastTable < 0) {
        m_printer.endDoc();
        m_printer.clear();
        return;
    }
    // The legend goes on the page of the last part: that part needs the legend's room as well.
    const double legendRoom = legendHeight();
    for (int t = 0; t <= lastTable; ++t) {
        if (!tables[t])
            continue;
        m_roomAfter = !all && t == lastTable ? legendRoom : 0;
        drawTable(*tables[t], t == 0);
    }
    if (all) {
        m_roomAfter = 0;
        drawBoxedHeading(SafeguardReportTables::kOrganizationalHeading);
        m_roomAfter = legendRoom;
        drawBoxedHeading(SafeguardReportTables::kPoliciesHeading);
    }
    m_roomAfter = 0;
    drawLegend();
    m_printer.endDoc();
}

void SafeguardReport::drawTable(const SafeguardReportTable& table, bool first)
{
    const double W = m_printer.pageWidth();
    bool title = first || m_previousBottom <= 200;
    if (!title)
        m_printer.setCurrentY(m_previousBottom + 60);

    // Room for the whole table: it never runs past the bottom margin.
    m_printer.setFontSize(12);
    m_printer.setFontBold(true);
    const double titleHeight = m_printer.lineHeight();
    m_printer.setFontSize(kBaseSize);
    const double rows = qMax(table.standards.size(), table.specifications.size());
    const double height = (title ? titleHeight : 0) + 30 + m_printer.lineHeight() + 30 + m_printer.lineHeight() + 100 +
                          rows * m_printer.lineHeight();
    if (breakPageFor(m_printer.currentY(), height))
        title = false;

    TablePlacement placement;
    placement.page = m_printer.document().pageCount() - 1;
    if (title) {
        m_printer.setFontSize(12);
        m_printer.setFontBold(true);
        outputCentred(SafeguardReportTables::kTitle, W / 2);
    }
    placement.titleRule = m_printer.currentY();
    rule(placement.titleRule);
    m_printer.setCurrentY(m_printer.currentY() + 30);

    m_printer.setFontBold(true);
    m_printer.setFontSize(kBaseSize);
    outputCentred(table.heading, W / 2);
    m_printer.setFontBold(false);

    placement.headingRule = m_printer.currentY();
    rule(placement.headingRule);
    m_printer.setCurrentY(m_printer.currentY() + 30);

    m_printer.setFontSize(kBaseSize);
    const double headerRow = m_printer.currentY();
    m_printer.setFontBold(true);
    const double headingCentres[] = {W / 6.8, W / 2.8, W / 1.68, W / 1.12};
    for (int c = 0; c < 4; ++c) {
        m_printer.setCurrentY(headerRow);
        outputCentred(SafeguardReportTables::kColumnHeadings.at(c), headingCentres[c]);
    }

    m_printer.setCurrentY(m_printer.currentY() + 100);
    placement.top = m_printer.currentY();
    m_printer.setFontBold(true);
    for (int r = 0; r < table.standards.size(); ++r) {
        if (table.ruleRows.contains(r + 1))
            rule(m_printer.currentY());
        m_printer.setCurrentX(W / 30);
        m_printer.text(table.standards.at(r));
    }
    placement.bottom = m_printer.currentY();
    rule(placement.bottom);
    m_previousBottom = placement.bottom;

    m_printer.setFontBold(false);
    drawColumn(table.sections, placement.top, W / 2.8, true);
    drawColumn(table.specifications, placement.top, W / 2.2, false);
    drawColumn(table.marks, placement.top, W / 1.28, false);
    QStringList statuses;
    for (int r = 0; r < table.specifications.size(); ++r)
        statuses.append(status(table.firstStatusPosition + r));
    drawColumn(statuses, placement.top, W / 1.12, true);

    for (double x : {kFrameLeft, W - kFrameInset})
        m_printer.drawLine(x, placement.titleRule, x, placement.bottom);
    for (double x : {W / 3.45, W / 2.35, W / 1.3, W / 1.245})
        m_printer.drawLine(x, placement.headingRule, x, placement.bottom);
    m_tables.append(placement);
}

void SafeguardReport::drawColumn(const QStringList& cells, double top, double x, bool centred)
{
    m_printer.setCurrentY(top);
    for (const QString& cell : cells) {
        // A blank cell is output too, so that the column keeps level with the others.
        const QString text = cell.isEmpty() ? QStringLiteral(" ") : cell;
        if (centred) {
            outputCentred(text, x);
        } else {
            m_printer.setCurrentX(x);
            m_printer.text(text);
        }
    }
}

void SafeguardReport::drawBoxedHeading(const QString& heading)
{
    const double W = m_printer.pageWidth();
    if (m_previousBottom > 200)
        m_printer.setCurrentY(m_previousBottom + 60);
    m_printer.setFontSize(kBaseSize);
    breakPageFor(m_printer.currentY(), 30 + m_printer.lineHeight());
    const double top = m_printer.currentY();
    rule(top);
    m_printer.setCurrentY(top + 30);
    m_printer.setFontBold(true);
    outputCentred(heading, W / 2);
    m_printer.setFontBold(false);
    const double bottom = m_printer.currentY();
    rule(bottom);
    m_printer.drawLine(kFrameLeft, top, kFrameLeft, bottom);
    m_printer.drawLine(W - kFrameInset, top, W - kFrameInset, bottom);
    m_previousBottom = bottom;
}

double SafeguardReport::legendHeight()
{
    m_printer.setFontSize(8);
    const double height = 100 + m_printer.lineHeight();
    m_printer.setFontSize(kBaseSize);
    return height;
}

void SafeguardReport::drawLegend()
{
    m_printer.setFontSize(8);
    m_printer.setCurrentY(m_previousBottom + 100);
    breakPageFor(m_printer.currentY(), m_printer.lineHeight());
    m_printer.setFontBold(true);
    m_printer.setCurrentX(m_printer.marginLeft());
    m_printer.text(SafeguardReportTables::kLegend);
    m_printer.setFontBold(false);
}

void SafeguardReport::outputCentred(const QString& text, double centre)
{
    m_printer.setCurrentX(centre - m_printer.textWidth(text) / 2);
    m_printer.text(text);
}

void SafeguardReport::rule(double y)
{
    m_printer.drawLine(kFrameLeft, y, m_printer.pageWidth() - kFrameInset, y);
}

bool SafeguardReport::breakPageFor(double y, double height)
{
    height += m_roomAfter;
    if (y + height <= m_printer.pageHeight() - m_printer.marginBottom() || y <= m_printer.marginTop())
        return false;
    m_printer.newPage();
    m_printer.setCurrentY(m_printer.marginTop());
    m_previousBottom = 0;
    return true;
}

QString SafeguardReport::status(int position) const
{
    return position >= 0 && position < m_statuses.size() ? m_statuses.at(position).trimmed() : QString();
}

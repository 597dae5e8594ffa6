#include "printing/TimelineReport.h"

#include "printing/ReportPrinter.h"

#include <QLocale>

namespace {

constexpr double kMargin = 100;
constexpr int kItemField = 45;
const QStringList kHeadings = {QStringLiteral("To Do Item"), QStringLiteral("To Do Date"),
                               QStringLiteral("Actual Date"), QStringLiteral("Next Review Date")};
const double kHeadingDivisors[] = {5.2, 1.995, 1.45, 1.124};
const double kGridLineDivisors[] = {2.45, 1.685, 1.274, 1.266};
// Columns 2, 3 and 5 hold the dates, centred under their headings.
const int kDateColumns[] = {2, 3, 5};

} // namespace

bool TimelineReport::hasEntries(const Rows& rows)
{
    for (const auto& row : rows)
        if (!row[1].isEmpty())
            return true;
    return false;
}

QString TimelineReport::asOfLine(const QDate& today)
{
    return QStringLiteral("As of  ") + QLocale::c().toString(today, QStringLiteral("MMMM dd, yyyy"));
}

TimelineReport::TimelineReport(ReportPrinter& printer, const PrintSettings& settings, const Options& options)
    : m_printer(printer), m_settings(settings), m_options(options)
{
}

void TimelineReport::build(const Rows& rows)
{
    m_printer.clear();
    m_settings.applyFont(m_printer);
    m_printer.setLineColor(Qt::black);
    m_printer.setMarginBottom(kMargin);
    m_printer.setMarginTop(kMargin);
    m_printer.setMarginLeft(kMargin);
    m_printer.setMarginRight(kMargin);
    m_printer.startDoc();
    for (int r = 0; r < rows.size(); ++r) {
        if (rows.at(r)[1].isEmpty())
            continue;
        if (m_printer.currentY() <= m_printer.marginTop() + 400)
            printHeading();
        if (m_printer.currentY() >= lowerLimit()) {
            closePageFrame();
            m_printer.newPage();
            m_printer.setCurrentY(0);
            --r; // the row goes to the new page, under its heading
            continue;
        }
        printRow(rows.at(r));
    }
    closePageFrame();
    m_printer.endDoc();
}

double TimelineReport::lowerLimit() const
{
    return m_printer.pageHeight() - m_printer.marginBottom() - 100 - 2 * m_printer.textWidth(QStringLiteral("P"));
}

void TimelineReport::printHeading()
{
    const double W = m_printer.pageWidth();
    const double base = m_settings.fontSize;
    m_printer.setCurrentY(m_printer.marginTop() + 300);
    m_frameTop = m_printer.currentY() - 30;
    if (m_options.gridLines)
        m_printer.drawLine(kMargin, m_frameTop, W - kMargin, m_frameTop);

    m_printer.setFontSize(base + 2);
    outputCentred(kTitle, W / 2);
    if (m_options.asOfDate) {
        m_printer.setFontSize(base - 2);
        outputCentred(asOfLine(m_options.today), W / 2);
    } else {
        m_printer.setFontSize(base - 2);
        m_printer.paragraph(QString());
    }

    m_columnsTop = m_printer.currentY();
    if (m_options.gridLines)
        m_printer.drawLine(kMargin, m_columnsTop, W - kMargin, m_columnsTop);
    m_printer.setCurrentY(m_printer.currentY() + 30);
    m_printer.setFontSize(base);
    const double headingRow = m_printer.currentY();
    for (int c = 0; c < kHeadings.size(); ++c) {
        m_printer.setCurrentY(headingRow);
        outputCentred(kHeadings.at(c), W / kHeadingDivisors[c]);
    }
    if (m_options.gridLines)
        m_printer.drawLine(kMargin, m_printer.currentY(), W - kMargin, m_printer.currentY());
    m_printer.setCurrentY(m_printer.currentY() + 100);
    m_lastRowBottom = m_printer.currentY();
    m_pageHasFrame = true;
}

void TimelineReport::printRow(const std::array<QString, 6>& row)
{
    const double W = m_printer.pageWidth();
    const double top = m_printer.currentY();
    m_printer.setCurrentX(m_printer.marginLeft() + 260);
    m_printer.paragraph(row[1].leftJustified(kItemField));
    double bottom = m_printer.currentY();
    for (int i = 0; i < 3; ++i) {
        m_printer.setCurrentY(top);
        outputCentred(row[kDateColumns[i]], W / kHeadingDivisors[i + 1]);
        bottom = qMax(bottom, m_printer.currentY());
    }
    m_printer.setCurrentY(bottom);
    m_lastRowBottom = bottom;
    if (m_options.gridLines)
        m_printer.drawLine(kMargin, bottom, W - kMargin, bottom);
}

void TimelineReport::closePageFrame()
{
    if (!m_pageHasFrame)
        return;
    m_pageHasFrame = false;
    if (!m_options.gridLines)
        return;
    const double W = m_printer.pageWidth();
    // The lines run down to the page's lower limit however few rows the page holds, and a
    // rule there closes the frame. The frame's sides start at the rule over the title, the
    // column lines under the title block.
    const double bottom = qMax(lowerLimit(), m_lastRowBottom);
    for (double x : {kMargin, W - kMargin})
        m_printer.drawLine(x, m_frameTop, x, bottom);
    for (double divisor : kGridLineDivisors)
        m_printer.drawLine(W / divisor, m_columnsTop, W / divisor, bottom);
    m_printer.drawLine(kMargin, bottom, W - kMargin, bottom);
}

void TimelineReport::outputCentred(const QString& text, double centre)
{
    m_printer.setCurrentX(centre - m_printer.textWidth(text) / 2);
    m_printer.paragraph(text);
}

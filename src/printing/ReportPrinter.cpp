#include "printing/ReportPrinter.h"

#include "richtext/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace {

// Documents are laid out against this device, so their coordinates come out in twips.
class TwipsDevice : public QPaintDevice
{
public:
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return int(ReportPrinter::kTwipsPerInch);
        case PdmWidth:
        case PdmHeight:
            return 1000000;
        case PdmWidthMM:
        case PdmHeightMM:
            return 1000000 * 254 / 14400;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }
};

TwipsDevice& twipsDevice()
{
    static TwipsDevice device;
    return device;
}

// The bottoms of every laid-out line, in document coordinates, lowest last.
QVector<double> lineBottoms(const QTextDocument& document)
{
    QVector<double> bottoms;
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const double top = layout->blockBoundingRect(block).top();
        const QTextLayout* lines = block.layout();
        for (int i = 0; lines && i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            bottoms.append(top + line.y() + line.height());
        }
    }
    std::sort(bottoms.begin(), bottoms.end());
    return bottoms;
}

} // namespace

ReportPrinter::ReportPrinter()
{
    m_font.setFamily(QStringLiteral("Times New Roman"));
    m_font.setHintingPreference(QFont::PreferNoHinting);
    setFontSize(10);
}

void ReportPrinter::clear()
{
    m_document.m_pages.clear();
    m_open = false;
    m_x = m_marginLeft;
    m_y = m_marginTop;
}

void ReportPrinter::startDoc()
{
    m_document.m_pages.clear();
    m_document.m_pages.append(PrintedPage());
    m_open = true;
    m_x = m_marginLeft;
    m_y = m_marginTop;
}

void ReportPrinter::endDoc()
{
    m_open = false;
}

void ReportPrinter::newPage()
{
    if (!m_open)
        return;
    m_document.m_pages.append(PrintedPage());
    m_x = m_marginLeft;
    m_y = m_marginTop;
}

void ReportPrinter::paragraph(const QString& textOrRtf)
{
    if (textOrRtf.startsWith(QLatin1String("{\\rtf")))
        paragraphRtf(textOrRtf.toLatin1());
    else
        plainParagraph(textOrRtf);
}

void ReportPrinter::paragraphRtf(const QByteArray& rtf)
{
    auto document = std::make_shared<QTextDocument>();
    if (!RtfReader::read(rtf, document.get())) {
        plainParagraph(QString::fromLatin1(rtf));
        return;
    }
    placeDocument(document, m_marginLeft);
}

void ReportPrinter::paragraph(const QTextDocument& document)
{
    placeDocument(std::shared_ptr<QTextDocument>(document.clone()), m_marginLeft);
}

void ReportPrinter::plainParagraph(const QString& plain)
{
    const bool oneLine = !plain.contains(QLatin1Char('\n')) && !plain.contains(QLatin1Char('\r'));
    if (oneLine && m_x + textWidth(plain) <= pageWidth() - m_marginRight) {
        text(plain);
        m_x = m_marginLeft;
        return;
    }
    auto document = std::make_shared<QTextDocument>();
    document->setDefaultFont(m_font);
    document->setPlainText(QString(plain).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QTextCharFormat colour;
    colour.setForeground(m_textColour);
    QTextCursor all(document.get());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(colour);
    placeDocument(document, m_x);
}

void ReportPrinter::text(const QString& line)
{
    if (!m_open)
        return;
    const double height = lineHeight();
    if (m_y + height > bottomLimit() && m_y > m_marginTop)
        newPage();
    PrintOperation op;
    op.kind = PrintOperation::Text;
    op.at = QPointF(m_x, m_y);
    op.text = line;
    op.font = m_font;
    op.colour = m_textColour;
    page().operations.append(op);
    m_y += height;
}

void ReportPrinter::placeDocument(std::shared_ptr<QTextDocument> document, double x)
{
    if (!m_open)
        return;
    document->documentLayout()->setPaintDevice(&twipsDevice());
    document->setDocumentMargin(0);
    document->setTextWidth(qMax(kTwipsPerInch / 4, pageWidth() - m_marginRight - x));
    const double height = document->size().height();
    const QVector<double> bottoms = lineBottoms(*document);
    double offset = 0;
    while (offset < height - 0.5) {
        const double room = bottomLimit() - m_y;
        double end = height;
        if (offset + room < height) {
            // Break after the last line that fits in the room left on this page.
            auto fit = std::upper_bound(bottoms.begin(), bottoms.end(), offset + room);
            end = fit == bottoms.begin() ? offset : *(fit - 1);
            if (end <= offset + 0.5) {
                if (m_y > m_marginTop) {
                    newPage();
                    continue;
                }
                end = offset + qMax(room, lineHeight()); // a line taller than the page is cut
            }
        }
        PrintOperation op;
        op.kind = PrintOperation::Document;
        op.at = QPointF(x, m_y);
        op.document = document;
        op.sliceTop = offset;
        op.sliceBottom = end;
        page().operations.append(op);
        m_y += end - offset;
        offset = end;
        if (offset < height - 0.5)
            newPage();
    }
    m_x = m_marginLeft;
}

void ReportPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    if (!m_open)
        return;
    PrintOperation op;
    op.kind = PrintOperation::Line;
    op.at = QPointF(x1, y1);
    op.to = QPointF(x2, y2);
    op.colour = m_lineColour;
    page().operations.append(op);
}

void ReportPrinter::fillBox(double x, double y, double width, double height, const QColor& colour)
{
    if (!m_open)
        return;
    PrintOperation op;
    op.kind = PrintOperation::Box;
    op.at = QPointF(x, y);
    op.to = QPointF(x + width, y + height);
    op.colour = colour;
    page().operations.append(op);
}

double ReportPrinter::pageWidth() const
{
    return m_document.pageWidth();
}

double ReportPrinter::pageHeight() const
{
    return m_document.pageHeight();
}

double ReportPrinter::textWidth(const QString& text) const
{
    return QFontMetricsF(m_font).horizontalAdvance(text);
}

double ReportPrinter::lineHeight() const
{
    // Lines advance by the size of the font, not its style, so that columns in bold and
    // in regular type stay level.
    QFont plain = m_font;
    plain.setBold(false);
    plain.setItalic(false);
    return QFontMetricsF(plain).lineSpacing();
}

void ReportPrinter::setFontName(const QString& name)
{
    m_font.setFamily(name);
}

void ReportPrinter::setFontSize(double points)
{
    m_fontSize = points;
    m_font.setPixelSize(qMax(1, qRound(points * kTwipsPerPoint)));
}

int ReportPrinter::orientation() const
{
    return m_document.m_layout.orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void ReportPrinter::setOrientation(int orientation)
{
    m_document.m_layout.setOrientation(orientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void ReportPrinter::setPageLayout(const QPageLayout& layout)
{
    m_document.m_layout = QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF());
}

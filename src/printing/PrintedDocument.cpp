#include "printing/PrintedDocument.h"

#include "base/AtomicFile.h"
#include "printing/ReportPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QtMath>

namespace {

// Lines are half a point wide, whatever the device.
constexpr double kLineWidth = 10;

} // namespace

PrintedDocument::PrintedDocument() : m_layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()) {}

double PrintedDocument::pageWidth() const
{
    return m_layout.fullRect(QPageLayout::Point).width() * ReportPrinter::kTwipsPerPoint;
}

double PrintedDocument::pageHeight() const
{
    return m_layout.fullRect(QPageLayout::Point).height() * ReportPrinter::kTwipsPerPoint;
}

void PrintedDocument::playPage(int index, QPainter& painter, double dpiX, double dpiY) const
{
    if (index < 0 || index >= m_pages.size())
        return;
    painter.save();
    painter.scale(dpiX / ReportPrinter::kTwipsPerInch, dpiY / ReportPrinter::kTwipsPerInch);
    for (const PrintOperation& op : m_pages.at(index).operations) {
        switch (op.kind) {
        case PrintOperation::Text:
            painter.setFont(op.font);
            painter.setPen(op.colour);
            painter.drawText(QPointF(op.at.x(), op.at.y() + QFontMetricsF(op.font).ascent()), op.text);
            break;
        case PrintOperation::Line: {
            QPen pen(op.colour, kLineWidth);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(op.at, op.to);
            break;
        }
        case PrintOperation::Box:
            painter.fillRect(QRectF(op.at, op.to), op.colour);
            break;
        case PrintOperation::Document: {
            painter.save();
            painter.translate(op.at.x(), op.at.y() - op.sliceTop);
            const QRectF slice(0, op.sliceTop, op.document->textWidth(), op.sliceBottom - op.sliceTop);
            painter.setClipRect(slice, Qt::IntersectClip);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = slice;
            context.palette.setColor(QPalette::Text, Qt::black);
            op.document->documentLayout()->draw(&painter, context);
            painter.restore();
            break;
        }
        }
    }
    painter.restore();
}

bool PrintedDocument::playTo(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < m_pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        playPage(i, painter, device.logicalDpiX(), device.logicalDpiY());
    }
    return painter.end();
}

QImage PrintedDocument::pageImage(int index, double dpi) const
{
    QImage image(qCeil(pageWidth() * dpi / ReportPrinter::kTwipsPerInch),
                 qCeil(pageHeight() * dpi / ReportPrinter::kTwipsPerInch), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    playPage(index, painter, dpi, dpi);
    return image;
}

QByteArray PrintedDocument::pdfBytes() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Tessaly"));
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(m_layout.pageSize(), m_layout.orientation(), QMarginsF()));
        if (!playTo(writer))
            return QByteArray();
    }
    return buffer.data();
}

bool PrintedDocument::exportPdf(const QString& path, QString* error) const
{
    const QByteArray bytes = pdfBytes();
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("The PDF could not be made.");
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

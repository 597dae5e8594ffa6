// A recorded printout: its pages of drawing operations and its paper. The same pages are
// played to the preview, a printer, an image or a PDF, each mapped with its own resolution.
#pragma once

#include "printing/PrintedPage.h"

#include <QPageLayout>
#include <QVector>

class QImage;
class QPagedPaintDevice;
class QPainter;

class PrintedDocument
{
public:
    PrintedDocument();

    const QVector<PrintedPage>& pages() const { return m_pages; }
    // Adds the pages of another printout on the same paper after these.
    void append(const PrintedDocument& other) { m_pages += other.m_pages; }
    int pageCount() const { return int(m_pages.size()); }
    // Paper size and orientation; the printout's margins are in its operations.
    QPageLayout pageLayout() const { return m_layout; }
    // The paper's size in twips.
    double pageWidth() const;
    double pageHeight() const;

    // Draws page index (from 0) on a painter whose device has the given resolution.
    void playPage(int index, QPainter& painter, double dpiX, double dpiY) const;
    // Plays every page to a printer or a PDF writer whose painting starts at the paper's corner.
    bool playTo(QPagedPaintDevice& device) const;
    QImage pageImage(int index, double dpi) const;
    // The whole document as a PDF file, written atomically.
    bool exportPdf(const QString& path, QString* error = nullptr) const;
    QByteArray pdfBytes() const;

private:
    friend class ReportPrinter; // records the pages

    QVector<PrintedPage> m_pages;
    QPageLayout m_layout;
};

// The print engine every printout is drawn into. A document is recorded once, between
// startDoc and endDoc, as pages of drawing operations in twips (a PrintedDocument).
#pragma once

#include "printing/PrintedDocument.h"

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <memory>

class QTextDocument;

class ReportPrinter
{
public:
    static constexpr double kTwipsPerInch = 1440.0;
    static constexpr double kTwipsPerPoint = 20.0;

    enum Orientation
    {
        Portrait = 0,
        Landscape = 1
    };

    ReportPrinter();

    // Discards the document and its pages.
    void clear();
    // Opens a document: one empty page, the position at the top-left margin.
    void startDoc();
    // Closes the document; what was drawn stays as its pages.
    void endDoc();

    // Outputs a paragraph at the current position and moves the position below it. Text
    // that starts with "{\rtf" is read as RTF and keeps its formatting, wrapped between the
    // margins; plain text is drawn in the current font from current x and wraps at the
    // right margin. A paragraph that reaches the bottom margin goes on over new pages.
    void paragraph(const QString& textOrRtf);
    void paragraphRtf(const QByteArray& rtf);
    void paragraph(const QTextDocument& document);
    // Outputs one line of text at the current position; y moves down one line.
    void text(const QString& line);
    void drawLine(double x1, double y1, double x2, double y2);
    // A filled rectangle, its top-left corner at (x, y).
    void fillBox(double x, double y, double width, double height, const QColor& colour);
    void newPage();

    double marginLeft() const { return m_marginLeft; }
    double marginRight() const { return m_marginRight; }
    double marginTop() const { return m_marginTop; }
    double marginBottom() const { return m_marginBottom; }
    void setMarginLeft(double twips) { m_marginLeft = twips; }
    void setMarginRight(double twips) { m_marginRight = twips; }
    void setMarginTop(double twips) { m_marginTop = twips; }
    void setMarginBottom(double twips) { m_marginBottom = twips; }

    double currentY() const { return m_y; }
    void setCurrentX(double twips) { m_x = twips; }
    void setCurrentY(double twips) { m_y = twips; }

    double pageWidth() const;
    double pageHeight() const;
    // Width of text in the current font, in twips.
    double textWidth(const QString& text) const;
    // Height of one line in the current font, in twips.
    double lineHeight() const;

    QString fontName() const { return m_font.family(); }
    void setFontName(const QString& name);
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);
    void setFontBold(bool on) { m_font.setBold(on); }
    void setFontItalic(bool on) { m_font.setItalic(on); }
    void setFontUnderline(bool on) { m_font.setUnderline(on); }
    void setFontStrikethru(bool on) { m_font.setStrikeOut(on); }
    // The font as drawn: its pixel size is in twips.
    QFont font() const { return m_font; }
    void setTextColor(const QColor& colour) { m_textColour = colour; }
    void setLineColor(const QColor& colour) { m_lineColour = colour; }

    int orientation() const;
    void setOrientation(int orientation);
    // Paper size and orientation; its own margins are not used, the margins above are.
    QPageLayout pageLayout() const { return m_document.pageLayout(); }
    void setPageLayout(const QPageLayout& layout);

    // What was recorded: the pages and their paper, to preview, print or export.
    const PrintedDocument& document() const { return m_document; }

private:
    PrintedPage& page() { return m_document.m_pages.last(); }
    double bottomLimit() const { return pageHeight() - m_marginBottom; }
    void placeDocument(std::shared_ptr<QTextDocument> document, double x);
    void plainParagraph(const QString& text);

    PrintedDocument m_document;
    bool m_open = false;
    double m_marginLeft = 1440;
    double m_marginRight = 1440;
    double m_marginTop = 1440;
    double m_marginBottom = 1440;
    double m_x = 0;
    double m_y = 0;
    double m_fontSize = 10;
    QFont m_font;
    QColor m_textColour = Qt::black;
    QColor m_lineColour = Qt::black;
};

// The program-wide print settings: the printer font and the four margins, in twips.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class ReportPrinter;

struct PrintSettings
{
    QString fontName = QStringLiteral("Times New Roman");
    double fontSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    QColor colour = Qt::black;
    double marginLeft = 350;
    double marginRight = 350;
    double marginTop = 300;
    double marginBottom = 100;

    // Name, size, bold and italic of the editor's font; underline and strikethrough off;
    // the colour of the timeline grid's text.
    static PrintSettings fromEditor(const QFont& editorFont, const QColor& gridTextColour);

    // The printer font, sized in points.
    QFont font() const;
    void setFont(const QFont& font);
    void setMargins(double left, double right, double top, double bottom);

    // Font name, size, bold, italic, underline, strikethrough and text colour to the engine.
    void applyFont(ReportPrinter& printer) const;
    // Bottom, top, left and right margin to the engine, in that order.
    void applyMargins(ReportPrinter& printer) const;
};

// The margins a screen sets when it opens its print panel for a document.
namespace PrintMargins {
void setForDocument(PrintSettings& settings); // 350, 350, 300, 100
} // namespace PrintMargins

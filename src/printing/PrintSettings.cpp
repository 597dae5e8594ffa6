#include "printing/PrintSettings.h"

#include "printing/ReportPrinter.h"

PrintSettings PrintSettings::fromEditor(const QFont& editorFont, const QColor& gridTextColour)
{
    PrintSettings settings;
    settings.fontName = editorFont.family();
    settings.fontSize = editorFont.pointSizeF() > 0 ? editorFont.pointSizeF() : 10;
    settings.bold = editorFont.bold();
    settings.italic = editorFont.italic();
    settings.colour = gridTextColour;
    return settings;
}

QFont PrintSettings::font() const
{
    QFont f(fontName);
    f.setPointSizeF(fontSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikethrough);
    return f;
}

void PrintSettings::setFont(const QFont& font)
{
    fontName = font.family();
    if (font.pointSizeF() > 0)
        fontSize = font.pointSizeF();
    bold = font.bold();
    italic = font.italic();
    underline = font.underline();
    strikethrough = font.strikeOut();
}

void PrintSettings::setMargins(double left, double right, double top, double bottom)
{
    marginLeft = left;
    marginRight = right;
    marginTop = top;
    marginBottom = bottom;
}

void PrintSettings::applyFont(ReportPrinter& printer) const
{
    printer.setFontName(fontName);
    printer.setFontSize(fontSize);
    printer.setFontBold(bold);
    printer.setFontItalic(italic);
    printer.setFontUnderline(underline);
    printer.setFontStrikethru(strikethrough);
    printer.setTextColor(colour);
}

void PrintSettings::applyMargins(ReportPrinter& printer) const
{
    printer.setMarginBottom(marginBottom);
    printer.setMarginTop(marginTop);
    printer.setMarginLeft(marginLeft);
    printer.setMarginRight(marginRight);
}

void PrintMargins::setForDocument(PrintSettings& settings)
{
    settings.setMargins(350, 350, 300, 100);
}

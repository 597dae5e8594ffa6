// Effective formatting, resolved against the document's default font; and the formatting sample.
#include "DocumentDigest.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <cmath>

namespace {

QString runFormat(const QTextCharFormat& format, const QFont& base)
{
    QString family = format.property(QTextFormat::FontFamilies).toStringList().value(0);
    if (family.isEmpty())
        family = base.family();
    const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : base.pointSizeF();
    QString text = QStringLiteral("%1 %2").arg(family).arg(std::lround(points * 2) / 2.0);
    // A style the format leaves unset comes from the document's default font.
    auto style = [&](QTextFormat::Property property, bool set, bool byDefault, const char* mark) {
        if (format.hasProperty(property) ? set : byDefault)
            text += QLatin1Char(' ') + QLatin1String(mark);
    };
    style(QTextFormat::FontWeight, format.fontWeight() >= QFont::DemiBold, base.bold(), "b");
    style(QTextFormat::FontItalic, format.fontItalic(), base.italic(), "i");
    style(QTextFormat::TextUnderlineStyle, format.fontUnderline(), base.underline(), "u");
    style(QTextFormat::FontStrikeOut, format.fontStrikeOut(), base.strikeOut(), "s");
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        text += QStringLiteral(" fg=") + format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
        text += QStringLiteral(" bg=") + format.background().color().name();
    if (format.verticalAlignment() != QTextCharFormat::AlignNormal)
        text += format.verticalAlignment() == QTextCharFormat::AlignSuperScript ? QStringLiteral(" super")
                                                                                : QStringLiteral(" sub");
    if (format.isAnchor())
        text += QStringLiteral(" href=") + format.anchorHref();
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        text += QStringLiteral(" image %1x%2").arg(std::lround(image.width())).arg(std::lround(image.height()));
    }
    return text;
}

QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    return QStringLiteral("left");
}

} // namespace

namespace DocumentDigest {

QStringList describe(const QTextDocument& document)
{
    QStringList lines;
    const QFont base = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line;
        QTextCursor cursor(block);
        if (QTextTable* table = cursor.currentTable()) {
            const QTextTableCell cell = table->cellAt(cursor);
            line += QStringLiteral("cell %1,%2 of %3x%4")
                        .arg(cell.row())
                        .arg(cell.column())
                        .arg(table->rows())
                        .arg(table->columns());
            if (cell.rowSpan() > 1 || cell.columnSpan() > 1)
                line += QStringLiteral(" span %1x%2").arg(cell.rowSpan()).arg(cell.columnSpan());
            line += QStringLiteral(": ");
        }
        if (const QTextList* list = block.textList())
            line += QStringLiteral("list %1/%2 #%3: ")
                        .arg(-list->format().style())
                        .arg(list->format().indent())
                        .arg(list->itemText(block));
        const QTextBlockFormat format = block.blockFormat();
        line += QStringLiteral("%1 li=%2 ri=%3 fi=%4 sb=%5 sa=%6 |")
                    .arg(alignmentName(format.alignment()))
                    .arg(std::lround(format.leftMargin()))
                    .arg(std::lround(format.rightMargin()))
                    .arg(std::lround(format.textIndent()))
                    .arg(std::lround(format.topMargin()))
                    .arg(std::lround(format.bottomMargin()));
        QString lastFormat;
        QString runText;
        auto flush = [&]() {
            if (!runText.isEmpty())
                line += QStringLiteral(" [%1] \"%2\"").arg(lastFormat, runText);
            runText.clear();
        };
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString formatText = runFormat(fragment.charFormat(), base);
            if (formatText != lastFormat || fragment.charFormat().isImageFormat()) {
                flush();
                lastFormat = formatText;
            }
            runText += fragment.text();
        }
        flush();
        lines.append(line);
    }
    return lines;
}

void buildFormattingSample(QTextDocument* document)
{
    document->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QTextCursor cursor(document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    f.setFontPointSize(16);
    cursor.insertText(QStringLiteral("Security officer checklist"), f);
    cursor.insertBlock(QTextBlockFormat());
    auto run = [&cursor](const QString& text, const QTextCharFormat& format, bool last = false) {
        cursor.insertText(text, format);
        if (!last)
            cursor.insertText(QStringLiteral(" "), QTextCharFormat());
    };
    f = QTextCharFormat();
    f.setFontItalic(true);
    run(QStringLiteral("italic"), f);
    f = QTextCharFormat();
    f.setFontUnderline(true);
    run(QStringLiteral("underlined"), f);
    f = QTextCharFormat();
    f.setFontStrikeOut(true);
    run(QStringLiteral("struck"), f);
    f = QTextCharFormat();
    f.setFontFamilies({QStringLiteral("Times New Roman")});
    f.setFontPointSize(8);
    run(QStringLiteral("small times"), f);
    f = QTextCharFormat();
    f.setForeground(QColor(0xC0, 0, 0));
    run(QStringLiteral("red"), f, true);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    f = QTextCharFormat();
    f.setFontPointSize(12);
    cursor.insertText(QStringLiteral("right aligned"), f);
    // Raised and lowered text in the middle of a paragraph, with words after it.
    cursor.insertBlock(QTextBlockFormat());
    run(QStringLiteral("mc"), QTextCharFormat(), true);
    f = QTextCharFormat();
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    run(QStringLiteral("2"), f, true);
    run(QStringLiteral(" and H"), QTextCharFormat(), true);
    f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    run(QStringLiteral("2"), f, true);
    run(QStringLiteral("O stay whole"), QTextCharFormat(), true);
    // A numbered list with a bulleted one inside it, and its numbering going on after it.
    cursor.insertBlock(QTextBlockFormat());
    QTextListFormat numbered;
    numbered.setStyle(QTextListFormat::ListDecimal);
    QTextList* steps = cursor.createList(numbered);
    cursor.insertText(QStringLiteral("Lock the screen"));
    cursor.insertBlock();
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(2);
    cursor.createList(bullets);
    cursor.insertText(QStringLiteral("Windows key and L"));
    cursor.insertBlock();
    steps->add(cursor.block());
    cursor.insertText(QStringLiteral("Log off at night"));
    // A table with a heading across both columns and a cell across two rows.
    cursor.insertBlock(QTextBlockFormat());
    QTextTableFormat grid;
    grid.setBorder(1);
    QTextTable* table = cursor.insertTable(3, 2, grid);
    table->mergeCells(0, 0, 1, 2);
    table->mergeCells(1, 0, 2, 1);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("Workstations"));
    table->cellAt(1, 0).firstCursorPosition().insertText(QStringLiteral("Front desk"));
    table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("Screen faces away"));
    table->cellAt(2, 1).firstCursorPosition().insertText(QStringLiteral("Privacy filter"));
}

} // namespace DocumentDigest

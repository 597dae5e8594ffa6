// RTF writer: one pass collects fonts and colours, a second walks frames, tables and blocks.
#include "richtext/RtfWriter.h"

#include "base/CodePage.h"
#include "base/HINFO1.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr double kTwipsPerPixel = HINFO1::kTwipsPerPixel;
constexpr int kTextWidthTwips = 9360; // 6.5 inches: a letter page with one-inch margins
// What separates words in a cell's text: white space and the cell's paragraph ends.
const QRegularExpression kWordGaps(QStringLiteral("[\\s\\x{2029}]+"));
constexpr int kIndentWidthPixels = 40; // QTextDocument's default indent step

// Lists: the hanging indent of an item's mark, the levels each list defines, and the first
// list id (any number unique in the file; word processors write large random ones).
constexpr int kListHangTwips = 360;
constexpr int kListLevels = 9;
constexpr int kListIdBase = 1000;

// How a list style is numbered in RTF (\levelnfc) and, for bullets, the bullet character.
struct ListStyle
{
    int nfc = 0;
    char16_t bullet = 0;
};

ListStyle listStyle(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListDisc:
        return {23, 0x2022};
    case QTextListFormat::ListCircle:
        return {23, 0x25E6};
    case QTextListFormat::ListSquare:
        return {23, 0x25AA};
    case QTextListFormat::ListUpperRoman:
        return {1, 0};
    case QTextListFormat::ListLowerRoman:
        return {2, 0};
    case QTextListFormat::ListUpperAlpha:
        return {3, 0};
    case QTextListFormat::ListLowerAlpha:
        return {4, 0};
    default:
        return {0, 0};
    }
}

// A list's level in RTF (\ilvl, from 0): one less than its indent in the document.
int listLevel(const QTextListFormat& format)
{
    return std::clamp(format.indent() - 1, 0, kListLevels - 1);
}

// Font sizes of the relative size steps (-2 .. +4) Qt's HTML and Markdown importers use.
constexpr double kSizeAdjustment[] = {0.7, 0.8, 1.0, 1.2, 1.5, 2.0, 2.4};

int twips(double pixels)
{
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

void appendWord(QByteArray* out, const char* word, int value)
{
    out->append(word);
    out->append(QByteArray::number(value));
}

const char kHex[] = "0123456789abcdef";

// \'hh: a byte as two hexadecimal digits.
void appendHexByte(QByteArray* out, int byte)
{
    out->append("\\'");
    out->append(kHex[(byte >> 4) & 15]);
    out->append(kHex[byte & 15]);
}

// Text in RTF: ASCII as is, Windows-1252 as \'hh, everything else as \uN?.
void appendText(QByteArray* out, const QString& text)
{
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0x20 && u < 0x80) {
            if (u == '\\' || u == '{' || u == '}')
                out->append('\\');
            out->append(static_cast<char>(u));
            continue;
        }
        switch (u) {
        case '\t':
            out->append("\\tab ");
            continue;
        case 0x2028:
        case '\n':
            out->append("\\line ");
            continue;
        case 0x00A0:
            out->append("\\~");
            continue;
        case 0x00AD:
            out->append("\\-");
            continue;
        case 0x2011:
            out->append("\\_");
            continue;
        default:
            break;
        }
        if (u < 0x20)
            continue;
        unsigned char byte = 0;
        if (CodePage::fromUnicode(ch, &byte) && byte >= 0x80) {
            appendHexByte(out, byte);
        } else {
            appendWord(out, "\\u", static_cast<int16_t>(u));
            out->append('?');
        }
    }
}

class Writer
{
public:
    explicit Writer(const QTextDocument& document) : m_document(document), m_base(document.defaultFont()) {}

    QByteArray run();

private:
    struct Run
    {
        QByteArray words; // "\plain\f0\fs24..." followed by a space
        QString href;
        // Superscript and subscript go in a group of their own: a word processor that reads
        // "\plain\super" as the state of the rest of the paragraph would otherwise lose it.
        bool grouped = false;
    };

    const Run& runOf(const QTextCharFormat& format, int index);
    int fontIndex(const QString& family);
    int colorIndex(const QColor& color);

    void writeFrame(QTextFrame* frame);
    void writeTable(QTextTable* table);
    void writeCell(const QTextTableCell& cell);
    void collectBlocks(QTextFrame::iterator it, std::vector<QTextBlock>* blocks);
    void writeBlock(const QTextBlock& block, bool inTable, const char* terminator);
    void writeParagraphWords(const QTextBlock& block, bool inTable);
    void writeListMark(const QTextBlock& block);
    // The RTF list (\lsN, from 1) a document list is written as, and its level in it.
    std::pair<int, int> listPlace(QTextList* list);
    void writeListTables(QByteArray* out) const;
    void appendRunWords(const QByteArray& words);
    void writeImage(const QTextImageFormat& format);
    QImage imageOf(const QString& name) const;

    const QTextDocument& m_document;
    QFont m_base;
    QByteArray m_body;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    std::vector<QColor> m_colors;
    QHash<QRgb, int> m_colorIndex;
    QHash<int, Run> m_runs;
    // The RTF lists in the order met; list n is written as \ls(n+1). A list nested in another
    // is a deeper level of the same RTF list, as word processors write them, so that the outer
    // list goes on after it; each level has the format of the first document list placed there.
    std::vector<std::array<std::optional<QTextListFormat>, kListLevels>> m_lists;
    QHash<const QTextList*, std::pair<int, int>> m_listPlaces;
    int m_lastList = 0; // the RTF list of the paragraph before, if it was a list item

    // The paragraph's words that follow every \plain again (\intbl, \ls, \ilvl): pandoc takes
    // \plain to end them as well as the character formatting.
    QByteArray m_paragraphTail;
};

QByteArray Writer::run()
{
    m_fontIndex.insert(m_base.family(), 0);
    m_fonts.append(m_base.family());
    m_body.reserve(m_document.characterCount() * 2 + 1024);

    writeFrame(m_document.rootFrame());

    QByteArray out;
    out.reserve(m_body.size() + 1024);
    out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl");
    for (int i = 0; i < m_fonts.size(); ++i) {
        appendWord(&out, "{\\f", i);
        out.append("\\fnil\\fcharset0 ");
        QString name = m_fonts[i];
        appendText(&out, name.replace(QLatin1Char(';'), QLatin1Char(' ')));
        out.append(";}");
    }
    out.append("}\r\n{\\colortbl;");
    for (const QColor& color : m_colors) {
        appendWord(&out, "\\red", color.red());
        appendWord(&out, "\\green", color.green());
        appendWord(&out, "\\blue", color.blue());
        out.append(';');
    }
    out.append("}\r\n");
    writeListTables(&out);
    out.append("\\viewkind4\r\n");
    out.append(m_body);
    out.append("}\r\n");
    return out;
}

int Writer::fontIndex(const QString& family)
{
    auto found = m_fontIndex.constFind(family);
    if (found != m_fontIndex.constEnd())
        return found.value();
    const int index = static_cast<int>(m_fonts.size());
    m_fonts.append(family);
    m_fontIndex.insert(family, index);
    return index;
}

int Writer::colorIndex(const QColor& color)
{
    const QRgb rgb = color.rgb();
    auto found = m_colorIndex.constFind(rgb);
    if (found != m_colorIndex.constEnd())
        return found.value();
    m_colors.push_back(QColor(rgb));
    const int index = static_cast<int>(m_colors.size());
    m_colorIndex.insert(rgb, index);
    return index;
}

// The control words of a character format, resolved against the document's default font.
const Writer::Run& Writer::runOf(const QTextCharFormat& format, int index)
{
    auto found = m_runs.constFind(index);
    if (found != m_runs.constEnd())
        return found.value();

    QString family = format.property(QTextFormat::FontFamilies).toStringList().value(0);
    if (family.isEmpty())
        family = m_base.family();

    double points = 0;
    if (format.hasProperty(QTextFormat::FontPointSize)) {
        points = format.fontPointSize();
    } else if (format.hasProperty(QTextFormat::FontPixelSize)) {
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
    } else {
        points = m_base.pointSizeF() > 0 ? m_base.pointSizeF() : m_base.pixelSize() * 0.75;
        if (format.hasProperty(QTextFormat::FontSizeAdjustment)) {
            const int step = std::max(-2, std::min(format.intProperty(QTextFormat::FontSizeAdjustment), 4));
            points *= kSizeAdjustment[step + 2];
        }
    }
    if (points <= 0)
        points = 12;

    const bool bold =
        format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold : m_base.bold();
    const bool italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : m_base.italic();
    const bool underline =
        format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline)
            ? format.fontUnderline()
            : m_base.underline();
    const bool strike = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut() : m_base.strikeOut();

    Run run;
    QByteArray& w = run.words;
    w.append("\\plain");
    appendWord(&w, "\\f", fontIndex(family));
    appendWord(&w, "\\fs", std::max(1, static_cast<int>(std::lround(points * 2))));
    if (bold)
        w.append("\\b");
    if (italic)
        w.append("\\i");
    if (underline)
        w.append("\\ul");
    if (strike)
        w.append("\\strike");
    const QBrush foreground = format.foreground();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && foreground.style() != Qt::NoBrush)
        appendWord(&w, "\\cf", colorIndex(foreground.color()));
    const QBrush background = format.background();
    if (format.hasProperty(QTextFormat::BackgroundBrush) && background.style() != Qt::NoBrush)
        appendWord(&w, "\\highlight", colorIndex(background.color()));
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        w.append("\\super");
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        w.append("\\sub");
    run.grouped = format.verticalAlignment() == QTextCharFormat::AlignSuperScript ||
                  format.verticalAlignment() == QTextCharFormat::AlignSubScript;
    w.append(' ');
    if (format.isAnchor())
        run.href = format.anchorHref();
    return m_runs.insert(index, run).value();
}

void Writer::writeFrame(QTextFrame* frame)
{
    bool first = true;
    for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(child))
                writeTable(table);
            else
                writeFrame(child);
        } else {
            const QTextBlock block = it.currentBlock();
            // A document that starts with a table has an empty paragraph in front of it
            // which Qt itself adds back; writing it would add a blank line in word processors.
            QTextFrame::iterator next = it;
            ++next;
            const bool emptyBeforeTable = first && frame == m_document.rootFrame() && block.length() <= 1 &&
                                          !next.atEnd() && qobject_cast<QTextTable*>(next.currentFrame());
            if (!emptyBeforeTable)
                writeBlock(block, false, "\\par");
        }
        first = false;
    }
}

void Writer::writeTable(QTextTable* table)
{
    const int rows = table->rows();
    const int columns = table->columns();
    const QList<QTextLength> constraints = table->format().columnWidthConstraints();

    std::vector<int> right(columns);
    int fixed = 0;
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
        if (length.type() == QTextLength::FixedLength)
            fixed += twips(length.rawValue());
        else if (length.type() == QTextLength::PercentageLength)
            fixed += static_cast<int>(kTextWidthTwips * length.rawValue() / 100.0);
    }
    // Columns without a width of their own share what is left in proportion to the longest
    // word each holds (four letters at the least), so that a heading such as "Vulnerability"
    // is not broken inside the word where the table has room for it.
    std::vector<int> longestWord(columns, 4);
    int totalWeight = 0;
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c || cell.columnSpan() != 1)
                continue;
            QTextCursor text = cell.firstCursorPosition();
            text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            const QStringList words = text.selectedText().split(kWordGaps, Qt::SkipEmptyParts);
            for (const QString& word : words)
                longestWord[c] = std::max(longestWord[c], static_cast<int>(word.size()) + 1);
        }
        const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
        if (length.type() == QTextLength::VariableLength)
            totalWeight += longestWord[c];
    }
    const int left = kTextWidthTwips - fixed;
    int edge = 0;
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
        if (length.type() == QTextLength::FixedLength)
            edge += std::max(1, twips(length.rawValue()));
        else if (length.type() == QTextLength::PercentageLength)
            edge += std::max(1, static_cast<int>(kTextWidthTwips * length.rawValue() / 100.0));
        else
            edge += std::max(360, left * longestWord[c] / totalWeight);
        right[c] = edge;
    }

    for (int r = 0; r < rows; ++r) {
        m_body.append("\\trowd\\trgaph108\\trleft0");
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c)
                continue;
            if (cell.row() != r)
                m_body.append("\\clvmrg");
            else if (cell.rowSpan() > 1)
                m_body.append("\\clvmgf");
            m_body.append("\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                          "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10");
            appendWord(&m_body, "\\cellx", right[std::min(columns, c + cell.columnSpan()) - 1]);
        }
        m_body.append("\r\n");
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c)
                continue;
            if (cell.row() != r)
                m_body.append("\\pard\\intbl\\cell");
            else
                writeCell(cell);
        }
        m_body.append("\\row\r\n");
    }
}

void Writer::collectBlocks(QTextFrame::iterator it, std::vector<QTextBlock>* blocks)
{
    for (; !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            // A table inside a cell flattens into paragraphs of that cell.
            if (auto* table = qobject_cast<QTextTable*>(child)) {
                for (int r = 0; r < table->rows(); ++r) {
                    for (int c = 0; c < table->columns(); ++c) {
                        const QTextTableCell cell = table->cellAt(r, c);
                        if (cell.row() == r && cell.column() == c)
                            collectBlocks(cell.begin(), blocks);
                    }
                }
            } else {
                collectBlocks(child->begin(), blocks);
            }
        } else {
            blocks->push_back(it.currentBlock());
        }
    }
}

void Writer::writeCell(const QTextTableCell& cell)
{
    std::vector<QTextBlock> blocks;
    collectBlocks(cell.begin(), &blocks);
    if (blocks.empty()) {
        m_body.append("\\pard\\intbl\\cell");
        return;
    }
    for (std::size_t i = 0; i < blocks.size(); ++i)
        writeBlock(blocks[i], true, i + 1 == blocks.size() ? "\\cell" : "\\par");
}

void Writer::writeParagraphWords(const QTextBlock& block, bool inTable)
{
    const QTextBlockFormat format = block.blockFormat();
    m_paragraphTail.clear();
    if (inTable)
        m_paragraphTail.append("\\intbl");
    QTextList* list = block.textList();
    int listNumber = 0;
    if (list) {
        const auto [number, level] = listPlace(list);
        appendWord(&m_paragraphTail, "\\ls", number);
        appendWord(&m_paragraphTail, "\\ilvl", level);
        listNumber = number;
    }
    m_lastList = listNumber;
    m_body.append("\\pard");
    m_body.append(m_paragraphTail);
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignHCenter)
        m_body.append("\\qc");
    else if (alignment & Qt::AlignRight)
        m_body.append("\\qr");
    else if (alignment & Qt::AlignJustify)
        m_body.append("\\qj");

    double left = format.leftMargin() + format.indent() * kIndentWidthPixels;
    int first = twips(format.textIndent());
    if (list) {
        left += list->format().indent() * kIndentWidthPixels;
        first = -kListHangTwips;
    }
    if (const int li = twips(left))
        appendWord(&m_body, "\\li", li);
    if (const int ri = twips(format.rightMargin()))
        appendWord(&m_body, "\\ri", ri);
    if (first)
        appendWord(&m_body, "\\fi", first);
    if (const int sb = twips(format.topMargin()))
        appendWord(&m_body, "\\sb", sb);
    if (const int sa = twips(format.bottomMargin()))
        appendWord(&m_body, "\\sa", sa);
}

std::pair<int, int> Writer::listPlace(QTextList* list)
{
    auto found = m_listPlaces.constFind(list);
    if (found != m_listPlaces.constEnd())
        return found.value();
    const int level = listLevel(list->format());
    int number = m_lastList;
    if (level == 0 || number == 0 ||
        (m_lists[number - 1][level] && m_lists[number - 1][level]->style() != list->format().style())) {
        m_lists.emplace_back();
        number = static_cast<int>(m_lists.size());
    }
    if (!m_lists[number - 1][level])
        m_lists[number - 1][level] = list->format();
    const std::pair<int, int> place(number, level);
    m_listPlaces.insert(list, place);
    return place;
}

// One list definition and one override per RTF list. A level no document list was placed at
// takes the format of the nearest one that was.
void Writer::writeListTables(QByteArray* out) const
{
    if (m_lists.empty())
        return;
    out->append("{\\*\\listtable\r\n");
    for (std::size_t n = 0; n < m_lists.size(); ++n) {
        const int id = kListIdBase + static_cast<int>(n);
        appendWord(out, "{\\list\\listtemplateid", id);
        for (int level = 0; level < kListLevels; ++level) {
            std::optional<QTextListFormat> placed;
            for (int distance = 0; distance < kListLevels && !placed; ++distance) {
                for (int near : {level - distance, level + distance}) {
                    if (!placed && near >= 0 && near < kListLevels)
                        placed = m_lists[n][near];
                }
            }
            const QTextListFormat format = placed.value_or(QTextListFormat());
            const ListStyle style = listStyle(format.style());
            appendWord(out, "{\\listlevel\\levelnfc", style.nfc);
            appendWord(out, "\\levelnfcn", style.nfc);
            out->append("\\leveljc0\\levelfollow0\\levelstartat1{\\leveltext");
            if (style.bullet) {
                appendHexByte(out, 1);
                appendWord(out, "\\u", static_cast<int16_t>(style.bullet));
                out->append(" ?;}{\\levelnumbers;}");
            } else {
                // The level's own number (the byte holding its level) between the prefix and suffix.
                const QString prefix = format.numberPrefix();
                const QString suffix =
                    format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix() : QStringLiteral(".");
                appendHexByte(out, static_cast<int>(prefix.size() + 1 + suffix.size()));
                appendText(out, prefix);
                appendHexByte(out, level);
                appendText(out, suffix);
                out->append(";}{\\levelnumbers");
                appendHexByte(out, static_cast<int>(prefix.size() + 1));
                out->append(";}");
            }
            appendWord(out, "\\fi", -kListHangTwips);
            appendWord(out, "\\li", twips((level + 1) * kIndentWidthPixels));
            out->append("}");
        }
        appendWord(out, "\\listid", id);
        out->append("}\r\n");
    }
    out->append("}\r\n{\\*\\listoverridetable");
    for (std::size_t n = 0; n < m_lists.size(); ++n) {
        appendWord(out, "{\\listoverride\\listid", kListIdBase + static_cast<int>(n));
        appendWord(out, "\\listoverridecount0\\ls", static_cast<int>(n + 1));
        out->append("}");
    }
    out->append("}\r\n");
}

// The item's mark as text, for readers that do not know lists: ignored by those that do.
void Writer::writeListMark(const QTextBlock& block)
{
    QTextList* list = block.textList();
    if (!list)
        return;
    // The mark takes the format of the item's first characters, as word processors draw it.
    m_body.append("{\\listtext");
    const QTextFragment first = block.begin().atEnd() ? QTextFragment() : block.begin().fragment();
    const Run& run = first.isValid() ? runOf(first.charFormat(), first.charFormatIndex())
                                     : runOf(block.charFormat(), block.charFormatIndex());
    appendRunWords(run.grouped ? runOf(block.charFormat(), block.charFormatIndex()).words : run.words);
    const ListStyle style = listStyle(list->format().style());
    if (style.bullet)
        appendText(&m_body, QString(QChar(style.bullet)));
    else
        appendText(&m_body, list->itemText(block));
    m_body.append("\\tab}");
}

// A run's words, with the paragraph's words that must follow each \plain.
void Writer::appendRunWords(const QByteArray& words)
{
    if (m_paragraphTail.isEmpty()) {
        m_body.append(words);
        return;
    }
    m_body.append(words.constData(), words.size() - 1);
    m_body.append(m_paragraphTail);
    m_body.append(' ');
}

void Writer::writeBlock(const QTextBlock& block, bool inTable, const char* terminator)
{
    writeParagraphWords(block, inTable);
    writeListMark(block);

    int lastIndex = -1; // the run whose words are in effect; -1 for none
    bool written = false;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        const int index = fragment.charFormatIndex();
        const Run run = runOf(format, index); // a copy: runOf may add to the table below
        written = true;
        const bool link = !run.href.isEmpty();
        const bool grouped = run.grouped && !link;
        if (link) {
            m_body.append("{\\field{\\*\\fldinst{HYPERLINK \"");
            appendText(&m_body, run.href);
            m_body.append("\"}}{\\fldrslt{");
            appendRunWords(run.words);
        } else if (grouped) {
            m_body.append('{');
            appendRunWords(run.words);
        } else if (lastIndex != index) {
            appendRunWords(run.words);
            lastIndex = index;
        }
        if (format.isImageFormat()) {
            const QTextImageFormat image = format.toImageFormat();
            for (int i = 0; i < fragment.length(); ++i)
                writeImage(image);
        } else {
            appendText(&m_body, fragment.text());
        }
        if (link)
            m_body.append("}}}");
        if (grouped)
            m_body.append('}');
    }
    if (!written && block.length() <= 1) {
        // An empty paragraph: its mark still carries a size, which sets the line height.
        appendRunWords(runOf(block.charFormat(), block.charFormatIndex()).words);
    }
    m_body.append(terminator);
    m_body.append("\r\n");
}

QImage Writer::imageOf(const QString& name) const
{
    const QVariant resource = m_document.resource(QTextDocument::ImageResource, QUrl(name));
    switch (resource.typeId()) {
    case QMetaType::QImage:
        return resource.value<QImage>();
    case QMetaType::QPixmap:
        return resource.value<QPixmap>().toImage();
    case QMetaType::QByteArray:
        return QImage::fromData(resource.toByteArray());
    default:
        return QImage();
    }
}

void Writer::writeImage(const QTextImageFormat& format)
{
    const QImage image = imageOf(format.name());
    if (image.isNull())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return;
    const double width = format.width() > 0 ? format.width() : image.width();
    const double height = format.height() > 0 ? format.height() : image.height();
    m_body.append("{\\pict\\pngblip");
    appendWord(&m_body, "\\picw", image.width());
    appendWord(&m_body, "\\pich", image.height());
    appendWord(&m_body, "\\picwgoal", twips(width));
    appendWord(&m_body, "\\pichgoal", twips(height));
    m_body.append("\r\n");
    for (qsizetype i = 0; i < png.size(); ++i) {
        const auto byte = static_cast<unsigned char>(png[i]);
        m_body.append(kHex[byte >> 4]);
        m_body.append(kHex[byte & 15]);
        if (i % 64 == 63)
            m_body.append("\r\n");
    }
    m_body.append("}");
}

} // namespace

namespace RtfWriter {

QByteArray write(const QTextDocument& document)
{
    return Writer(document).run();
}

QByteArray write(const QTextDocumentFragment& fragment)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertFragment(fragment);
    return write(document);
}

} // namespace RtfWriter

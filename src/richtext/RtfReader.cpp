// RTF reader: a stack of character and paragraph states pushed at '{' and popped at '}',
// control words dispatched through a table per destination, text inserted through a QTextCursor.
#include "richtext/RtfReader.h"

#include "base/CodePage.h"
#include "base/HINFO1.h"
#include "richtext/RtfCodePages.h"
#include "richtext/RtfHeaderTables.h"
#include "richtext/RtfListTables.h"
#include "richtext/RtfPicture.h"
#include "richtext/RtfTokenizer.h"

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Deeper groups still count braces but share the state of the deepest kept group,
// so memory stays bounded whatever the input.
constexpr std::size_t kMaxDepth = 256;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxCodePage = 65535;
constexpr int kMaxColorIndex = 4095;
constexpr int kMaxTableColumns = 63;
// Cell edges closer than this (in twips) are one column edge: writers round widths differently.
constexpr int kEdgeTolerance = 20;
constexpr int kExtraColumnTwips = 1440;
constexpr int kListIndentPixels = 40; // QTextDocument's indent step, in which a list draws its marks
// Indents and spacing, in twips: 22 inches, beyond any page.
constexpr int kMaxTwips = 31680;
constexpr double kTwipsPerPixel = HINFO1::kTwipsPerPixel;
// Distinct character formats kept for reuse; a document rarely has more than a few hundred.
constexpr qsizetype kFormatCacheSize = 4096;

// The character of a SYMBOL field: a code of the Symbol or Wingdings font, mapped to Unicode
// for the marks documents use them for; any other font's code read as Windows-1252.
QChar symbolCharacter(int code, const QString& font)
{
    static const QHash<int, char16_t> symbolFont = {
        {0xB7, 0x2022}, {0xB0, 0x00B0}, {0xB1, 0x00B1}, {0xB4, 0x00D7}, {0xB8, 0x00F7}, {0xA8, 0x2666},
        {0xA7, 0x2663}, {0xA9, 0x2665}, {0xAA, 0x2660}, {0xAE, 0x2192}, {0xAC, 0x2190}, {0xD2, 0x00AE},
        {0xD3, 0x00A9}, {0xD4, 0x2122}, {0xE2, 0x00AE}, {0xE3, 0x00A9}, {0xE4, 0x2122}, {0xD7, 0x22C5},
        {0xB3, 0x2265}, {0xA3, 0x2264}, {0xB9, 0x2260}, {0xBB, 0x2248}, {0xD6, 0x221A}, {0xA5, 0x221E}};
    static const QHash<int, char16_t> wingdings = {{0xA7, 0x25AA}, {0x6C, 0x25CF}, {0x6E, 0x25A0}, {0x71, 0x2751},
                                                   {0xD8, 0x27A2}, {0xFC, 0x2714}, {0xFB, 0x2718}, {0xA8, 0x25FB},
                                                   {0x76, 0x2756}, {0xE0, 0x27A4}};
    if (code <= 0 || code > 0xFFFF)
        return QChar();
    if (font.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        return QChar(symbolFont.value(code, code < 128 ? char16_t(code) : char16_t(0x2022)));
    if (font.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive))
        return QChar(wingdings.value(code, char16_t(0x2022)));
    return code < 256 ? CodePage::toUnicode(static_cast<unsigned char>(code)) : QChar(char16_t(code));
}

enum class Destination
{
    Normal,
    Skip,
    FontTable,
    ColorTable,
    Picture,
    FieldInstruction,
    Numbering, // an old-style paragraph number (\pn): its kind, start and the text around it
    ListTable, // the list definitions (\listtable) or their overrides (\listoverridetable)
};

// Old-style numbering of a paragraph, shown by the reader when the file gives no \pntext.
struct Numbering
{
    enum Kind
    {
        None,
        Bullet,
        Decimal,
        LowerLetter,
        UpperLetter
    };
    Kind kind = None;
    int start = 1;
    QString before;
    QString after;
};

struct CharState
{
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int foreground = 0;
    int background = 0;
    int vertical = 0; // 1 superscript, -1 subscript
    int link = -1;

    bool operator==(const CharState& o) const
    {
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold && italic == o.italic &&
               underline == o.underline && strike == o.strike && foreground == o.foreground &&
               background == o.background && vertical == o.vertical && link == o.link;
    }
    bool operator!=(const CharState& o) const { return !(*this == o); }
};

// The widths of a table's columns from their right edges, in twips.
QList<QTextLength> columnWidths(const std::vector<int>& edges)
{
    QList<QTextLength> widths;
    int left = 0;
    for (int right : edges) {
        widths.append(QTextLength(QTextLength::FixedLength, std::max(1, right - left) / kTwipsPerPixel));
        left = right;
    }
    return widths;
}

constexpr CharState kNoState = [] {
    CharState none;
    none.halfPoints = -1;
    return none;
}();

size_t qHash(const CharState& ch, size_t seed = 0)
{
    return qHashMulti(seed, ch.font, ch.halfPoints, ch.bold, ch.italic, ch.underline, ch.strike, ch.foreground,
                      ch.background, ch.vertical, ch.link);
}

struct ParaState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool inTable = false;
    Numbering numbering;
    int list = 0; // \lsN: the paragraph is an item of list N (0: none)
    int listLevel = 0;
};

struct GroupState
{
    CharState ch;
    ParaState para;
    Destination destination = Destination::Normal;
    int unicodeSkip = 1;
    // Text a page carries outside the body (a header, a footer, a shape's text box): read where
    // it stands, as paragraphs of its own.
    bool aside = false;
    // A footnote: its text goes to the notes after the body, its mark stays in the text.
    bool note = false;
    // The group of a field (\field), whose result may be left empty for the reader to fill.
    bool field = false;
    // Inside \pntxtb (1) or \pntxta (2): the text before or after the paragraph's number.
    int numberingText = 0;
    // Inside \listtext, the item's mark written out: dropped when the item joins a real list.
    bool listText = false;
    // Inside a list level's \leveltext.
    bool levelText = false;
    // Inside \nesttableprops: the row words there describe a table nested in a cell, which is
    // read flattened into that cell, and must not change the outer table's row.
    bool nestedRow = false;
};

// A cell of a row's definition: its right edge (\cellxN, in twips) and how it merges.
struct CellDefinition
{
    enum Merge
    {
        MergeFirst = 1,     // \clmgf: the first of horizontally merged cells
        MergeNext = 2,      // \clmrg: merged into the cell before
        MergeDownFirst = 4, // \clvmgf: the top of vertically merged cells
        MergeDownNext = 8,  // \clvmrg: merged into the cell above
    };
    int right = 0;
    int merge = 0;
};

class Reader
{
public:
    Reader(const QByteArray& rtf, QTextDocument* document) : m_tokenizer(rtf), m_document(document), m_cursor(document)
    {
    }

    void run();
    bool isDamaged() const { return m_damaged; }

private:
    GroupState& state() { return m_stack.back(); }

    void groupStart();
    void groupEnd();
    void controlWord(const RtfTokenizer::Token& token);

    // Control words: each destination has a table from the word to the member carrying it out
    // (see controlWord); a word missing from the table is ignored there.
    using Token = RtfTokenizer::Token;
    using WordHandler = void (Reader::*)(const Token& word);
    using WordTable = std::unordered_map<std::string_view, WordHandler>;
    static const WordTable& documentWords();
    static const WordTable& fontTableWords();
    static const WordTable& colorTableWords();
    static const WordTable& pictureWords();
    // "\b" and "\b1" switch a property on, "\b0" switches it off.
    static bool isOn(const Token& word) { return !word.hasParameter || word.parameter != 0; }

    // Destinations and fields
    void startFontTable(const Token&);
    void startColorTable(const Token&);
    void startPicture(const Token&);
    void startFieldInstruction(const Token&);
    void startField(const Token&);
    void startFieldResult(const Token&);
    void skipDestination(const Token&) { state().destination = Destination::Skip; }
    void startAside(const Token&) { state().aside = true; }
    void startNote(const Token&);
    void noteMark(const Token&);
    void readInPlace(const Token&) {}
    void startNumbering(const Token&);
    template <Numbering::Kind K> void setNumberingKind(const Token&) { m_numbering.kind = K; }
    void setNumberingStart(const Token& word) { m_numbering.start = std::clamp(word.parameter, 0, 32767); }
    template <int Slot> void setNumberingText(const Token&) { state().numberingText = Slot; }
    // The file shows the number itself (\pntext, \listtext): the reader adds none.
    void numberShown(const Token&) { m_numberShown = true; }
    void showNumber();
    static const WordTable& numberingWords();
    // Lists
    void startListTable(const Token&);
    void startOverrideTable(const Token&);
    void startListText(const Token&);
    void startLevelText(const Token&) { state().levelText = true; }
    void startList(const Token&) { m_lists.startList(); }
    void startLevel(const Token&) { m_lists.startLevel(); }
    void setLevelNumberFormat(const Token& word) { m_lists.setNumberFormat(word.parameter); }
    void setListId(const Token& word) { m_lists.setListId(word.parameter); }
    void startOverride(const Token&) { m_lists.startOverride(); }
    void setOverrideNumber(const Token& word) { m_lists.setOverrideNumber(word.parameter); }
    void setListNumber(const Token& word) { state().para.list = std::max(0, word.parameter); }
    void setListLevel(const Token& word) { state().para.listLevel = std::clamp(word.parameter, 0, 8); }
    static const WordTable& listTableWords();
    void applyList(const ParaState& p);
    // Document
    template <int CodePage> void setCodePage(const Token&) { m_codePage = CodePage; }
    void setAnsiCodePage(const Token& word) { m_codePage = std::clamp(word.parameter, 0, kMaxCodePage); }
    void setDefaultFont(const Token& word) { m_defaultFont = word.parameter; }
    // Character formatting
    void resetCharacter(const Token&);
    template <bool CharState::*Flag> void setCharFlag(const Token& word) { state().ch.*Flag = isOn(word); }
    void noUnderline(const Token&) { state().ch.underline = false; }
    void selectFont(const Token& word);
    void setFontSize(const Token& word);
    template <int CharState::*Color> void setColor(const Token& word)
    {
        state().ch.*Color = std::clamp(word.parameter, 0, kMaxColorIndex);
    }
    template <int Vertical> void setVertical(const Token& word) { state().ch.vertical = isOn(word) ? Vertical : 0; }
    void unicodeCharacter(const Token& word);
    void setUnicodeSkip(const Token& word) { state().unicodeSkip = std::clamp(word.parameter, 0, 16); }
    // Paragraph formatting and breaks
    void resetParagraph(const Token&) { state().para = ParaState(); }
    template <Qt::AlignmentFlag Alignment> void setAlignment(const Token&) { state().para.alignment = Alignment; }
    template <int ParaState::*Indent> void setIndent(const Token& word)
    {
        state().para.*Indent = std::clamp(word.parameter, -kMaxTwips, kMaxTwips);
    }
    template <int ParaState::*Space> void setSpacing(const Token& word)
    {
        state().para.*Space = std::clamp(word.parameter, 0, kMaxTwips);
    }
    void endParagraph(const Token&);
    template <char16_t Character> void insertCharacter(const Token&) { appendChar(QChar(Character)); }
    // Tables
    void setInTable(const Token&) { state().para.inTable = true; }
    void resetRow(const Token&);
    template <int Merge> void setCellMerge(const Token&)
    {
        if (!state().nestedRow)
            m_nextCellMerge |= Merge;
    }
    void startNestedRow(const Token&) { state().nestedRow = true; }
    void addCellBoundary(const Token& word);
    void endCell(const Token&);
    void endRow(const Token&);
    // Font table
    void defineFont(const Token& word);
    void setFontCharset(const Token& word) { m_fonts.setCharset(word.parameter); }
    // Colour table
    template <RtfColorTable::Component Which> void setColorComponent(const Token& word)
    {
        m_colors.setComponent(Which, word.parameter);
    }
    // Picture
    template <RtfPicture::Kind Kind> void setPictureKind(const Token&) { m_picture.kind = Kind; }
    template <int RtfPicture::*Size> void setPictureSize(const Token& word)
    {
        m_picture.*Size = std::clamp(word.parameter, 0, 100000);
    }
    template <int RtfPicture::*GoalSize> void setPictureGoalSize(const Token& word)
    {
        m_picture.*GoalSize = std::clamp(word.parameter, 0, 1000000);
    }
    template <int RtfPicture::*Scale> void setPictureScale(const Token& word)
    {
        m_picture.*Scale = std::clamp(word.parameter, 1, 10000);
    }
    void controlSymbol(unsigned char symbol);
    bool isSkipped();
    void text(std::string_view bytes);
    // A text run of 32 or more hexadecimal digits in the text itself, or one following such a run.
    bool isHexRun(std::string_view bytes);
    void flushHexRun();
    void hexByte(unsigned char byte);
    void destinationText(std::string_view bytes);

    void appendBytes(std::string_view bytes);
    void appendChar(QChar ch);
    void flushBytes();
    void beforeText();
    void flushText();
    void prepareForContent(bool forceTable = false);
    void startTable();
    void endTable();
    void moveToCell();
    // The first and one-past-last table column of each cell of the row being read.
    std::vector<std::pair<int, int>> rowLayout() const;
    void fitGridToRow();
    void mergeRowCells();
    void finishTable();
    void paragraphEnd();
    void cellEnd();
    void rowEnd();
    void applyBlockFormat();
    void finish();

    void finishFieldInstruction();
    void finishPicture();

    // The format of a character state; the reference holds until the next call.
    const QTextCharFormat& charFormat(const CharState& ch);
    const RtfFontTable::Font* fontEntry(int number) const;
    int codePageOfCurrentFont() const;

    RtfTokenizer m_tokenizer;
    QTextDocument* m_document;
    QTextCursor m_cursor;
    // The footnotes, numbered in order, and where the body's text stood while one was read.
    std::unique_ptr<QTextDocument> m_notes;
    int m_noteCount = 0;
    QTextCursor m_bodyCursor;
    bool m_bodyBlockPending = false;
    std::vector<GroupState> m_stack;
    std::size_t m_overflow = 0;
    bool m_done = false;
    bool m_damaged = false;
    // Text made of hexadecimal digits only, held back: long enough, it is the data of a picture
    // or object whose group a damaged file lost, and is left out rather than shown as text.
    QByteArray m_hexRun;
    bool m_starred = false;
    int m_skipFallback = 0;

    int m_codePage = 1252;
    int m_defaultFont = 0;
    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    RtfListTables m_lists;
    RtfCodePages m_codePages;
    // The lists made so far, by list number and level: an item joins the list of its number,
    // which keeps counting across the paragraphs between its items.
    QHash<int, QPointer<QTextList>> m_madeLists;
    // Where the current paragraph's \listtext mark stands, while it may still be dropped.
    int m_listTextStart = -1;
    int m_listTextEnd = -1;

    QString m_text;
    CharState m_textState;
    QByteArray m_bytes;
    int m_bytesCodePage = 1252;
    // Documents switch back and forth between their formats; each is built once, and the
    // shared copies let Qt find a format it already holds without comparing it afresh.
    QHash<CharState, QTextCharFormat> m_formats;
    // A size no run has: the two places start empty.
    std::pair<CharState, QTextCharFormat> m_recentFormats[2] = {{kNoState, {}}, {kNoState, {}}};

    bool m_blockPending = false;
    QTextTable* m_table = nullptr;
    int m_row = 0;
    int m_cellIndex = 0; // of the cell being read in its row
    bool m_rowMerged = false;
    // The table's size as built so far. Qt rebuilds a table's cell grid after every change
    // of its rows or columns, so rows are added in growing batches (the spare ones are
    // removed at the table's end) and the counts are kept here rather than asked for.
    int m_tableRows = 0;
    int m_tableColumns = 0;
    bool m_rowPending = false;
    bool m_cellPending = false;
    // The row's cells as defined so far, and the merge words waiting for their \cellx.
    std::vector<CellDefinition> m_cells;
    int m_nextCellMerge = 0;
    // The table's column edges, in twips: the first row's, split where a later row has an edge
    // between them; one a column (Qt's column widths must be as many as its columns), or none
    // when the first row gave none. A cell spans the columns between its edges.
    std::vector<int> m_grid;
    // The table's merged cells, made when the table ends: Qt's tables can corrupt memory when
    // rows are removed or columns inserted around merged cells, so no cell is merged before.
    struct Span
    {
        int row, column, rows, columns;
    };
    std::vector<Span> m_spans;
    // Per column: the span of cells merging downwards from there (an index in m_spans), or -1.
    std::vector<int> m_mergeDown;
    // rowLayout() of the row's cells, kept until they or the columns change.
    std::vector<std::pair<int, int>> m_layout;
    bool m_layoutStale = true;

    QString m_fieldInstruction;
    QString m_fieldHref;
    QChar m_fieldSymbol;   // what a SYMBOL field shows when its result is empty
    Numbering m_numbering; // being read in a \pn group
    bool m_numberShown = false;
    Numbering::Kind m_lastNumbered = Numbering::None;
    int m_number = 0;
    int m_fieldStart = 0;
    std::vector<QString> m_links;

    RtfPicture m_picture;
    int m_imageCount = 0;
};

void Reader::run()
{
    for (;;) {
        const RtfTokenizer::Token token = m_tokenizer.next();
        if (token.type == RtfTokenizer::Type::End)
            break;
        // Nothing counts before the document's outer group opens.
        if (m_stack.empty() && token.type != RtfTokenizer::Type::GroupStart)
            continue;
        if (token.type == RtfTokenizer::Type::Text && isHexRun(token.text)) {
            m_hexRun.append(token.text.data(), static_cast<qsizetype>(token.text.size()));
            continue;
        }
        if (!m_hexRun.isEmpty())
            flushHexRun();
        switch (token.type) {
        case RtfTokenizer::Type::GroupStart:
            groupStart();
            break;
        case RtfTokenizer::Type::GroupEnd:
            groupEnd();
            break;
        case RtfTokenizer::Type::ControlWord:
            controlWord(token);
            break;
        case RtfTokenizer::Type::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case RtfTokenizer::Type::Text:
            text(token.text);
            break;
        case RtfTokenizer::Type::HexByte:
            hexByte(token.symbol);
            break;
        case RtfTokenizer::Type::Binary:
        case RtfTokenizer::Type::End:
            if (m_skipFallback > 0)
                --m_skipFallback;
            break;
        }
        if (m_done)
            return;
    }
    // A truncated file: whatever was read so far is the document.
    if (!m_stack.empty()) {
        m_damaged = true;
        finish();
    }
}

void Reader::groupStart()
{
    m_skipFallback = 0;
    m_starred = false;
    if (m_stack.empty()) {
        m_stack.emplace_back();
        return;
    }
    if (m_stack.size() >= kMaxDepth) {
        ++m_overflow;
        return;
    }
    flushBytes();
    GroupState copy = state();
    m_stack.push_back(copy);
}

void Reader::groupEnd()
{
    m_skipFallback = 0;
    m_starred = false;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_stack.empty())
        return;
    flushBytes();
    if (m_stack.size() == 1) {
        finish();
        return;
    }
    const Destination ending = state().destination;
    const Destination outer = m_stack[m_stack.size() - 2].destination;
    if (ending == Destination::FontTable)
        m_fonts.commit();
    if (ending == Destination::FieldInstruction && outer != Destination::FieldInstruction)
        finishFieldInstruction();
    if (ending == Destination::Picture && outer != Destination::Picture)
        finishPicture();
    const GroupState& inner = state();
    const GroupState& around = m_stack[m_stack.size() - 2];
    if (inner.destination == Destination::Numbering && around.destination != Destination::Numbering) {
        if (m_numbering.kind == Numbering::None)
            m_numbering.kind = Numbering::Decimal;
        m_stack[m_stack.size() - 2].para.numbering = m_numbering;
    }
    if (inner.field && !around.field && !m_fieldSymbol.isNull()) {
        // A SYMBOL field written without its result: the reader shows the character itself.
        flushText();
        if (m_cursor.position() == m_fieldStart)
            m_cursor.insertText(QString(m_fieldSymbol), charFormat(around.ch));
        m_fieldSymbol = QChar();
    }
    if (inner.listText && !around.listText) {
        flushText();
        if (m_listTextStart >= 0)
            m_listTextEnd = m_cursor.position();
    }
    if (inner.note && !around.note) {
        // Back to the body, where the footnote's mark stands.
        flushText();
        m_cursor = m_bodyCursor;
        m_blockPending = m_bodyBlockPending;
    } else if (inner.aside && !around.aside && inner.destination == Destination::Normal && !inner.note) {
        flushText();
        if (!m_blockPending && !m_table && m_cursor.block().length() > 1)
            paragraphEnd();
    }
    m_stack.pop_back();
}

// True for a token to pass over: one inside a skipped destination, or one of the fallback
// tokens that stand after "\\u" for readers without Unicode.
bool Reader::isSkipped()
{
    if (state().destination == Destination::Skip)
        return true;
    if (m_skipFallback > 0 && state().destination == Destination::Normal) {
        --m_skipFallback;
        return true;
    }
    return false;
}

void Reader::controlWord(const RtfTokenizer::Token& token)
{
    GroupState& s = state();

    if (m_starred) {
        // "{\*\word": a destination a reader may skip when it does not know it. Pictures (offered
        // inside \shppict) and field instructions are read; anything else is skipped.
        m_starred = false;
        const std::string_view word = token.text;
        if (word != "shppict" && word != "fldinst" && word != "pict" && word != "shpinst" && word != "pn" &&
            word != "listtable" && word != "listoverridetable" && word != "nesttableprops") {
            s.destination = Destination::Skip;
            return;
        }
    }
    if (isSkipped())
        return;

    const WordTable* words = nullptr;
    switch (s.destination) {
    case Destination::Normal:
    case Destination::FieldInstruction:
        words = &documentWords();
        break;
    case Destination::FontTable:
        words = &fontTableWords();
        break;
    case Destination::ColorTable:
        words = &colorTableWords();
        break;
    case Destination::Picture:
        words = &pictureWords();
        break;
    case Destination::Numbering:
        words = &numberingWords();
        break;
    case Destination::ListTable:
        words = &listTableWords();
        break;
    case Destination::Skip:
        return;
    }
    const auto found = words->find(token.text);
    if (found != words->end())
        (this->*found->second)(token);
}

// The words of the text itself, and of field instructions inside it.
const Reader::WordTable& Reader::documentWords()
{
    static const WordTable table = {
        // Destinations and fields
        {"fonttbl", &Reader::startFontTable},
        {"colortbl", &Reader::startColorTable},
        {"pict", &Reader::startPicture},
        {"field", &Reader::startField},
        {"fldinst", &Reader::startFieldInstruction},
        {"fldrslt", &Reader::startFieldResult},
        // Groups that are not part of the text
        {"stylesheet", &Reader::skipDestination},
        {"info", &Reader::skipDestination},
        {"header", &Reader::startAside},
        {"headerl", &Reader::startAside},
        {"headerr", &Reader::startAside},
        {"headerf", &Reader::startAside},
        {"footer", &Reader::startAside},
        {"footerl", &Reader::startAside},
        {"footerr", &Reader::startAside},
        {"footerf", &Reader::startAside},
        {"footnote", &Reader::startNote},
        {"chftn", &Reader::noteMark},
        {"annotation", &Reader::skipDestination},
        {"object", &Reader::skipDestination},
        {"objdata", &Reader::skipDestination},
        {"pn", &Reader::startNumbering},
        {"pntext", &Reader::numberShown},
        {"listtext", &Reader::startListText},
        {"listtable", &Reader::startListTable},
        {"listoverridetable", &Reader::startOverrideTable},
        {"ls", &Reader::setListNumber},
        {"ilvl", &Reader::setListLevel},
        {"revtbl", &Reader::skipDestination},
        {"rsidtbl", &Reader::skipDestination},
        {"filetbl", &Reader::skipDestination},
        {"nonshppict", &Reader::skipDestination},
        {"shp", &Reader::readInPlace},
        {"shptxt", &Reader::startAside},
        {"sp", &Reader::skipDestination},
        {"shprslt", &Reader::skipDestination},
        {"nonesttables", &Reader::skipDestination},
        {"template", &Reader::skipDestination},
        {"xe", &Reader::skipDestination},
        {"tc", &Reader::skipDestination},
        {"txe", &Reader::skipDestination},
        // Document
        {"ansi", &Reader::setCodePage<1252>},
        {"mac", &Reader::setCodePage<10000>},
        {"pc", &Reader::setCodePage<437>},
        {"pca", &Reader::setCodePage<850>},
        {"ansicpg", &Reader::setAnsiCodePage},
        {"deff", &Reader::setDefaultFont},
        // Character formatting
        {"plain", &Reader::resetCharacter},
        {"b", &Reader::setCharFlag<&CharState::bold>},
        {"i", &Reader::setCharFlag<&CharState::italic>},
        {"strike", &Reader::setCharFlag<&CharState::strike>},
        {"striked", &Reader::setCharFlag<&CharState::strike>},
        // Every underline style shows as a plain underline.
        {"ul", &Reader::setCharFlag<&CharState::underline>},
        {"uld", &Reader::setCharFlag<&CharState::underline>},
        {"uldb", &Reader::setCharFlag<&CharState::underline>},
        {"ulw", &Reader::setCharFlag<&CharState::underline>},
        {"uldash", &Reader::setCharFlag<&CharState::underline>},
        {"uldashd", &Reader::setCharFlag<&CharState::underline>},
        {"uldashdd", &Reader::setCharFlag<&CharState::underline>},
        {"ulwave", &Reader::setCharFlag<&CharState::underline>},
        {"ulhwave", &Reader::setCharFlag<&CharState::underline>},
        {"ululdbwave", &Reader::setCharFlag<&CharState::underline>},
        {"ulth", &Reader::setCharFlag<&CharState::underline>},
        {"ulthd", &Reader::setCharFlag<&CharState::underline>},
        {"ulthdash", &Reader::setCharFlag<&CharState::underline>},
        {"ulthdashd", &Reader::setCharFlag<&CharState::underline>},
        {"ulthdashdd", &Reader::setCharFlag<&CharState::underline>},
        {"ulldash", &Reader::setCharFlag<&CharState::underline>},
        {"ulthldash", &Reader::setCharFlag<&CharState::underline>},
        {"ulnone", &Reader::noUnderline},
        {"f", &Reader::selectFont},
        {"fs", &Reader::setFontSize},
        {"cf", &Reader::setColor<&CharState::foreground>},
        {"highlight", &Reader::setColor<&CharState::background>},
        {"cb", &Reader::setColor<&CharState::background>},
        {"chcbpat", &Reader::setColor<&CharState::background>},
        {"super", &Reader::setVertical<1>},
        {"sub", &Reader::setVertical<-1>},
        {"nosupersub", &Reader::setVertical<0>},
        {"u", &Reader::unicodeCharacter},
        {"uc", &Reader::setUnicodeSkip},
        // Paragraph formatting and breaks
        {"pard", &Reader::resetParagraph},
        {"ql", &Reader::setAlignment<Qt::AlignLeft>},
        {"qc", &Reader::setAlignment<Qt::AlignHCenter>},
        {"qr", &Reader::setAlignment<Qt::AlignRight>},
        {"qj", &Reader::setAlignment<Qt::AlignJustify>},
        {"li", &Reader::setIndent<&ParaState::leftIndent>},
        {"lin", &Reader::setIndent<&ParaState::leftIndent>},
        {"ri", &Reader::setIndent<&ParaState::rightIndent>},
        {"rin", &Reader::setIndent<&ParaState::rightIndent>},
        {"fi", &Reader::setIndent<&ParaState::firstIndent>},
        {"sb", &Reader::setSpacing<&ParaState::spaceBefore>},
        {"sa", &Reader::setSpacing<&ParaState::spaceAfter>},
        {"par", &Reader::endParagraph},
        {"sect", &Reader::endParagraph},
        {"page", &Reader::endParagraph},
        {"line", &Reader::insertCharacter<QChar::LineSeparator>},
        // Special characters
        {"tab", &Reader::insertCharacter<u'\t'>},
        {"emdash", &Reader::insertCharacter<0x2014>},
        {"endash", &Reader::insertCharacter<0x2013>},
        {"bullet", &Reader::insertCharacter<0x2022>},
        {"lquote", &Reader::insertCharacter<0x2018>},
        {"rquote", &Reader::insertCharacter<0x2019>},
        {"ldblquote", &Reader::insertCharacter<0x201C>},
        {"rdblquote", &Reader::insertCharacter<0x201D>},
        {"emspace", &Reader::insertCharacter<0x2003>},
        {"enspace", &Reader::insertCharacter<0x2002>},
        // Tables
        {"intbl", &Reader::setInTable},
        {"trowd", &Reader::resetRow},
        {"clmgf", &Reader::setCellMerge<CellDefinition::MergeFirst>},
        {"clmrg", &Reader::setCellMerge<CellDefinition::MergeNext>},
        {"clvmgf", &Reader::setCellMerge<CellDefinition::MergeDownFirst>},
        {"clvmrg", &Reader::setCellMerge<CellDefinition::MergeDownNext>},
        {"nesttableprops", &Reader::startNestedRow},
        {"cellx", &Reader::addCellBoundary},
        {"cell", &Reader::endCell},
        {"row", &Reader::endRow},
        // Tables inside tables flatten into their cell: a tab between the inner cells, a line break
        // after each inner row.
        {"nestcell", &Reader::insertCharacter<u'\t'>},
        {"nestrow", &Reader::insertCharacter<QChar::LineSeparator>},
    };
    return table;
}

const Reader::WordTable& Reader::fontTableWords()
{
    static const WordTable table = {
        {"f", &Reader::defineFont},
        {"fcharset", &Reader::setFontCharset},
        {"u", &Reader::unicodeCharacter},
    };
    return table;
}

const Reader::WordTable& Reader::numberingWords()
{
    static const WordTable table = {
        {"pnlvlblt", &Reader::setNumberingKind<Numbering::Bullet>},
        {"pndec", &Reader::setNumberingKind<Numbering::Decimal>},
        {"pnucrm", &Reader::setNumberingKind<Numbering::Decimal>},
        {"pnlcrm", &Reader::setNumberingKind<Numbering::Decimal>},
        {"pnlcltr", &Reader::setNumberingKind<Numbering::LowerLetter>},
        {"pnucltr", &Reader::setNumberingKind<Numbering::UpperLetter>},
        {"pnstart", &Reader::setNumberingStart},
        {"pntxtb", &Reader::setNumberingText<1>},
        {"pntxta", &Reader::setNumberingText<2>},
    };
    return table;
}

const Reader::WordTable& Reader::listTableWords()
{
    static const WordTable table = {
        {"list", &Reader::startList},
        {"listlevel", &Reader::startLevel},
        {"levelnfc", &Reader::setLevelNumberFormat},
        {"leveltext", &Reader::startLevelText},
        {"listid", &Reader::setListId},
        {"listoverride", &Reader::startOverride},
        {"ls", &Reader::setOverrideNumber},
        {"listname", &Reader::skipDestination},
        {"levelnumbers", &Reader::skipDestination},
    };
    return table;
}

const Reader::WordTable& Reader::colorTableWords()
{
    static const WordTable table = {
        {"red", &Reader::setColorComponent<RtfColorTable::Red>},
        {"green", &Reader::setColorComponent<RtfColorTable::Green>},
        {"blue", &Reader::setColorComponent<RtfColorTable::Blue>},
    };
    return table;
}

const Reader::WordTable& Reader::pictureWords()
{
    static const WordTable table = {
        {"pngblip", &Reader::setPictureKind<RtfPicture::Png>},
        {"jpegblip", &Reader::setPictureKind<RtfPicture::Jpeg>},
        {"emfblip", &Reader::setPictureKind<RtfPicture::Other>},
        {"wmetafile", &Reader::setPictureKind<RtfPicture::Other>},
        {"macpict", &Reader::setPictureKind<RtfPicture::Other>},
        {"dibitmap", &Reader::setPictureKind<RtfPicture::Other>},
        {"wbitmap", &Reader::setPictureKind<RtfPicture::Other>},
        {"pmmetafile", &Reader::setPictureKind<RtfPicture::Other>},
        {"picw", &Reader::setPictureSize<&RtfPicture::width>},
        {"pich", &Reader::setPictureSize<&RtfPicture::height>},
        {"picwgoal", &Reader::setPictureGoalSize<&RtfPicture::goalWidth>},
        {"pichgoal", &Reader::setPictureGoalSize<&RtfPicture::goalHeight>},
        {"picscalex", &Reader::setPictureScale<&RtfPicture::scaleX>},
        {"picscaley", &Reader::setPictureScale<&RtfPicture::scaleY>},
    };
    return table;
}

void Reader::startFontTable(const Token&)
{
    state().destination = Destination::FontTable;
    m_fonts.start();
}

void Reader::startColorTable(const Token&)
{
    state().destination = Destination::ColorTable;
    m_colors.start();
}

void Reader::startPicture(const Token&)
{
    flushBytes();
    state().destination = Destination::Picture;
    m_picture = RtfPicture();
}

void Reader::startFieldInstruction(const Token&)
{
    state().destination = Destination::FieldInstruction;
    m_fieldInstruction.clear();
}

void Reader::startNumbering(const Token&)
{
    if (state().destination != Destination::Normal) {
        state().destination = Destination::Skip;
        return;
    }
    state().destination = Destination::Numbering;
    m_numbering = Numbering();
}

void Reader::showNumber()
{
    const Numbering& n = state().para.numbering;
    m_numberShown = true;
    if (n.kind == Numbering::None)
        return;
    m_number = m_lastNumbered == n.kind ? m_number + 1 : n.start;
    m_lastNumbered = n.kind;
    QString label;
    switch (n.kind) {
    case Numbering::Bullet:
        label = QString(QChar(0x2022));
        break;
    case Numbering::LowerLetter:
    case Numbering::UpperLetter:
        label = n.before + QChar((n.kind == Numbering::LowerLetter ? u'a' : u'A') + (std::max(1, m_number) - 1) % 26) +
                n.after;
        break;
    default:
        label = n.before + QString::number(m_number) + n.after;
        break;
    }
    m_cursor.insertText(label + QLatin1Char('\t'), charFormat(state().ch));
}

void Reader::startField(const Token&)
{
    m_fieldHref.clear();
    m_fieldSymbol = QChar();
    if (state().destination != Destination::Normal || state().field)
        return;
    flushText();
    m_fieldStart = m_cursor.position();
    state().field = true;
}

void Reader::startFieldResult(const Token&)
{
    if (!m_fieldHref.isEmpty()) {
        m_links.push_back(m_fieldHref);
        state().ch.link = static_cast<int>(m_links.size()) - 1;
    }
}

void Reader::resetCharacter(const Token&)
{
    // A link belongs to the field result around the text, not to its character formatting.
    CharState& ch = state().ch;
    const int link = ch.link;
    ch = CharState();
    ch.link = link;
}

void Reader::selectFont(const Token& word)
{
    flushBytes();
    state().ch.font = word.parameter;
}

void Reader::setFontSize(const Token& word)
{
    const int param = word.parameter;
    state().ch.halfPoints = word.hasParameter && param > 0 ? std::clamp(param, 2, kMaxHalfPoints) : kDefaultHalfPoints;
}

void Reader::unicodeCharacter(const Token& word)
{
    GroupState& s = state();
    int code = word.parameter;
    if (code < 0)
        code += 65536;
    if (code >= 0 && code <= 0xFFFF) {
        if (s.destination == Destination::FontTable) {
            m_fonts.appendName(QString(QChar(code)).toUtf8());
        } else if (s.destination == Destination::Normal) {
            appendChar(QChar(static_cast<char16_t>(code)));
        } else if (s.destination == Destination::FieldInstruction) {
            m_fieldInstruction.append(QChar(static_cast<char16_t>(code)));
        } else if (s.destination == Destination::ListTable && s.levelText) {
            m_lists.appendLevelText(QChar(static_cast<char16_t>(code)));
        }
    }
    m_skipFallback = s.unicodeSkip;
}

// Paragraphs, cells and rows end only in the text itself, not in a field instruction.
void Reader::endParagraph(const Token&)
{
    if (state().destination == Destination::Normal)
        paragraphEnd();
}

void Reader::resetRow(const Token&)
{
    if (state().nestedRow)
        return;
    m_cells.clear();
    m_nextCellMerge = 0;
    m_layoutStale = true;
}

void Reader::addCellBoundary(const Token& word)
{
    if (state().nestedRow)
        return;
    if (m_cells.size() < static_cast<std::size_t>(kMaxTableColumns))
        m_cells.push_back({std::clamp(word.parameter, 0, kMaxTwips * 4), m_nextCellMerge});
    m_nextCellMerge = 0;
    m_layoutStale = true;
}

void Reader::endCell(const Token&)
{
    if (state().destination == Destination::Normal)
        cellEnd();
}

void Reader::endRow(const Token&)
{
    if (state().destination == Destination::Normal && !state().nestedRow)
        rowEnd();
}

void Reader::defineFont(const Token& word)
{
    m_fonts.define(word.parameter);
}

void Reader::controlSymbol(unsigned char symbol)
{
    GroupState& s = state();
    if (symbol == '*') {
        m_starred = true;
        return;
    }
    if (isSkipped())
        return;
    switch (symbol) {
    case '~':
        appendChar(QChar(0x00A0));
        break;
    case '-':
        appendChar(QChar(0x00AD));
        break;
    case '_':
        appendChar(QChar(0x2011));
        break;
    case '\n':
        if (s.destination == Destination::Normal)
            paragraphEnd();
        break;
    default:
        break;
    }
}

void Reader::text(std::string_view bytes)
{
    m_starred = false;
    switch (state().destination) {
    case Destination::Normal:
        appendBytes(bytes);
        break;
    case Destination::Skip:
        break;
    default:
        destinationText(bytes);
        break;
    }
}

bool Reader::isHexRun(std::string_view bytes)
{
    if (state().destination != Destination::Normal || m_skipFallback > 0)
        return false;
    if (bytes.size() < 32 && m_hexRun.isEmpty())
        return false;
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return RtfTokenizer::hexValue(c) >= 0; });
}

// Hex of 256 digits or more is never prose: the file is damaged and the digits are left out.
// Shorter runs (a checksum, a key's fingerprint) are text like any other.
void Reader::flushHexRun()
{
    constexpr qsizetype kLongestHexText = 256;
    const QByteArray run = std::exchange(m_hexRun, QByteArray());
    if (run.size() >= kLongestHexText)
        m_damaged = true;
    else
        text(std::string_view(run.constData(), static_cast<std::size_t>(run.size())));
}

void Reader::hexByte(unsigned char byte)
{
    const char c = static_cast<char>(byte);
    const Destination destination = state().destination;
    if (destination == Destination::Normal) {
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        const int codePage = codePageOfCurrentFont();
        if (!m_bytes.isEmpty() && (codePage != m_bytesCodePage || m_textState != state().ch))
            flushBytes();
        if (m_bytes.isEmpty())
            beforeText();
        m_bytesCodePage = codePage;
        m_bytes.append(c);
    } else if (destination == Destination::ListTable) {
        if (m_skipFallback > 0)
            --m_skipFallback;
        else if (state().levelText)
            m_lists.appendLevelText(QChar(byte));
    } else if (destination == Destination::FontTable || destination == Destination::FieldInstruction) {
        // Names and instructions are short; the document code page is good enough for them.
        QString decoded;
        m_codePages.decode(QByteArray(1, c), m_codePage, &decoded);
        if (destination == Destination::FontTable)
            m_fonts.appendName(decoded.toUtf8());
        else
            m_fieldInstruction.append(decoded);
    }
}

void Reader::destinationText(std::string_view bytes)
{
    switch (state().destination) {
    case Destination::FontTable:
        for (char c : bytes) {
            if (c == ';')
                m_fonts.commit();
            else
                m_fonts.appendName(c);
        }
        break;
    case Destination::ColorTable:
        for (char c : bytes) {
            if (c == ';')
                m_colors.commit();
        }
        break;
    case Destination::Picture:
        m_picture.appendHex(bytes);
        break;
    case Destination::FieldInstruction:
        m_fieldInstruction.append(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
        break;
    case Destination::ListTable:
        if (state().levelText) {
            for (char c : bytes) {
                if (m_skipFallback > 0)
                    --m_skipFallback;
                else
                    m_lists.appendLevelText(QLatin1Char(c));
            }
        }
        break;
    case Destination::Numbering:
        if (state().numberingText == 1)
            m_numbering.before += QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        else if (state().numberingText == 2)
            m_numbering.after += QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        break;
    default:
        break;
    }
}

void Reader::appendBytes(std::string_view bytes)
{
    std::size_t i = 0;
    if (m_skipFallback > 0) {
        const std::size_t skipped = std::min<std::size_t>(static_cast<std::size_t>(m_skipFallback), bytes.size());
        m_skipFallback -= static_cast<int>(skipped);
        i = skipped;
    }
    while (i < bytes.size()) {
        std::size_t end = i;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80)
            ++end;
        if (end > i) {
            flushBytes();
            beforeText();
            m_text.append(QLatin1String(bytes.data() + i, static_cast<qsizetype>(end - i)));
            i = end;
        }
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80)
            hexByte(static_cast<unsigned char>(bytes[i++]));
    }
}

void Reader::appendChar(QChar ch)
{
    if (state().destination != Destination::Normal)
        return;
    flushBytes();
    beforeText();
    m_text.append(ch);
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const RtfFontTable::Font* font = fontEntry(m_textState.font);
    if (font && font->symbol) {
        // Symbol-font bullets as written by word processors for list marks.
        for (char c : std::as_const(m_bytes))
            m_text.append(static_cast<unsigned char>(c) == 0xB7 ? QChar(0x2022) : QChar(static_cast<unsigned char>(c)));
    } else {
        m_codePages.decode(m_bytes, m_bytesCodePage, &m_text);
    }
    m_bytes.clear();
}

// Called before characters join the pending text: sets up the paragraph or table cell
// they belong to, and starts a new run when the character formatting changed.
void Reader::beforeText()
{
    const bool contextChanges =
        m_blockPending || m_rowPending || m_cellPending || (state().para.inTable != (m_table != nullptr));
    if (contextChanges) {
        flushText();
        prepareForContent();
    }
    if (state().listText && m_listTextStart < 0)
        m_listTextStart = m_cursor.position() + static_cast<int>(m_text.size());
    if (!m_text.isEmpty() && m_textState != state().ch)
        flushText();
    // An old-style numbered paragraph without its number written out gets it here.
    // An item of a list the file defines has its mark drawn by the list instead.
    const ParaState& para = state().para;
    if (para.numbering.kind != Numbering::None && !m_numberShown && state().destination == Destination::Normal &&
        m_text.isEmpty() && m_cursor.block().length() <= 1 &&
        !(para.list > 0 && m_lists.style(para.list, para.listLevel)))
        showNumber();
    m_textState = state().ch;
}

void Reader::flushText()
{
    if (!m_bytes.isEmpty()) {
        // flushBytes appends to m_text and calls nothing else.
        flushBytes();
    }
    if (m_text.isEmpty())
        return;
    m_cursor.insertText(m_text, charFormat(m_textState));
    m_text.clear();
}

void Reader::prepareForContent(bool forceTable)
{
    const bool wantTable = forceTable || state().para.inTable;
    if (wantTable) {
        if (!m_table) {
            startTable();
        } else if (m_rowPending) {
            if (m_row + 1 >= m_tableRows) {
                const int added = std::max(1, std::min(m_tableRows, 4096));
                m_table->appendRows(added);
                m_tableRows += added;
            }
            ++m_row;
            m_cellIndex = 0;
            m_rowPending = false;
            m_rowMerged = false;
            m_cellPending = false;
            fitGridToRow();
            moveToCell();
        }
        if (m_cellPending) {
            m_cellPending = false;
            moveToCell();
        }
    } else if (m_table) {
        endTable();
    }
    if (m_blockPending) {
        m_cursor.insertBlock();
        m_blockPending = false;
    }
}

void Reader::startTable()
{
    m_grid.clear();
    for (const CellDefinition& cell : m_cells) {
        if (m_grid.empty() || cell.right > m_grid.back() + kEdgeTolerance)
            m_grid.push_back(cell.right);
    }
    const int columns = std::max<int>(1, static_cast<int>(m_grid.size()));
    QTextTableFormat format;
    format.setBorder(1);
    format.setCellSpacing(0);
    format.setCellPadding(2);
    format.setBorderCollapse(true);
    if (!m_grid.empty())
        format.setColumnWidthConstraints(columnWidths(m_grid));
    // The table follows the current paragraph; a paragraph still to be opened is not needed.
    m_blockPending = false;
    m_table = m_cursor.insertTable(1, columns, format);
    m_tableRows = 1;
    m_tableColumns = columns;
    m_mergeDown.assign(columns, -1);
    m_spans.clear();
    m_layoutStale = true;
    m_row = 0;
    m_cellIndex = 0;
    m_rowPending = false;
    m_rowMerged = false;
    m_cellPending = false;
}

void Reader::endTable()
{
    finishTable();
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
    m_blockPending = false;
    m_rowPending = false;
    m_cellPending = false;
}

std::vector<std::pair<int, int>> Reader::rowLayout() const
{
    std::vector<std::pair<int, int>> layout;
    layout.reserve(m_cells.size());
    int column = 0;
    const int columns = static_cast<int>(m_grid.size());
    for (const CellDefinition& cell : m_cells) {
        int end = column + 1;
        while (end < columns && m_grid[end - 1] < cell.right - kEdgeTolerance)
            ++end;
        layout.emplace_back(column, end);
        column = end;
    }
    return layout;
}

// A row with a cell edge the table's columns do not have gets a column of its own there; the
// cells of the rows before that spanned the place are widened over it, so they stay whole.
void Reader::fitGridToRow()
{
    bool changed = false;
    for (const CellDefinition& cell : m_cells) {
        if (m_tableColumns >= kMaxTableColumns || m_grid.empty())
            break;
        const auto at = std::lower_bound(m_grid.begin(), m_grid.end(), cell.right - kEdgeTolerance);
        if (at != m_grid.end() && *at <= cell.right + kEdgeTolerance)
            continue;
        const int column = static_cast<int>(at - m_grid.begin());
        changed = true;
        if (at == m_grid.end()) {
            m_grid.push_back(cell.right);
            m_table->appendColumns(1);
            ++m_tableColumns;
            m_mergeDown.push_back(-1);
            continue;
        }
        // The new column is the right part of the column split; the cells ending at the split
        // column take it in, keeping their text where it is.
        m_grid.insert(at, cell.right);
        m_table->insertColumns(column + 1, 1);
        ++m_tableColumns;
        m_mergeDown.insert(m_mergeDown.begin() + column + 1, -1);
        std::vector<bool> spanned(m_row, false);
        for (Span& span : m_spans) {
            if (span.column > column) {
                ++span.column;
            } else if (span.column + span.columns > column) {
                ++span.columns;
                for (int row = span.row; row < std::min(m_row, span.row + span.rows); ++row)
                    spanned[row] = true;
            }
        }
        for (int row = 0; row < m_row; ++row) {
            if (!spanned[row])
                m_spans.push_back({row, column, 1, 2});
        }
    }
    if (!changed)
        return;
    QTextTableFormat format = m_table->format();
    format.setColumnWidthConstraints(columnWidths(m_grid));
    m_table->setFormat(format);
    m_layoutStale = true;
}

void Reader::moveToCell()
{
    if (m_layoutStale) {
        m_layout = rowLayout();
        m_layoutStale = false;
    }
    const int defined = static_cast<int>(m_layout.size());
    int column = m_cellIndex < defined ? m_layout[m_cellIndex].first
                                       : (m_layout.empty() ? 0 : m_layout.back().second) + m_cellIndex - defined;
    if (column >= m_tableColumns) {
        if (m_tableColumns >= kMaxTableColumns) {
            column = m_tableColumns - 1;
        } else {
            // Cells beyond the row's edges: the columns added for them get an inch each, so
            // that the edges stay one a column.
            m_table->appendColumns(column - m_tableColumns + 1);
            m_mergeDown.resize(column + 1, -1);
            m_tableColumns = column + 1;
            while (!m_grid.empty() && static_cast<int>(m_grid.size()) < m_tableColumns)
                m_grid.push_back(m_grid.back() + kExtraColumnTwips);
        }
    }
    m_cursor = m_table->cellAt(m_row, column).lastCursorPosition();
    m_blockPending = false;
}

// At the row's end its cells are merged as its definition says: a cell wider than one column
// spans them, \clmrg cells join the cell before, and \clvmrg cells the cell above.
void Reader::mergeRowCells()
{
    if (m_rowMerged)
        return;
    m_rowMerged = true;
    if (m_layoutStale) {
        m_layout = rowLayout();
        m_layoutStale = false;
    }
    for (std::size_t k = 0; k < m_layout.size();) {
        const int start = m_layout[k].first;
        int end = m_layout[k].second;
        const int merge = m_cells[k].merge;
        std::size_t next = k + 1;
        while (next < m_layout.size() && (m_cells[next].merge & CellDefinition::MergeNext))
            end = m_layout[next++].second;
        k = next;
        end = std::min(end, m_tableColumns);
        if (start >= end)
            break;
        if (end - start > 1)
            m_spans.push_back({m_row, start, 1, end - start});
        int& down = m_mergeDown[start];
        if ((merge & CellDefinition::MergeDownNext) && down >= 0) {
            Span& span = m_spans[down];
            span.rows = m_row - span.row + 1;
            span.columns = std::max(span.columns, end - start);
        } else if (merge & CellDefinition::MergeDownFirst) {
            down = static_cast<int>(m_spans.size());
            m_spans.push_back({m_row, start, 1, end - start});
        } else {
            down = -1;
        }
    }
}

// The table's end: the rows added ahead that stayed empty go, then the cells are merged. A span
// that would cut through a cell merged before (a damaged file's) is left out.
void Reader::finishTable()
{
    if (m_tableRows > m_row + 1)
        m_table->removeRows(m_row + 1, m_tableRows - m_row - 1);
    m_tableRows = m_row + 1;
    for (const Span& span : m_spans) {
        const int lastRow = std::min(span.row + span.rows, m_tableRows) - 1;
        const int lastColumn = std::min(span.column + span.columns, m_tableColumns) - 1;
        if (lastRow < span.row || lastColumn < span.column || (lastRow == span.row && lastColumn == span.column))
            continue;
        // Only the cells on the span's edges can reach out of it.
        auto inside = [&](int row, int column) {
            const QTextTableCell cell = m_table->cellAt(row, column);
            return cell.row() >= span.row && cell.row() + cell.rowSpan() - 1 <= lastRow &&
                   cell.column() >= span.column && cell.column() + cell.columnSpan() - 1 <= lastColumn;
        };
        bool whole = true;
        for (int row = span.row; row <= lastRow && whole; ++row)
            whole = inside(row, span.column) && inside(row, lastColumn);
        for (int column = span.column; column <= lastColumn && whole; ++column)
            whole = inside(span.row, column) && inside(lastRow, column);
        if (whole)
            m_table->mergeCells(span.row, span.column, lastRow - span.row + 1, lastColumn - span.column + 1);
    }
    m_spans.clear();
}

void Reader::paragraphEnd()
{
    flushText();
    prepareForContent();
    applyBlockFormat();
    m_blockPending = true;
    // A paragraph without numbering ends the count.
    if (state().para.numbering.kind == Numbering::None)
        m_lastNumbered = Numbering::None;
    m_numberShown = false;
}

void Reader::cellEnd()
{
    flushText();
    prepareForContent(true);
    applyBlockFormat();
    ++m_cellIndex;
    m_cellPending = true;
    m_blockPending = false;
}

void Reader::rowEnd()
{
    flushText();
    if (!m_table)
        return;
    mergeRowCells();
    m_rowPending = true;
    m_cellPending = false;
    m_blockPending = false;
}

void Reader::applyBlockFormat()
{
    const ParaState& p = state().para;
    const bool listItem = p.list > 0 && m_lists.style(p.list, p.listLevel).has_value();
    QTextBlockFormat format;
    if (p.alignment != Qt::AlignLeft)
        format.setAlignment(p.alignment);
    // A list draws its items' marks in an indent of its own, which the item's indent includes.
    const int listIndentTwips = listItem ? static_cast<int>((p.listLevel + 1) * kListIndentPixels * kTwipsPerPixel) : 0;
    if (const int left = listItem ? std::max(0, p.leftIndent - listIndentTwips) : p.leftIndent)
        format.setLeftMargin(left / kTwipsPerPixel);
    if (p.rightIndent)
        format.setRightMargin(p.rightIndent / kTwipsPerPixel);
    if (p.firstIndent && !listItem)
        format.setTextIndent(p.firstIndent / kTwipsPerPixel);
    // A hanging first line ("bullet, tab, text") tabs to the indent, as word processors do,
    // rather than to the next default stop far to the right. Qt measures tab stops from the
    // start of the line, which the hanging indent has moved left.
    if (p.firstIndent < 0 && p.leftIndent > 0 && !listItem)
        format.setTabPositions({QTextOption::Tab(-p.firstIndent / kTwipsPerPixel, QTextOption::LeftTab)});
    if (p.spaceBefore)
        format.setTopMargin(p.spaceBefore / kTwipsPerPixel);
    if (p.spaceAfter)
        format.setBottomMargin(p.spaceAfter / kTwipsPerPixel);
    m_cursor.setBlockFormat(format);
    if (listItem)
        applyList(p);
    m_listTextStart = m_listTextEnd = -1;
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(charFormat(state().ch));
}

// The paragraph joins its list; the mark its \listtext wrote out is dropped, since the list
// draws its own.
void Reader::applyList(const ParaState& p)
{
    QTextBlock block = m_cursor.block();
    if (m_listTextStart >= block.position() && m_listTextEnd > m_listTextStart &&
        m_listTextEnd <= block.position() + block.length() - 1) {
        QTextCursor mark(m_cursor);
        mark.setPosition(m_listTextStart);
        mark.setPosition(m_listTextEnd, QTextCursor::KeepAnchor);
        mark.removeSelectedText();
        block = m_cursor.block();
    }
    // The list draws the item's mark in the paragraph's own format, which a new paragraph took
    // over from the one before: the mark is given the format of the item's first characters.
    if (!block.begin().atEnd())
        m_cursor.setBlockCharFormat(block.begin().fragment().charFormat());
    // An item ends the lists of the levels below it: a deeper item after it starts counting anew.
    const int key = p.list * 16 + p.listLevel;
    for (int deeper = p.listLevel + 1; deeper < 9; ++deeper)
        m_madeLists.remove(p.list * 16 + deeper);
    QPointer<QTextList>& list = m_madeLists[key];
    if (list) {
        list->add(m_cursor.block());
        return;
    }
    QTextListFormat format;
    format.setStyle(*m_lists.style(p.list, p.listLevel));
    format.setIndent(p.listLevel + 1);
    list = m_cursor.createList(format);
}

void Reader::startListTable(const Token&)
{
    state().destination = Destination::ListTable;
    m_lists.setInOverrideTable(false);
}

void Reader::startOverrideTable(const Token&)
{
    state().destination = Destination::ListTable;
    m_lists.setInOverrideTable(true);
}

void Reader::startListText(const Token& word)
{
    numberShown(word);
    flushText();
    state().listText = true;
    m_listTextStart = m_listTextEnd = -1;
}

void Reader::finish()
{
    if (m_done)
        return;
    m_done = true;
    if (!m_hexRun.isEmpty())
        flushHexRun();
    flushText();
    if (m_stack.size() > 1 && state().note) {
        // A file cut off inside a footnote.
        m_cursor = m_bodyCursor;
        m_blockPending = m_bodyBlockPending;
    }
    if (m_table)
        finishTable();
    // The last paragraph needs no \par to take its paragraph formatting.
    if (!m_blockPending && !m_table && m_cursor.block().length() > 1)
        applyBlockFormat();
    if (m_notes) {
        QTextCursor end(m_document);
        end.movePosition(QTextCursor::End);
        if (end.block().length() > 1 || end.currentTable())
            end.insertBlock(QTextBlockFormat(), QTextCharFormat());
        QTextCharFormat heading;
        heading.setFontWeight(QFont::Bold);
        end.insertText(QStringLiteral("Notes"), heading);
        end.insertBlock(QTextBlockFormat(), QTextCharFormat());
        end.insertFragment(QTextDocumentFragment(m_notes.get()));
    }
}

void Reader::startNote(const Token&)
{
    if (state().note || state().destination != Destination::Normal) {
        state().destination = Destination::Skip;
        return;
    }
    flushText();
    m_bodyCursor = m_cursor;
    m_bodyBlockPending = m_blockPending;
    if (!m_notes) {
        m_notes = std::make_unique<QTextDocument>();
        m_notes->setDefaultFont(m_document->defaultFont());
    }
    m_cursor = QTextCursor(m_notes.get());
    m_cursor.movePosition(QTextCursor::End);
    if (m_noteCount > 0)
        m_cursor.insertBlock();
    m_cursor.insertText(QStringLiteral("[%1] ").arg(++m_noteCount));
    m_blockPending = false;
    state().note = true;
}

void Reader::noteMark(const Token&)
{
    // Inside the footnote its number was written already; in the body it marks the next one.
    if (state().note || state().destination != Destination::Normal)
        return;
    for (QChar c : QStringLiteral("[%1]").arg(m_noteCount + 1))
        appendChar(c);
}

void Reader::finishFieldInstruction()
{
    static const QRegularExpression hyperlink(QStringLiteral("^\\s*HYPERLINK\\s+\"([^\"]*)\""));
    const QRegularExpressionMatch match = hyperlink.match(m_fieldInstruction);
    m_fieldHref = match.hasMatch() ? match.captured(1) : QString();
    static const QRegularExpression symbol(QStringLiteral("^\\s*SYMBOL\\s+(\\d+)(?:.*\\\\f\\s+\"?([^\"\\\\]*))?"));
    const QRegularExpressionMatch symbolMatch = symbol.match(m_fieldInstruction);
    if (symbolMatch.hasMatch())
        m_fieldSymbol = symbolCharacter(symbolMatch.captured(1).toInt(), symbolMatch.captured(2).trimmed());
    m_fieldInstruction.clear();
}

void Reader::finishPicture()
{
    QSizeF size;
    const QImage image = m_picture.takeImage(&size);
    if (image.isNull())
        return;
    const QString name = QStringLiteral("rtfimage%1").arg(++m_imageCount);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), QVariant(image));

    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());

    // The picture's own group is about to close; it sits in the text of the enclosing one.
    beforeText();
    flushText();
    m_cursor.insertImage(format);
}

const RtfFontTable::Font* Reader::fontEntry(int number) const
{
    return m_fonts.font(number, m_defaultFont);
}

int Reader::codePageOfCurrentFont() const
{
    const RtfFontTable::Font* font = fontEntry(m_stack.back().ch.font);
    if (font && font->codePage > 0)
        return font->codePage;
    return m_codePage;
}

const QTextCharFormat& Reader::charFormat(const CharState& ch)
{
    // Runs mostly go back to the format of the run before the last, so the last two are kept.
    for (const auto& [state, format] : m_recentFormats) {
        if (state == ch)
            return format;
    }
    std::swap(m_recentFormats[0], m_recentFormats[1]);
    auto& recent = m_recentFormats[0];
    recent.first = ch;
    const auto cached = m_formats.constFind(ch);
    if (cached != m_formats.constEnd()) {
        recent.second = cached.value();
        return recent.second;
    }
    QTextCharFormat format;
    if (const RtfFontTable::Font* font = fontEntry(ch.font))
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(ch.halfPoints / 2.0);
    format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(ch.italic);
    format.setFontUnderline(ch.underline);
    format.setFontStrikeOut(ch.strike);
    if (const QColor foreground = m_colors.color(ch.foreground); foreground.isValid())
        format.setForeground(foreground);
    if (const QColor background = m_colors.color(ch.background); background.isValid())
        format.setBackground(background);
    if (ch.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (ch.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (ch.link >= 0 && static_cast<std::size_t>(ch.link) < m_links.size()) {
        format.setAnchor(true);
        format.setAnchorHref(m_links[ch.link]);
    }
    if (m_formats.size() >= kFormatCacheSize)
        m_formats.clear();
    m_formats.insert(ch, format);
    recent.second = format;
    return recent.second;
}

bool looksLikeRtf(const QByteArray& rtf)
{
    qsizetype start = 0;
    if (rtf.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < rtf.size() && (rtf[start] == ' ' || rtf[start] == '\t' || rtf[start] == '\r' || rtf[start] == '\n'))
        ++start;
    return rtf.mid(start, 5) == "{\\rtf";
}

// RTF without its "{\rtf" head, as a program copies a piece of a document: it starts with a
// control word ("\pard") or a group that opens with one ("{\b"). Plain text seldom does.
bool looksLikeFragment(const QByteArray& rtf)
{
    const QByteArray start = rtf.trimmed().left(3);
    const auto word = [](const QByteArray& s, int at) {
        return s.size() > at + 1 && s[at] == '\\' && std::isalpha(static_cast<unsigned char>(s[at + 1]));
    };
    return word(start, 0) || (start.startsWith('{') && word(start, 1));
}

} // namespace

namespace RtfReader {

bool read(const QByteArray& rtf, QTextDocument* document, QString* error, bool* damaged)
{
    if (!looksLikeRtf(rtf) && looksLikeFragment(rtf))
        return read("{\\rtf1\\ansi " + rtf + "}", document, error, damaged);
    if (!looksLikeRtf(rtf)) {
        if (error)
            *error = QStringLiteral("The file is not a rich-text (RTF) document.");
        return false;
    }
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    {
        Reader reader(rtf, document);
        QTextCursor batch(document);
        batch.beginEditBlock();
        reader.run();
        batch.endEditBlock();
        if (damaged)
            *damaged = reader.isDamaged();
    }
    document->setUndoRedoEnabled(undo);
    document->setModified(false);
    return true;
}

} // namespace RtfReader

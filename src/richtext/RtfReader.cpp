// RTF reader: a stack of character and paragraph states pushed at '{' and popped at '}',
// control words dispatched through one table, text inserted through a QTextCursor.
#include "richtext/RtfReader.h"

#include "base/HINFO1.h"
#include "richtext/RtfCodePages.h"
#include "richtext/RtfTokenizer.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
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
constexpr double kTwipsPerPixel = HINFO1::kTwipsPerPixel;
// Distinct character formats kept for reuse; a document rarely has more than a few hundred.
constexpr qsizetype kFormatCacheSize = 4096;

enum class Destination
{
    Normal,
    Skip,
    FontTable,
    ColorTable,
    Picture,
    FieldInstruction,
};

enum class Word
{
    Unknown,
    // Destinations
    Rtf,
    FontTable,
    ColorTable,
    SkippedDestination,
    Picture,
    FieldInstruction,
    FieldResult,
    Field,
    ShapePicture,
    // Document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    FontCharset,
    Red,
    Green,
    Blue,
    // Character
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Font,
    FontSize,
    Foreground,
    Background,
    Super,
    Sub,
    NoSuperSub,
    Unicode,
    UnicodeSkip,
    // Paragraph
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    Par,
    Line,
    Tab,
    // Special characters
    EmDash,
    EnDash,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EmSpace,
    EnSpace,
    // Tables
    InTable,
    RowDefaults,
    CellX,
    Cell,
    Row,
    NestedCell,
    NestedRow,
    // Pictures
    PngBlip,
    JpegBlip,
    OtherBlip,
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
};

const std::unordered_map<std::string_view, Word>& wordTable()
{
    static const std::unordered_map<std::string_view, Word> table = {
        {"rtf", Word::Rtf},
        {"fonttbl", Word::FontTable},
        {"colortbl", Word::ColorTable},
        {"stylesheet", Word::SkippedDestination},
        {"info", Word::SkippedDestination},
        {"header", Word::SkippedDestination},
        {"headerl", Word::SkippedDestination},
        {"headerr", Word::SkippedDestination},
        {"headerf", Word::SkippedDestination},
        {"footer", Word::SkippedDestination},
        {"footerl", Word::SkippedDestination},
        {"footerr", Word::SkippedDestination},
        {"footerf", Word::SkippedDestination},
        {"footnote", Word::SkippedDestination},
        {"annotation", Word::SkippedDestination},
        {"object", Word::SkippedDestination},
        {"objdata", Word::SkippedDestination},
        {"pn", Word::SkippedDestination},
        {"listtable", Word::SkippedDestination},
        {"listoverridetable", Word::SkippedDestination},
        {"revtbl", Word::SkippedDestination},
        {"rsidtbl", Word::SkippedDestination},
        {"filetbl", Word::SkippedDestination},
        {"nonshppict", Word::SkippedDestination},
        {"shp", Word::SkippedDestination},
        {"template", Word::SkippedDestination},
        {"xe", Word::SkippedDestination},
        {"tc", Word::SkippedDestination},
        {"txe", Word::SkippedDestination},
        {"pict", Word::Picture},
        {"fldinst", Word::FieldInstruction},
        {"fldrslt", Word::FieldResult},
        {"field", Word::Field},
        {"shppict", Word::ShapePicture},
        {"ansi", Word::Ansi},
        {"mac", Word::Mac},
        {"pc", Word::Pc},
        {"pca", Word::Pca},
        {"ansicpg", Word::AnsiCodePage},
        {"deff", Word::DefaultFont},
        {"fcharset", Word::FontCharset},
        {"red", Word::Red},
        {"green", Word::Green},
        {"blue", Word::Blue},
        {"plain", Word::Plain},
        {"b", Word::Bold},
        {"i", Word::Italic},
        {"ul", Word::Underline},
        {"uld", Word::Underline},
        {"uldb", Word::Underline},
        {"ulw", Word::Underline},
        {"uldash", Word::Underline},
        {"uldashd", Word::Underline},
        {"uldashdd", Word::Underline},
        {"ulwave", Word::Underline},
        {"ulhwave", Word::Underline},
        {"ululdbwave", Word::Underline},
        {"ulth", Word::Underline},
        {"ulthd", Word::Underline},
        {"ulthdash", Word::Underline},
        {"ulthdashd", Word::Underline},
        {"ulthdashdd", Word::Underline},
        {"ulldash", Word::Underline},
        {"ulthldash", Word::Underline},
        {"ulnone", Word::UnderlineNone},
        {"strike", Word::Strike},
        {"striked", Word::Strike},
        {"f", Word::Font},
        {"fs", Word::FontSize},
        {"cf", Word::Foreground},
        {"highlight", Word::Background},
        {"cb", Word::Background},
        {"chcbpat", Word::Background},
        {"super", Word::Super},
        {"sub", Word::Sub},
        {"nosupersub", Word::NoSuperSub},
        {"u", Word::Unicode},
        {"uc", Word::UnicodeSkip},
        {"pard", Word::Pard},
        {"ql", Word::AlignLeft},
        {"qc", Word::AlignCenter},
        {"qr", Word::AlignRight},
        {"qj", Word::AlignJustify},
        {"li", Word::LeftIndent},
        {"lin", Word::LeftIndent},
        {"ri", Word::RightIndent},
        {"rin", Word::RightIndent},
        {"fi", Word::FirstIndent},
        {"sb", Word::SpaceBefore},
        {"sa", Word::SpaceAfter},
        {"par", Word::Par},
        {"sect", Word::Par},
        {"page", Word::Par},
        {"line", Word::Line},
        {"tab", Word::Tab},
        {"emdash", Word::EmDash},
        {"endash", Word::EnDash},
        {"bullet", Word::Bullet},
        {"lquote", Word::LeftQuote},
        {"rquote", Word::RightQuote},
        {"ldblquote", Word::LeftDoubleQuote},
        {"rdblquote", Word::RightDoubleQuote},
        {"emspace", Word::EmSpace},
        {"enspace", Word::EnSpace},
        {"intbl", Word::InTable},
        {"trowd", Word::RowDefaults},
        {"cellx", Word::CellX},
        {"cell", Word::Cell},
        {"row", Word::Row},
        {"nestcell", Word::NestedCell},
        {"nestrow", Word::NestedRow},
        {"pngblip", Word::PngBlip},
        {"jpegblip", Word::JpegBlip},
        {"emfblip", Word::OtherBlip},
        {"wmetafile", Word::OtherBlip},
        {"macpict", Word::OtherBlip},
        {"dibitmap", Word::OtherBlip},
        {"wbitmap", Word::OtherBlip},
        {"pmmetafile", Word::OtherBlip},
        {"picw", Word::PictureWidth},
        {"pich", Word::PictureHeight},
        {"picwgoal", Word::PictureGoalWidth},
        {"pichgoal", Word::PictureGoalHeight},
        {"picscalex", Word::PictureScaleX},
        {"picscaley", Word::PictureScaleY},
    };
    return table;
}

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
};

struct GroupState
{
    CharState ch;
    ParaState para;
    Destination destination = Destination::Normal;
    int unicodeSkip = 1;
};

struct FontEntry
{
    QString name;
    int codePage = 0;
    bool symbol = false;
};

enum class PictureKind
{
    None,
    Png,
    Jpeg,
    Other,
};

struct Picture
{
    PictureKind kind = PictureKind::None;
    QByteArray data;
    int nibble = -1;
    int width = 0;
    int height = 0;
    int goalWidth = 0;
    int goalHeight = 0;
    int scaleX = 100;
    int scaleY = 100;
};

class Reader
{
public:
    Reader(const QByteArray& rtf, QTextDocument* document) : m_tokenizer(rtf), m_document(document), m_cursor(document)
    {
    }

    void run();
    bool isTruncated() const { return m_truncated; }

private:
    GroupState& state() { return m_stack.back(); }

    void groupStart();
    void groupEnd();
    void controlWord(const RtfTokenizer::Token& token);
    void controlSymbol(unsigned char symbol);
    void text(std::string_view bytes);
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
    void paragraphEnd();
    void cellEnd();
    void rowEnd();
    void applyBlockFormat();
    void finish();

    void commitFont();
    void commitColor();
    void finishFieldInstruction();
    void finishPicture();

    QTextCharFormat charFormat(const CharState& ch);
    const FontEntry* fontEntry(int number) const;
    int codePageOfCurrentFont() const;

    RtfTokenizer m_tokenizer;
    QTextDocument* m_document;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    std::size_t m_overflow = 0;
    bool m_done = false;
    bool m_truncated = false;
    bool m_starred = false;
    int m_skipFallback = 0;

    int m_codePage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_fontNumber = -1;
    int m_fontCharset = 0;
    QByteArray m_fontName;
    std::vector<QColor> m_colors;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;
    RtfCodePages m_codePages;

    QString m_text;
    CharState m_textState;
    QByteArray m_bytes;
    int m_bytesCodePage = 1252;
    // Documents switch back and forth between their formats; each is built once, and the
    // shared copies let Qt find a format it already holds without comparing it afresh.
    QHash<CharState, QTextCharFormat> m_formats;

    bool m_blockPending = false;
    QTextTable* m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    // The table's size as built so far. Qt rebuilds a table's cell grid after every change
    // of its rows or columns, so rows are added in growing batches (the spare ones are
    // removed at the table's end) and the counts are kept here rather than asked for.
    int m_tableRows = 0;
    int m_tableColumns = 0;
    bool m_rowPending = false;
    bool m_cellPending = false;
    std::vector<int> m_cellRight;

    QString m_fieldInstruction;
    QString m_fieldHref;
    std::vector<QString> m_links;

    Picture m_picture;
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
        m_truncated = true;
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
        commitFont();
    if (ending == Destination::FieldInstruction && outer != Destination::FieldInstruction)
        finishFieldInstruction();
    if (ending == Destination::Picture && outer != Destination::Picture)
        finishPicture();
    m_stack.pop_back();
}

void Reader::controlWord(const RtfTokenizer::Token& token)
{
    const auto& table = wordTable();
    const auto found = table.find(token.text);
    const Word word = found == table.end() ? Word::Unknown : found->second;
    const int param = token.parameter;
    const bool on = !token.hasParameter || param != 0;
    GroupState& s = state();

    if (m_starred) {
        // "{\*\word": a destination a reader may skip when it does not know it.
        m_starred = false;
        if (word != Word::ShapePicture && word != Word::FieldInstruction && word != Word::Picture) {
            s.destination = Destination::Skip;
            return;
        }
    }
    if (s.destination == Destination::Skip)
        return;

    if (m_skipFallback > 0 && s.destination == Destination::Normal) {
        --m_skipFallback;
        return;
    }

    if (s.destination == Destination::FontTable) {
        switch (word) {
        case Word::Font:
            commitFont();
            m_fontNumber = param;
            m_fontCharset = 0;
            return;
        case Word::FontCharset:
            m_fontCharset = param;
            return;
        case Word::Unicode:
            break;
        default:
            return;
        }
    }
    if (s.destination == Destination::ColorTable) {
        const int value = std::clamp(param, 0, 255);
        if (word == Word::Red)
            m_red = value;
        else if (word == Word::Green)
            m_green = value;
        else if (word == Word::Blue)
            m_blue = value;
        return;
    }
    if (s.destination == Destination::Picture) {
        switch (word) {
        case Word::PngBlip:
            m_picture.kind = PictureKind::Png;
            break;
        case Word::JpegBlip:
            m_picture.kind = PictureKind::Jpeg;
            break;
        case Word::OtherBlip:
            m_picture.kind = PictureKind::Other;
            break;
        case Word::PictureWidth:
            m_picture.width = std::clamp(param, 0, 100000);
            break;
        case Word::PictureHeight:
            m_picture.height = std::clamp(param, 0, 100000);
            break;
        case Word::PictureGoalWidth:
            m_picture.goalWidth = std::clamp(param, 0, 1000000);
            break;
        case Word::PictureGoalHeight:
            m_picture.goalHeight = std::clamp(param, 0, 1000000);
            break;
        case Word::PictureScaleX:
            m_picture.scaleX = std::clamp(param, 1, 10000);
            break;
        case Word::PictureScaleY:
            m_picture.scaleY = std::clamp(param, 1, 10000);
            break;
        default:
            break;
        }
        return;
    }

    switch (word) {
    case Word::Unknown:
    case Word::Rtf:
        break;
    case Word::FontTable:
        s.destination = Destination::FontTable;
        m_fontNumber = -1;
        m_fontName.clear();
        break;
    case Word::ColorTable:
        s.destination = Destination::ColorTable;
        m_red = m_green = m_blue = -1;
        break;
    case Word::SkippedDestination:
        s.destination = Destination::Skip;
        break;
    case Word::Picture:
        flushBytes();
        s.destination = Destination::Picture;
        m_picture = Picture();
        break;
    case Word::FieldInstruction:
        s.destination = Destination::FieldInstruction;
        m_fieldInstruction.clear();
        break;
    case Word::Field:
        m_fieldHref.clear();
        break;
    case Word::FieldResult:
        if (!m_fieldHref.isEmpty()) {
            m_links.push_back(m_fieldHref);
            s.ch.link = static_cast<int>(m_links.size()) - 1;
        }
        break;
    case Word::ShapePicture:
        break;
    case Word::Ansi:
        m_codePage = 1252;
        break;
    case Word::Mac:
        m_codePage = 10000;
        break;
    case Word::Pc:
        m_codePage = 437;
        break;
    case Word::Pca:
        m_codePage = 850;
        break;
    case Word::AnsiCodePage:
        m_codePage = std::clamp(param, 0, kMaxCodePage);
        break;
    case Word::DefaultFont:
        m_defaultFont = param;
        break;
    case Word::Plain: {
        // A link belongs to the field result around the text, not to its character formatting.
        const int link = s.ch.link;
        s.ch = CharState();
        s.ch.link = link;
        break;
    }
    case Word::Bold:
        s.ch.bold = on;
        break;
    case Word::Italic:
        s.ch.italic = on;
        break;
    case Word::Underline:
        s.ch.underline = on;
        break;
    case Word::UnderlineNone:
        s.ch.underline = false;
        break;
    case Word::Strike:
        s.ch.strike = on;
        break;
    case Word::Font:
        flushBytes();
        s.ch.font = param;
        break;
    case Word::FontSize:
        s.ch.halfPoints = token.hasParameter && param > 0 ? std::clamp(param, 2, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
    case Word::Foreground:
        s.ch.foreground = std::clamp(param, 0, kMaxColorIndex);
        break;
    case Word::Background:
        s.ch.background = std::clamp(param, 0, kMaxColorIndex);
        break;
    case Word::Super:
        s.ch.vertical = on ? 1 : 0;
        break;
    case Word::Sub:
        s.ch.vertical = on ? -1 : 0;
        break;
    case Word::NoSuperSub:
        s.ch.vertical = 0;
        break;
    case Word::Unicode: {
        int code = param;
        if (code < 0)
            code += 65536;
        if (code >= 0 && code <= 0xFFFF) {
            if (s.destination == Destination::FontTable) {
                m_fontName.append(QString(QChar(code)).toUtf8());
            } else if (s.destination == Destination::Normal) {
                appendChar(QChar(static_cast<char16_t>(code)));
            } else if (s.destination == Destination::FieldInstruction) {
                m_fieldInstruction.append(QChar(static_cast<char16_t>(code)));
            }
        }
        m_skipFallback = s.unicodeSkip;
        break;
    }
    case Word::UnicodeSkip:
        s.unicodeSkip = std::clamp(param, 0, 16);
        break;
    case Word::Pard:
        s.para = ParaState();
        break;
    case Word::AlignLeft:
        s.para.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCenter:
        s.para.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        s.para.alignment = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        s.para.alignment = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        s.para.leftIndent = std::clamp(param, -31680, 31680);
        break;
    case Word::RightIndent:
        s.para.rightIndent = std::clamp(param, -31680, 31680);
        break;
    case Word::FirstIndent:
        s.para.firstIndent = std::clamp(param, -31680, 31680);
        break;
    case Word::SpaceBefore:
        s.para.spaceBefore = std::clamp(param, 0, 31680);
        break;
    case Word::SpaceAfter:
        s.para.spaceAfter = std::clamp(param, 0, 31680);
        break;
    case Word::Par:
        if (s.destination == Destination::Normal)
            paragraphEnd();
        break;
    case Word::Line:
        appendChar(QChar::LineSeparator);
        break;
    case Word::Tab:
        appendChar(QLatin1Char('\t'));
        break;
    case Word::EmDash:
        appendChar(QChar(0x2014));
        break;
    case Word::EnDash:
        appendChar(QChar(0x2013));
        break;
    case Word::Bullet:
        appendChar(QChar(0x2022));
        break;
    case Word::LeftQuote:
        appendChar(QChar(0x2018));
        break;
    case Word::RightQuote:
        appendChar(QChar(0x2019));
        break;
    case Word::LeftDoubleQuote:
        appendChar(QChar(0x201C));
        break;
    case Word::RightDoubleQuote:
        appendChar(QChar(0x201D));
        break;
    case Word::EmSpace:
        appendChar(QChar(0x2003));
        break;
    case Word::EnSpace:
        appendChar(QChar(0x2002));
        break;
    case Word::InTable:
        s.para.inTable = true;
        break;
    case Word::RowDefaults:
        m_cellRight.clear();
        break;
    case Word::CellX:
        if (m_cellRight.size() < static_cast<std::size_t>(kMaxTableColumns))
            m_cellRight.push_back(std::clamp(param, 0, 31680 * 4));
        break;
    case Word::Cell:
        if (s.destination == Destination::Normal)
            cellEnd();
        break;
    case Word::Row:
        if (s.destination == Destination::Normal)
            rowEnd();
        break;
    case Word::NestedCell:
        // Tables inside tables flatten into their cell: one tab between the inner cells.
        appendChar(QLatin1Char('\t'));
        break;
    case Word::NestedRow:
        appendChar(QChar::LineSeparator);
        break;
    case Word::FontCharset:
    case Word::Red:
    case Word::Green:
    case Word::Blue:
    case Word::PngBlip:
    case Word::JpegBlip:
    case Word::OtherBlip:
    case Word::PictureWidth:
    case Word::PictureHeight:
    case Word::PictureGoalWidth:
    case Word::PictureGoalHeight:
    case Word::PictureScaleX:
    case Word::PictureScaleY:
        break;
    }
}

void Reader::controlSymbol(unsigned char symbol)
{
    GroupState& s = state();
    if (symbol == '*') {
        m_starred = true;
        return;
    }
    if (s.destination == Destination::Skip)
        return;
    if (m_skipFallback > 0 && s.destination == Destination::Normal) {
        --m_skipFallback;
        return;
    }
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
    } else if (destination == Destination::FontTable || destination == Destination::FieldInstruction) {
        // Names and instructions are short; the document code page is good enough for them.
        QString decoded;
        m_codePages.decode(QByteArray(1, c), m_codePage, &decoded);
        if (destination == Destination::FontTable)
            m_fontName.append(decoded.toUtf8());
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
                commitFont();
            else
                m_fontName.append(c);
        }
        break;
    case Destination::ColorTable:
        for (char c : bytes) {
            if (c == ';')
                commitColor();
        }
        break;
    case Destination::Picture:
        for (char c : bytes) {
            const int h = RtfTokenizer::hexValue(c);
            if (h < 0)
                continue;
            if (m_picture.nibble < 0) {
                m_picture.nibble = h;
            } else {
                m_picture.data.append(static_cast<char>(m_picture.nibble * 16 + h));
                m_picture.nibble = -1;
            }
        }
        break;
    case Destination::FieldInstruction:
        m_fieldInstruction.append(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
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
    const FontEntry* font = fontEntry(m_textState.font);
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
    if (!m_text.isEmpty() && m_textState != state().ch)
        flushText();
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
            m_column = 0;
            m_rowPending = false;
            m_cellPending = false;
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
    const int columns = std::max<int>(1, static_cast<int>(m_cellRight.size()));
    QTextTableFormat format;
    format.setBorder(1);
    format.setCellSpacing(0);
    format.setCellPadding(2);
    format.setBorderCollapse(true);
    QList<QTextLength> widths;
    int left = 0;
    for (int right : m_cellRight) {
        widths.append(QTextLength(QTextLength::FixedLength, std::max(1, right - left) / kTwipsPerPixel));
        left = right;
    }
    if (!widths.isEmpty())
        format.setColumnWidthConstraints(widths);
    // The table follows the current paragraph; a paragraph still to be opened is not needed.
    m_blockPending = false;
    m_table = m_cursor.insertTable(1, columns, format);
    m_tableRows = 1;
    m_tableColumns = columns;
    m_row = 0;
    m_column = 0;
    m_rowPending = false;
    m_cellPending = false;
}

void Reader::endTable()
{
    if (m_tableRows > m_row + 1)
        m_table->removeRows(m_row + 1, m_tableRows - m_row - 1);
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
    m_blockPending = false;
    m_rowPending = false;
    m_cellPending = false;
}

void Reader::moveToCell()
{
    if (m_column >= m_tableColumns) {
        if (m_tableColumns >= kMaxTableColumns) {
            m_column = m_tableColumns - 1;
        } else {
            m_table->appendColumns(m_column - m_tableColumns + 1);
            m_tableColumns = m_column + 1;
        }
    }
    m_cursor = m_table->cellAt(m_row, m_column).lastCursorPosition();
    m_blockPending = false;
}

void Reader::paragraphEnd()
{
    flushText();
    prepareForContent();
    applyBlockFormat();
    m_blockPending = true;
}

void Reader::cellEnd()
{
    flushText();
    prepareForContent(true);
    applyBlockFormat();
    ++m_column;
    m_cellPending = true;
    m_blockPending = false;
}

void Reader::rowEnd()
{
    flushText();
    if (!m_table)
        return;
    m_rowPending = true;
    m_cellPending = false;
    m_blockPending = false;
}

void Reader::applyBlockFormat()
{
    const ParaState& p = state().para;
    QTextBlockFormat format;
    if (p.alignment != Qt::AlignLeft)
        format.setAlignment(p.alignment);
    if (p.leftIndent)
        format.setLeftMargin(p.leftIndent / kTwipsPerPixel);
    if (p.rightIndent)
        format.setRightMargin(p.rightIndent / kTwipsPerPixel);
    if (p.firstIndent)
        format.setTextIndent(p.firstIndent / kTwipsPerPixel);
    if (p.spaceBefore)
        format.setTopMargin(p.spaceBefore / kTwipsPerPixel);
    if (p.spaceAfter)
        format.setBottomMargin(p.spaceAfter / kTwipsPerPixel);
    m_cursor.setBlockFormat(format);
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(charFormat(state().ch));
}

void Reader::finish()
{
    if (m_done)
        return;
    m_done = true;
    flushText();
    if (m_table && m_tableRows > m_row + 1)
        m_table->removeRows(m_row + 1, m_tableRows - m_row - 1);
    // The last paragraph needs no \par to take its paragraph formatting.
    if (!m_blockPending && !m_table && m_cursor.block().length() > 1)
        applyBlockFormat();
}

void Reader::commitFont()
{
    if (m_fontNumber >= 0 && !m_fontName.isEmpty()) {
        FontEntry entry;
        entry.name = QString::fromUtf8(m_fontName).trimmed();
        entry.codePage = RtfCodePages::codePageOfCharset(m_fontCharset);
        entry.symbol = m_fontCharset == 2;
        if (!entry.name.isEmpty() && !m_fonts.contains(m_fontNumber))
            m_fonts.insert(m_fontNumber, entry);
    }
    m_fontName.clear();
}

void Reader::commitColor()
{
    if (m_colors.size() < 65536) {
        if (m_red < 0 && m_green < 0 && m_blue < 0)
            m_colors.emplace_back();
        else
            m_colors.emplace_back(std::max(0, m_red), std::max(0, m_green), std::max(0, m_blue));
    }
    m_red = m_green = m_blue = -1;
}

void Reader::finishFieldInstruction()
{
    static const QRegularExpression hyperlink(QStringLiteral("^\\s*HYPERLINK\\s+\"([^\"]*)\""));
    const QRegularExpressionMatch match = hyperlink.match(m_fieldInstruction);
    m_fieldHref = match.hasMatch() ? match.captured(1) : QString();
    m_fieldInstruction.clear();
}

void Reader::finishPicture()
{
    const PictureKind kind = m_picture.kind;
    if (kind != PictureKind::Png && kind != PictureKind::Jpeg)
        return;
    // Data that does not even start like its format is not handed to the image decoders.
    const bool plausible = kind == PictureKind::Png ? m_picture.data.startsWith("\x89PNG\r\n\x1a\n")
                                                    : m_picture.data.startsWith("\xff\xd8\xff");
    const QImage image =
        plausible ? QImage::fromData(m_picture.data, kind == PictureKind::Png ? "PNG" : "JPEG") : QImage();
    m_picture.data.clear();
    if (image.isNull())
        return;
    const QString name = QStringLiteral("rtfimage%1").arg(++m_imageCount);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), QVariant(image));

    QTextImageFormat format;
    format.setName(name);
    double width = m_picture.goalWidth > 0 ? m_picture.goalWidth / kTwipsPerPixel : image.width();
    double height = m_picture.goalHeight > 0 ? m_picture.goalHeight / kTwipsPerPixel : image.height();
    width = width * m_picture.scaleX / 100.0;
    height = height * m_picture.scaleY / 100.0;
    format.setWidth(width);
    format.setHeight(height);

    // The picture's own group is about to close; it sits in the text of the enclosing one.
    beforeText();
    flushText();
    m_cursor.insertImage(format);
}

const FontEntry* Reader::fontEntry(int number) const
{
    auto found = m_fonts.constFind(number < 0 ? m_defaultFont : number);
    if (found == m_fonts.constEnd())
        found = m_fonts.constFind(m_defaultFont);
    return found == m_fonts.constEnd() ? nullptr : &found.value();
}

int Reader::codePageOfCurrentFont() const
{
    const FontEntry* font = fontEntry(m_stack.back().ch.font);
    if (font && font->codePage > 0)
        return font->codePage;
    return m_codePage;
}

QTextCharFormat Reader::charFormat(const CharState& ch)
{
    const auto cached = m_formats.constFind(ch);
    if (cached != m_formats.constEnd())
        return cached.value();
    QTextCharFormat format;
    if (const FontEntry* font = fontEntry(ch.font))
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(ch.halfPoints / 2.0);
    format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(ch.italic);
    format.setFontUnderline(ch.underline);
    format.setFontStrikeOut(ch.strike);
    if (ch.foreground > 0 && static_cast<std::size_t>(ch.foreground) < m_colors.size() &&
        m_colors[ch.foreground].isValid())
        format.setForeground(m_colors[ch.foreground]);
    if (ch.background > 0 && static_cast<std::size_t>(ch.background) < m_colors.size() &&
        m_colors[ch.background].isValid())
        format.setBackground(m_colors[ch.background]);
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
    return format;
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

} // namespace

namespace RtfReader {

bool read(const QByteArray& rtf, QTextDocument* document, QString* error, bool* damaged)
{
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
            *damaged = reader.isTruncated();
    }
    document->setUndoRedoEnabled(undo);
    document->setModified(false);
    return true;
}

} // namespace RtfReader

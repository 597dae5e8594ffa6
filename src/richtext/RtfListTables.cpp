// List definitions and their overrides, and the Qt list style of a level.
#include "richtext/RtfListTables.h"

namespace {

// Levels and lists beyond these are not real documents' and are not kept.
constexpr std::size_t kMaxLevels = 9;
constexpr std::size_t kMaxLists = 4096;

// The bullet a level shows: its \leveltext is the length byte, then the bullet character.
QTextListFormat::Style bulletStyle(const QString& text)
{
    for (QChar ch : text) {
        switch (ch.unicode()) {
        case u'o':
        case 0x25E6:
        case 0x25CB:
        case 0xF06F: // 'o' in a symbol font's private range
            return QTextListFormat::ListCircle;
        case 0x25AA:
        case 0x25A0:
        case 0x00A7: // the square of Wingdings, written as its code
        case 0xF0A7:
            return QTextListFormat::ListSquare;
        default:
            if (ch.unicode() > 0x20)
                return QTextListFormat::ListDisc;
        }
    }
    return QTextListFormat::ListDisc;
}

} // namespace

void RtfListTables::startList()
{
    if (m_lists.size() < kMaxLists)
        m_lists.emplace_back();
}

void RtfListTables::startLevel()
{
    if (!m_lists.empty() && m_lists.back().levels.size() < kMaxLevels)
        m_lists.back().levels.emplace_back();
}

void RtfListTables::setNumberFormat(int nfc)
{
    if (!m_lists.empty() && !m_lists.back().levels.empty())
        m_lists.back().levels.back().nfc = nfc;
}

void RtfListTables::appendLevelText(QChar ch)
{
    if (!m_lists.empty() && !m_lists.back().levels.empty() && m_lists.back().levels.back().text.size() < 64)
        m_lists.back().levels.back().text.append(ch);
}

void RtfListTables::setListId(int id)
{
    if (m_inOverrides) {
        if (!m_overrides.empty())
            m_overrides.back().listId = id;
    } else if (!m_lists.empty()) {
        m_lists.back().id = id;
    }
}

void RtfListTables::startOverride()
{
    if (m_overrides.size() < kMaxLists)
        m_overrides.emplace_back();
}

void RtfListTables::setOverrideNumber(int number)
{
    if (!m_overrides.empty())
        m_overrides.back().number = number;
}

std::optional<QTextListFormat::Style> RtfListTables::style(int number, int level) const
{
    for (const Override& entry : m_overrides) {
        if (entry.number != number)
            continue;
        for (const List& list : m_lists) {
            if (list.id != entry.listId || list.levels.empty())
                continue;
            const Level& found = list.levels[std::min<std::size_t>(std::max(level, 0), list.levels.size() - 1)];
            switch (found.nfc) {
            case 1:
                return QTextListFormat::ListUpperRoman;
            case 2:
                return QTextListFormat::ListLowerRoman;
            case 3:
                return QTextListFormat::ListUpperAlpha;
            case 4:
                return QTextListFormat::ListLowerAlpha;
            case 23:
                return bulletStyle(found.text.mid(1));
            default:
                return QTextListFormat::ListDecimal;
            }
        }
        return std::nullopt;
    }
    return std::nullopt;
}

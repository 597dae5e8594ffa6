#include "richtext/RtfHeaderTables.h"

#include "richtext/RtfCodePages.h"

#include <algorithm>

namespace {

// A table longer than this is damaged or hostile; what follows is not kept.
constexpr std::size_t kMaxColors = 65536;
constexpr int kSymbolCharset = 2;

} // namespace

void RtfFontTable::start()
{
    m_number = -1;
    m_name.clear();
}

void RtfFontTable::define(int number)
{
    commit();
    m_number = number;
    m_charset = 0;
}

void RtfFontTable::commit()
{
    if (m_number >= 0 && !m_name.isEmpty()) {
        Font entry;
        entry.name = QString::fromUtf8(m_name).trimmed();
        entry.codePage = RtfCodePages::codePageOfCharset(m_charset);
        entry.symbol = m_charset == kSymbolCharset;
        if (!entry.name.isEmpty() && !m_fonts.contains(m_number))
            m_fonts.insert(m_number, entry);
    }
    m_name.clear();
}

const RtfFontTable::Font* RtfFontTable::font(int number, int defaultFont) const
{
    auto found = m_fonts.constFind(number < 0 ? defaultFont : number);
    if (found == m_fonts.constEnd())
        found = m_fonts.constFind(defaultFont);
    return found == m_fonts.constEnd() ? nullptr : &found.value();
}

void RtfColorTable::start()
{
    std::fill(std::begin(m_components), std::end(m_components), -1);
}

void RtfColorTable::setComponent(Component which, int value)
{
    m_components[which] = std::clamp(value, 0, 255);
}

void RtfColorTable::commit()
{
    if (m_colors.size() < kMaxColors) {
        const auto [red, green, blue] = m_components;
        if (red < 0 && green < 0 && blue < 0)
            m_colors.emplace_back();
        else
            m_colors.emplace_back(std::max(0, red), std::max(0, green), std::max(0, blue));
    }
    start();
}

QColor RtfColorTable::color(int index) const
{
    if (index <= 0 || static_cast<std::size_t>(index) >= m_colors.size())
        return QColor();
    return m_colors[index];
}

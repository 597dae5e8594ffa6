// RTF tokens straight from the bytes, without copying.
#include "richtext/RtfTokenizer.h"

#include <algorithm>

namespace {

constexpr int kMaxWordLength = 32;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int RtfTokenizer::hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfTokenizer::RtfTokenizer(const QByteArray& data) : m_data(data.constData()), m_size(data.size()) {}

RtfTokenizer::Token RtfTokenizer::next()
{
    // Line ends between tokens carry no meaning in RTF.
    while (m_pos < m_size && (m_data[m_pos] == '\r' || m_data[m_pos] == '\n'))
        ++m_pos;
    Token token;
    if (m_pos >= m_size)
        return token;
    switch (m_data[m_pos]) {
    case '{':
        ++m_pos;
        token.type = Type::GroupStart;
        return token;
    case '}':
        ++m_pos;
        token.type = Type::GroupEnd;
        return token;
    case '\\':
        ++m_pos;
        if (m_pos >= m_size)
            return token;
        if (isLetter(m_data[m_pos]))
            return controlWord();
        return controlSymbol();
    default:
        return textRun();
    }
}

RtfTokenizer::Token RtfTokenizer::controlWord()
{
    Token token;
    token.type = Type::ControlWord;
    const qsizetype start = m_pos;
    while (m_pos < m_size && isLetter(m_data[m_pos]))
        ++m_pos;
    token.text = std::string_view(m_data + start, std::min<qsizetype>(m_pos - start, kMaxWordLength));

    bool negative = false;
    if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_size && isDigit(m_data[m_pos])) {
        long long value = 0;
        while (m_pos < m_size && isDigit(m_data[m_pos])) {
            if (value <= kParameterLimit)
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (value > kParameterLimit)
            value = kParameterLimit;
        token.hasParameter = true;
        token.parameter = static_cast<int>(negative ? -value : value);
    }
    if (m_pos < m_size && m_data[m_pos] == ' ')
        ++m_pos;

    if (token.text == "bin") {
        // Binary data is never interpreted; its length decides how much to step over.
        const qsizetype length = token.hasParameter && token.parameter > 0 ? token.parameter : 0;
        m_pos += std::min(length, m_size - m_pos);
        token.type = Type::Binary;
    }
    return token;
}

RtfTokenizer::Token RtfTokenizer::controlSymbol()
{
    Token token;
    const char c = m_data[m_pos++];
    if (c == '\\' || c == '{' || c == '}') {
        token.type = Type::Text;
        token.text = std::string_view(m_data + m_pos - 1, 1);
        return token;
    }
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_size) {
            const int h = hexValue(m_data[m_pos]);
            if (h < 0)
                break;
            value = value * 16 + h;
            ++digits;
            ++m_pos;
        }
        // A backslash-quote without hex digits is noise; it reaches the reader as an unknown symbol.
        token.type = digits > 0 ? Type::HexByte : Type::ControlSymbol;
        token.symbol = digits > 0 ? static_cast<unsigned char>(value) : '\'';
        return token;
    }
    token.type = Type::ControlSymbol;
    // A backslash before a line end is an old spelling of \par.
    token.symbol = static_cast<unsigned char>(c == '\r' ? '\n' : c);
    return token;
}

RtfTokenizer::Token RtfTokenizer::textRun()
{
    Token token;
    token.type = Type::Text;
    const qsizetype start = m_pos;
    while (m_pos < m_size) {
        const char c = m_data[m_pos];
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    token.text = std::string_view(m_data + start, m_pos - start);
    return token;
}

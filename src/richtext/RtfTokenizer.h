// Splits RTF bytes into groups, control words, control symbols and text runs.
#pragma once

#include <QByteArray>

#include <string_view>

class RtfTokenizer
{
public:
    enum class Type
    {
        End,
        GroupStart,
        GroupEnd,
        ControlWord,
        ControlSymbol,
        Text,
        HexByte,
        Binary,
    };

    struct Token
    {
        Type type = Type::End;
        // Control word name, or the bytes of a text run (points into the tokenized data).
        std::string_view text;
        bool hasParameter = false;
        int parameter = 0;
        // The character of a control symbol, or the byte of \'hh.
        unsigned char symbol = 0;
    };

    // Numbers are clamped to this magnitude so that arithmetic on them never overflows.
    static constexpr int kParameterLimit = 1000000000;

    // The tokenizer reads data in place: it must outlive the tokenizer.
    explicit RtfTokenizer(const QByteArray& data);
    explicit RtfTokenizer(QByteArray&&) = delete;

    Token next();
    // The value of a hexadecimal digit, or -1.
    static int hexValue(char c);
    qsizetype position() const { return m_pos; }

private:
    Token controlWord();
    Token controlSymbol();
    Token textRun();

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

// The font and colour tables at the head of an RTF document, filled entry by entry as the
// reader meets their control words and text.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <vector>

class RtfFontTable
{
public:
    struct Font
    {
        QString name;
        int codePage = 0; // 0: the document's
        bool symbol = false;
    };

    // "\fonttbl": no entry is open.
    void start();
    // "\fN" opens entry N, closing the one before.
    void define(int number);
    void setCharset(int charset) { m_charset = charset; }
    // The entry's name, in UTF-8, a piece at a time.
    void appendName(const QByteArray& utf8) { m_name.append(utf8); }
    void appendName(char c) { m_name.append(c); }
    // ';' or the end of the entry's group: the entry is kept unless it has no name or its
    // number was taken already.
    void commit();

    // Font number, or the default font where number is negative or unknown; null when neither is known.
    const Font* font(int number, int defaultFont) const;

private:
    QHash<int, Font> m_fonts;
    int m_number = -1;
    int m_charset = 0;
    QByteArray m_name;
};

class RtfColorTable
{
public:
    enum Component
    {
        Red,
        Green,
        Blue
    };

    void start();
    void setComponent(Component which, int value);
    // ';': the entry is kept, an invalid colour ("auto") when no component was given.
    void commit();

    // Entry index; invalid for index 0 ("auto"), an unknown index or an "auto" entry.
    QColor color(int index) const;

private:
    std::vector<QColor> m_colors;
    int m_components[3] = {-1, -1, -1};
};

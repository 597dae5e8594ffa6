#include "editing/TextWords.h"

namespace TextWords {

namespace {

bool isLetter(QChar c)
{
    return c.isLetter() || c.isMark();
}

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

// Characters that make a run of letters part of something that is not a word.
bool isNonWordNeighbour(QChar c)
{
    return c.isDigit() || c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('/');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar::Nbsp;
}

// The end of the run of letters (with inner apostrophes) that starts at start.
int runEnd(const QString& text, int start)
{
    int i = start;
    const int n = text.size();
    while (i < n) {
        if (isLetter(text.at(i)))
            ++i;
        else if (isApostrophe(text.at(i)) && i + 1 < n && isLetter(text.at(i + 1)))
            i += 2;
        else
            break;
    }
    return i;
}

bool isStandalone(const QString& text, int start, int end)
{
    if (start > 0 && isNonWordNeighbour(text.at(start - 1)))
        return false;
    return end >= text.size() || !isNonWordNeighbour(text.at(end));
}

} // namespace

Span nextWord(const QString& text, int from)
{
    int i = qMax(0, from);
    const int n = text.size();
    // Starting inside a word: move to its end first.
    while (i > 0 && i < n && isLetter(text.at(i)) && isLetter(text.at(i - 1)))
        ++i;
    while (i < n) {
        if (!isLetter(text.at(i))) {
            ++i;
            continue;
        }
        const int end = runEnd(text, i);
        if (isStandalone(text, i, end))
            return {i, end};
        i = end;
    }
    return {};
}

Span wordEndingAt(const QString& text, int end)
{
    if (end <= 0 || end > text.size() || !isLetter(text.at(end - 1)))
        return {};
    int start = end;
    while (start > 0) {
        if (isLetter(text.at(start - 1)))
            --start;
        else if (start > 1 && isApostrophe(text.at(start - 1)) && isLetter(text.at(start - 2)))
            start -= 2;
        else
            break;
    }
    if (!isStandalone(text, start, end))
        return {};
    return {start, end};
}

Span wordBefore(const QString& text, int start)
{
    int i = start;
    while (i > 0 && isBlank(text.at(i - 1)))
        --i;
    if (i == start)
        return {};
    return wordEndingAt(text, i);
}

Span wordAfter(const QString& text, int end)
{
    int i = end;
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    if (i == end || i >= text.size() || !isLetter(text.at(i)))
        return {};
    const int wordEnd = runEnd(text, i);
    if (!isStandalone(text, i, wordEnd))
        return {};
    return {i, wordEnd};
}

QString sentenceAround(const QString& text, int position)
{
    const auto endsSentence = [](QChar c) {
        return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') || c == QLatin1Char('\n');
    };
    int start = qBound(0, position, int(text.size()));
    while (start > 0 && !endsSentence(text.at(start - 1)))
        --start;
    int end = qBound(0, position, int(text.size()));
    while (end < text.size() && !endsSentence(text.at(end)))
        ++end;
    if (end < text.size() && text.at(end) != QLatin1Char('\n'))
        ++end;
    return text.mid(start, end - start).trimmed();
}

} // namespace TextWords

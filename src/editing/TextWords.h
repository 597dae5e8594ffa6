// Finding the words of a text: letters with apostrophes between them. A word that touches a
// digit, an underscore, "@" or "/" is part of a number, a name or an address and is not a word.
#pragma once

#include <QString>

namespace TextWords {

struct Span
{
    int start = -1;
    int end = -1; // one past the last character
    bool isValid() const { return start >= 0; }
};

// The first word that starts at or after from; invalid when there is none.
Span nextWord(const QString& text, int from);
// The word that ends exactly at end; invalid when there is none.
Span wordEndingAt(const QString& text, int end);
// The word before start when only blanks lie between; invalid otherwise.
Span wordBefore(const QString& text, int start);
// The word after end when only blanks lie between; invalid otherwise.
Span wordAfter(const QString& text, int end);
// The sentence around position: from after the last ".", "!", "?" or line end before it to
// the next one, trimmed.
QString sentenceAround(const QString& text, int position);

} // namespace TextWords

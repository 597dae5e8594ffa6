// What changed between two texts, word by word: the words both keep, the words only the
// later one has and the words only the earlier one had, in reading order. White space and
// line breaks travel with the word before them and do not count as a change.
#pragma once

#include <QList>
#include <QString>

namespace WordDiff {

struct Piece
{
    enum Kind
    {
        Same,
        Added,  // only in the later text
        Removed // only in the earlier text
    };
    Kind kind = Same;
    QString text; // words with the white space after them
    bool operator==(const Piece& other) const { return kind == other.kind && text == other.text; }
};

// Adjacent words of one kind come as one piece. Texts too long to compare word by word in the
// middle (beyond some millions of word pairs) show that middle as removed and then added.
QList<Piece> compare(const QString& before, const QString& after);

} // namespace WordDiff

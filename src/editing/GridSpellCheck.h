// The spell check of the timeline's To Do items: each item row in turn through the engine
// and the spelling dialog, and the user's change-all answers spread over the rows checked so
// far, after which the check starts again from the first row with the new pairs.
#pragma once

#include "editing/SpellCheckRun.h"

#include <QString>
#include <functional>

class SpellEngine;

class GridSpellCheck
{
public:
    static constexpr int kItemRows = 500;
    static constexpr int kMaxItemLength = 45;
    // The pair appended before the replacement list is read back; the read-back stops at it.
    static const QString kEndMarker; // "TheEnd1"

    // How the check reaches the grid.
    struct Grid
    {
        std::function<QString(int row)> item;
        // Makes row the current row, so that the user sees which item is asked about.
        std::function<void(int row)> showRow;
        // Writes an item back; the grid marks itself changed.
        std::function<void(int row, const QString& text)> setItem;
        // The check corrected the item of row, which read before before it: the known names follow.
        std::function<void(const QString& before, const QString& corrected)> itemCorrected;
        // The dialog for one misspelling of the current row's item.
        std::function<SpellAnswer(const SpellQuestion& question)> ask;
    };

    GridSpellCheck(SpellEngine& engine, Grid grid);

    // Checks rows 1 to 500 and answers the closing message to show.
    QString run();

    // One pair of the replacement list spread over one item: every whole-word occurrence of
    // key (in upper case) is replaced, in lower case or, where the word found began with a
    // capital, with its first letter in upper case. The search goes on after each
    // replacement, so a replacement that contains its key ends. The result is trimmed and cut
    // to 45 characters; an item without an occurrence comes back unchanged.
    static QString spreadPair(const QString& item, const QString& key, const QString& replacement);

private:
    void checkRow(int row, bool* cancelled, bool* changeAll);
    void spreadChangeAll(int lastRow);

    SpellEngine& m_engine;
    Grid m_grid;
    int m_misspellings = 0;
};

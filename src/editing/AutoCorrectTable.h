// The fixed list of common typing errors and their corrections that the Action Area hands
// to its spell engine when it loads.
#pragma once

#include "editing/SpellEngine.h"

namespace AutoCorrectTable {

constexpr int kCapacity = 250;
// "ehr" is not corrected to "her": in health care EHR is a word of its own.
constexpr int kFilled = 242;

struct Entry
{
    const char* word; // lower case; one word, two run together, or two words
    const char* replacement;
};

// Entries are numbered from 1 to kFilled.
const Entry& entry(int number);

// Adds every entry to the engine's replacement list, entry 1 first, none skipped.
void loadInto(SpellEngine& engine);

} // namespace AutoCorrectTable

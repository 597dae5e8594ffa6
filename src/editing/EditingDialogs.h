// The spelling, thesaurus and font dialogs, each reached through a replaceable function so
// that tests can answer them.
#pragma once

#include "editing/SpellCheckRun.h"
#include "editing/Thesaurus.h"

#include <QColor>
#include <QFont>
#include <functional>
#include <optional>

class QWidget;

namespace EditingDialogs {

using SpellingAsker = std::function<SpellAnswer(const SpellQuestion& question, QWidget* parent)>;
SpellingAsker& spellingAsker();

// The chosen word, or nothing when the user cancelled.
using ThesaurusChooser =
    std::function<std::optional<QString>(const QString& word, const Thesaurus& thesaurus, QWidget* parent)>;
ThesaurusChooser& thesaurusChooser();

struct FontChoice
{
    QFont font; // family, point size, bold, italic, underline and strikethrough
    QColor colour;
};
// The chosen font, or nothing when the user cancelled.
using FontChooser = std::function<std::optional<FontChoice>(const FontChoice& initial, QWidget* parent)>;
FontChooser& fontChooser();

// The toolkit's font dialog and then its colour dialog, as one choice titled title and
// title + " Colour": cancelling the font cancels both, cancelling the colour keeps the colour.
std::optional<FontChoice> askFontAndColour(const FontChoice& initial, const QString& title, QWidget* parent);

} // namespace EditingDialogs

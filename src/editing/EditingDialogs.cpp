#include "editing/EditingDialogs.h"

#include "editing/SpellingDialog.h"
#include "editing/ThesaurusDialog.h"

#include <QColorDialog>
#include <QFontDialog>

namespace EditingDialogs {

SpellingAsker& spellingAsker()
{
    static SpellingAsker asker = [](const SpellQuestion& question, QWidget* parent) {
        return SpellingDialog::ask(question, parent);
    };
    return asker;
}

ThesaurusChooser& thesaurusChooser()
{
    static ThesaurusChooser chooser = [](const QString& word, const Thesaurus& thesaurus, QWidget* parent) {
        return ThesaurusDialog::choose(word, thesaurus, parent);
    };
    return chooser;
}

FontChooser& fontChooser()
{
    static FontChooser chooser = [](const FontChoice& initial, QWidget* parent) {
        return askFontAndColour(initial, QStringLiteral("Font"), parent);
    };
    return chooser;
}

std::optional<FontChoice> askFontAndColour(const FontChoice& initial, const QString& title, QWidget* parent)
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial.font, parent, title);
    if (!chosen)
        return std::nullopt;
    const QColor colour = QColorDialog::getColor(initial.colour, parent, title + QStringLiteral(" Colour"));
    return FontChoice{font, colour.isValid() ? colour : initial.colour};
}

} // namespace EditingDialogs

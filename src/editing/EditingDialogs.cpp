#include "editing/EditingDialogs.h"

#include "editing/SpellingDialog.h"
#include "editing/ThesaurusDialog.h"

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
    static FontChooser chooser = [](const FontChoice& initial, QWidget* parent) -> std::optional<FontChoice> {
        bool chosen = false;
        const QFont font = QFontDialog::getFont(&chosen, initial.font, parent, QStringLiteral("Font"));
        if (!chosen)
            return std::nullopt;
        // The toolkit's font dialog has no colour: the text keeps the colour it has.
        return FontChoice{font, initial.colour};
    };
    return chooser;
}

} // namespace EditingDialogs

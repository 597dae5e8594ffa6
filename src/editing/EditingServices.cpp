#include "editing/EditingServices.h"

#include "base/HINFO1.h"
#include "base/Messages.h"
#include "editing/AutoCorrectTable.h"
#include "editing/DocumentCommands.h"
#include "editing/EditingDialogs.h"
#include "editing/SpellCheckRun.h"
#include "editing/SpellingUnderliner.h"
#include "editing/TypingCorrector.h"
#include "richtext/RichTextBox.h"

#include <QTextCursor>

namespace {

// What the thesaurus drops from the end of a selection before the lookup.
const QString kTrailingPunctuation = QStringLiteral(" ,.:;");

} // namespace

EditingServices::EditingServices(RichTextBox* editor, QWidget* owner, const QString& dictionary,
                                 const QString& thesaurus)
    : QObject(owner), m_editor(editor), m_owner(owner), m_engine(dictionary), m_thesaurus(thesaurus),
      m_corrector(new TypingCorrector(m_engine, this))
{
    AutoCorrectTable::loadInto(m_engine);
    if (m_engine.isAvailable())
        m_underliner = new SpellingUnderliner(m_engine, m_editor);
}

EditingServices::~EditingServices() = default;

void EditingServices::watch(QWidget* box)
{
    m_corrector->watch(box);
}

void EditingServices::replaceInEditor(int start, int length, const QString& text)
{
    // In place: the word takes the formatting of the text it replaces, and the editor
    // reports the change like any other.
    QTextCursor cursor(m_editor->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void EditingServices::checkDocument()
{
    HINFO1::busyOn();
    m_engine.clearChangeCount();
    SpellCheckRun run(
        m_engine, [this](int start, int length, const QString& text) { replaceInEditor(start, length, text); },
        [this](const SpellQuestion& question) {
            m_editor->setSelStart(question.start);
            m_editor->setSelLength(question.length);
            m_editor->ensureCursorVisible();
            HINFO1::busyOff();
            const SpellAnswer answer = EditingDialogs::spellingAsker()(question, m_owner);
            HINFO1::busyOn();
            return answer;
        });
    run.run(m_editor->text());
    HINFO1::busyOff();
    if (!run.lastError().isEmpty())
        Messages::show(m_owner, QStringLiteral("The word could not be added to your word list.\r") + run.lastError(),
                       QStringLiteral("Spell Check"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
    Messages::show(m_owner, QStringLiteral("Spell Check has been canceled or has reached the end of your document"),
                   QStringLiteral("Spell Check"), Messages::Buttons::Ok, Messages::Icon::Information);
    m_editor->setSelStart(1);
    // Words the user ignored for good or added to the word list lose their marks.
    if (m_underliner)
        m_underliner->refreshAll();
    m_editor->setFocus();
}

void EditingServices::checkGrid(GridSpellCheck::Grid grid)
{
    grid.ask = [this](const SpellQuestion& question) {
        HINFO1::busyOff();
        const SpellAnswer answer = EditingDialogs::spellingAsker()(question, m_owner);
        HINFO1::busyOn();
        return answer;
    };
    HINFO1::busyOn();
    GridSpellCheck check(m_engine, std::move(grid));
    const QString message = check.run();
    HINFO1::busyOff();
    Messages::show(m_owner, message, QStringLiteral("Spell Check"), Messages::Buttons::Ok, Messages::Icon::Information);
}

void EditingServices::lookUpSelection()
{
    if (m_editor->selLength() == 0) {
        Messages::show(m_owner, QStringLiteral("Please highlight word you desire to look up!"),
                       QStringLiteral("Thesaurus"), Messages::Buttons::Ok, Messages::Icon::Question);
        return;
    }
    while (m_editor->selLength() >= 1 && kTrailingPunctuation.contains(m_editor->selText().right(1)))
        m_editor->setSelLength(m_editor->selLength() - 1);
    const std::optional<QString> chosen = EditingDialogs::thesaurusChooser()(m_editor->selText(), m_thesaurus, m_owner);
    if (chosen && !chosen->isEmpty())
        m_editor->setSelText(*chosen);
}

void EditingServices::selectFont()
{
    DocumentCommands::chooseSelectionFont(m_editor, m_owner);
}

void EditingServices::copyToClipboard()
{
    DocumentCommands::copyWholeDocument(m_editor, m_owner);
}

// The editing services of a screen with a worksheet editor: correction as you type, the
// document's spell check, the thesaurus, the font of the selection and the copy of the whole
// document to the clipboard. One instance per screen; it holds that screen's spell engine.
#pragma once

#include "editing/GridSpellCheck.h"
#include "editing/SpellEngine.h"
#include "editing/Thesaurus.h"

#include <QObject>
#include <QPointer>

class QWidget;
class SpellingUnderliner;
class RichTextBox;
class TypingCorrector;

class EditingServices : public QObject
{
    Q_OBJECT
public:
    // owner is the screen whose window the dialogs and messages belong to. The engine's
    // replacement list is filled with the typing-error table here, once.
    EditingServices(RichTextBox* editor, QWidget* owner, const QString& dictionary = SpellEngine::findDictionary(),
                    const QString& thesaurus = Thesaurus::findThesaurus());
    ~EditingServices() override;

    SpellEngine& engine() { return m_engine; }
    const Thesaurus& thesaurus() const { return m_thesaurus; }
    bool isSpellingAvailable() const { return m_engine.isAvailable(); }
    bool isThesaurusAvailable() const { return m_thesaurus.isAvailable(); }

    // The focus step: typing in box is corrected from now on.
    void watch(QWidget* box);
    TypingCorrector* corrector() const { return m_corrector; }
    // The red underlines of the editor; none without a dictionary.
    SpellingUnderliner* underliner() const { return m_underliner; }

    // "Spell &Check": checks the editor's document, correcting words in place.
    void checkDocument();
    // The timeline's "Spell Chec&k": checks the items of grid (its ask is supplied here) and
    // shows the closing message.
    void checkGrid(GridSpellCheck::Grid grid);
    // "&Thesaurus": looks the selected word up and replaces it with the word chosen.
    void lookUpSelection();
    // "&Font Select": the font of the selection, or of what is typed next.
    void selectFont();
    // "&Copy to Clipboard": the whole document as rich text.
    void copyToClipboard();

private:
    void replaceInEditor(int start, int length, const QString& text);

    RichTextBox* m_editor;
    QPointer<QWidget> m_owner;
    SpellEngine m_engine;
    Thesaurus m_thesaurus;
    TypingCorrector* m_corrector;
    SpellingUnderliner* m_underliner = nullptr;
};

// One check of a text with the user's answers: replacement-list words are replaced without a
// question, every other unknown word is put to the user, and each change is written back to
// the text's owner in place, so that whatever surrounds the word stays as it was.
#pragma once

#include "editing/SpellEngine.h"

#include <QString>
#include <QStringList>
#include <functional>

// The answer buttons of the spelling dialog; ChangeAll is the answer with code 1.
struct SpellAnswer
{
    enum Code
    {
        Change = 0,
        ChangeAll = 1,
        Ignore = 2,
        IgnoreAll = 3,
        Add = 4,
        Cancel = 5
    };
    Code code = Cancel;
    QString replacement; // for Change and ChangeAll
};

// What the user is asked about.
struct SpellQuestion
{
    QString word;
    QString sentence;
    QStringList suggestions;
    int start = 0; // in the checked text
    int length = 0;
};

class SpellCheckRun
{
public:
    using Replace = std::function<void(int start, int length, const QString& text)>;
    using Ask = std::function<SpellAnswer(const SpellQuestion& question)>;

    // replace writes a change into the text's owner; ask puts a word to the user.
    SpellCheckRun(SpellEngine& engine, Replace replace, Ask ask);

    // Checks text from its start. False when the user cancelled. The engine's change count
    // says how many changes were made; the text as corrected is correctedText().
    bool run(const QString& text);
    QString correctedText() const { return m_text; }
    // Whether the user answered Change All during the run.
    bool changeAllGiven() const { return m_changeAllGiven; }
    // Set when the personal list could not be saved.
    QString lastError() const { return m_error; }

private:
    void replace(int start, int length, const QString& text);

    SpellEngine& m_engine;
    Replace m_replace;
    Ask m_ask;
    QString m_text;
    bool m_changeAllGiven = false;
    QString m_error;
};

// The spelling dialog: the word not found, its sentence, suggestions, and the answers
// Change, Change All, Ignore, Ignore All, Add and Cancel.
#pragma once

#include "editing/SpellCheckRun.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

class SpellingDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SpellingDialog(const SpellQuestion& question, QWidget* parent = nullptr);

    // Shows the dialog and waits for the answer; closing it is Cancel.
    static SpellAnswer ask(const SpellQuestion& question, QWidget* parent);

    SpellAnswer answer() const { return m_answer; }

private:
    void answerWith(SpellAnswer::Code code);

    QLineEdit* m_wordBox = nullptr;
    QLabel* m_sentenceLabel = nullptr;
    QLineEdit* m_changeToBox = nullptr;
    QListWidget* m_suggestionList = nullptr;
    SpellAnswer m_answer;
};

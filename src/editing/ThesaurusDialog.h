// The thesaurus dialog: the meanings of a word, the synonyms of the chosen meaning and a
// "Replace with" field; another word can be looked up from there.
#pragma once

#include "editing/Thesaurus.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QListWidget;

class ThesaurusDialog : public QDialog
{
    Q_OBJECT
public:
    ThesaurusDialog(const QString& word, const Thesaurus& thesaurus, QWidget* parent = nullptr);

    // Shows the dialog; the chosen word, or nothing when the user cancelled.
    static std::optional<QString> choose(const QString& word, const Thesaurus& thesaurus, QWidget* parent);

    QString replacement() const;

private:
    void lookUp(const QString& word);
    void showSynonyms(int meaning);

    const Thesaurus& m_thesaurus;
    QList<Thesaurus::Meaning> m_meanings;
    QLineEdit* m_lookedUpBox = nullptr;
    QListWidget* m_meaningList = nullptr;
    QListWidget* m_synonymList = nullptr;
    QLineEdit* m_replaceWithBox = nullptr;
};

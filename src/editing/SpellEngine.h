// The spell-check engine: a Hunspell dictionary with the field's own words, the replacement list of typing errors and
// change-all answers, words ignored for the session and the user's personal word list.
#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

class Hunspell;

class SpellEngine
{
public:
    // The Debian package that brings the dictionary the engine looks for.
    static const QString kDictionaryPackage;
    // The user's own words, one a line, kept in the program folder.
    static const QString kPersonalListFile;
    // Health-care, health-IT and security terms the program ships, known like the dictionary's.
    static const QString kFieldWordsResource;

    // The path of the en_US dictionary without its extension (both .aff and .dic exist), found
    // on DICPATH first and then in the system's data folders; empty when there is none.
    static QString findDictionary();
    // What the spelling commands' tool tip says when there is no dictionary.
    static QString missingDictionaryHint();

    // dictionaryBase as findDictionary() gives it; an empty one leaves the engine without a
    // dictionary (the replacement list still works).
    explicit SpellEngine(const QString& dictionaryBase = findDictionary());
    ~SpellEngine();
    SpellEngine(const SpellEngine&) = delete;
    SpellEngine& operator=(const SpellEngine&) = delete;

    bool isAvailable() const { return bool(m_dictionary); }

    bool isCorrect(const QString& word) const;
    QStringList suggestions(const QString& word) const;

    struct Misspelling
    {
        int start = 0;
        int length = 0;
        QString word;
    };
    // Every word of text that neither the dictionary, the personal list nor the words
    // ignored for the session know, in order.
    QList<Misspelling> findMisspellings(const QString& text) const;

    // The replacement list, in the order the pairs were added.
    void addReplacement(const QString& word, const QString& replacement);
    int replacementCount() const { return m_replacements.size(); }
    // The key at index, in upper case; empty past the end.
    QString replacementWord(int index) const;
    QString replacementText(int index) const;

    // What a check meets next in text, from position from on: a replacement-list word (or
    // two-word key) to replace without a question, or a word to ask the user about.
    struct Finding
    {
        enum Kind
        {
            Replace,
            Ask
        };
        Kind kind = Ask;
        int start = 0;
        int length = 0;
        QString replacement; // for Replace, in the letter case of what was typed
    };
    std::optional<Finding> nextFinding(const QString& text, int from) const;
    // Typing: the replacement for the word (or two-word key) that ends at the end of
    // textBefore, the text before the insertion point as a word-ending key is typed.
    std::optional<Finding> correctionAtEnd(const QString& textBefore) const;
    // Whether a typed character ends a word.
    static bool endsWord(QChar c);

    void ignoreAll(const QString& word);
    // Adds word to the personal list and saves the list. False (the word is still known
    // for this session) when the file could not be written; *error says why.
    bool addToPersonalList(const QString& word, QString* error = nullptr);

    // Changes made by the check running now.
    int changeCount() const { return m_changeCount; }
    void clearChangeCount() { m_changeCount = 0; }
    void countChange() { ++m_changeCount; }

    // The replacement in the letter case of typed: "Teh" gives "The", "TEH" gives "THE".
    static QString inCaseOf(const QString& typed, const QString& replacement);

private:
    struct Pair
    {
        QString word;
        QString replacement;
    };
    void loadFieldWords();
    void loadPersonalList();
    std::optional<Finding> replacementAt(const QString& text, int start, int end) const;
    bool dictionaryKnows(const QString& word) const;
    QByteArray encoded(const QString& word) const;

    std::unique_ptr<Hunspell> m_dictionary;
    bool m_utf8 = true;
    QVector<Pair> m_replacements;
    QHash<QString, int> m_firstByKey; // lower-case key -> index of its first pair
    QSet<QString> m_twoWordStarts;    // lower-case first words of two-word keys
    QSet<QString> m_ignored;
    QStringList m_personalWords;
    mutable QHash<QString, bool> m_known;
    int m_changeCount = 0;
};

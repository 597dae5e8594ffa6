// The thesaurus engine: meanings and synonyms of a word from the en_US MyThes thesaurus.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class MyThes;

class Thesaurus
{
public:
    // The Debian package that brings the thesaurus the engine looks for.
    static const QString kPackage;
    // The path of the thesaurus's index and data files without their extensions; empty
    // when there is none.
    static QString findThesaurus();
    static QString missingThesaurusHint();

    explicit Thesaurus(const QString& base = findThesaurus());
    ~Thesaurus();
    Thesaurus(const Thesaurus&) = delete;
    Thesaurus& operator=(const Thesaurus&) = delete;

    bool isAvailable() const { return bool(m_thesaurus); }

    struct Meaning
    {
        QString definition; // part of speech and the first synonym, as "(noun) trial"
        QStringList synonyms;
    };
    // The meanings of word, looked up as typed and then in lower case; empty when unknown.
    QList<Meaning> lookUp(const QString& word) const;

private:
    QList<Meaning> lookUpExactly(const QString& word) const;

    std::unique_ptr<MyThes> m_thesaurus;
    bool m_utf8 = true;
};

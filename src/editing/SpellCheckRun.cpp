#include "editing/SpellCheckRun.h"

#include "editing/TextWords.h"

SpellCheckRun::SpellCheckRun(SpellEngine& engine, Replace replace, Ask ask)
    : m_engine(engine), m_replace(std::move(replace)), m_ask(std::move(ask))
{
}

void SpellCheckRun::replace(int start, int length, const QString& text)
{
    m_text.replace(start, length, text);
    m_engine.countChange();
    if (m_replace)
        m_replace(start, length, text);
}

bool SpellCheckRun::run(const QString& text)
{
    m_text = text;
    m_changeAllGiven = false;
    int position = 0;
    while (auto finding = m_engine.nextFinding(m_text, position)) {
        if (finding->kind == SpellEngine::Finding::Replace) {
            replace(finding->start, finding->length, finding->replacement);
            position = finding->start + finding->replacement.size();
            continue;
        }
        SpellQuestion question;
        question.word = m_text.mid(finding->start, finding->length);
        question.sentence = TextWords::sentenceAround(m_text, finding->start);
        question.suggestions = m_engine.suggestions(question.word);
        question.start = finding->start;
        question.length = finding->length;
        const SpellAnswer answer = m_ask(question);
        position = finding->start + finding->length;
        switch (answer.code) {
        case SpellAnswer::Cancel:
            return false;
        case SpellAnswer::ChangeAll:
            m_changeAllGiven = true;
            m_engine.addReplacement(question.word, answer.replacement);
            [[fallthrough]];
        case SpellAnswer::Change:
            if (answer.replacement != question.word) {
                replace(finding->start, finding->length, answer.replacement);
                position = finding->start + answer.replacement.size();
            }
            break;
        case SpellAnswer::Ignore:
            break;
        case SpellAnswer::IgnoreAll:
            m_engine.ignoreAll(question.word);
            break;
        case SpellAnswer::Add:
            m_engine.addToPersonalList(question.word, &m_error);
            break;
        }
    }
    return true;
}

// Find-next over a reader's document: whole words, onward from the next start position.
#pragma once

#include <QString>

class QTextDocument;

class FindNext
{
public:
    // A new search text starts over from position 1.
    void setText(const QString& text);
    QString text() const { return m_text; }
    int nextStart() const { return m_next; }
    // The caret's place, where the user left it.
    void setStart(int position) { m_next = position; }

    // Looks for the text as a whole word from the next start position to the end. Returns
    // the match's 0-based position (the next search starts after it), or -1 when the end
    // was reached without one, or the only match lies at position 0; the search then starts over.
    int search(const QTextDocument& document);

private:
    QString m_text;
    int m_next = 1;
};

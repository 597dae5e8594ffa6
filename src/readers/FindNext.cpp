#include "readers/FindNext.h"

#include <QTextCursor>
#include <QTextDocument>

void FindNext::setText(const QString& text)
{
    m_text = text;
    m_next = 1;
}

int FindNext::search(const QTextDocument& document)
{
    const QTextCursor found =
        m_text.isEmpty() ? QTextCursor() : document.find(m_text, m_next, QTextDocument::FindWholeWords);
    const int position = found.isNull() ? -1 : found.selectionStart();
    if (position > 0) {
        m_next = position + int(m_text.size());
        return position;
    }
    m_next = 1;
    return -1;
}

#include "editing/SpellingUnderliner.h"

#include "editing/SpellEngine.h"

#include <QEvent>
#include <QTextBlock>
#include <QTextDocument>

SpellingUnderliner::SpellingUnderliner(const SpellEngine& engine, QTextEdit* editor)
    : QObject(editor), m_engine(engine), m_editor(editor)
{
    m_format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    m_format.setUnderlineColor(Qt::red);
    connect(editor->document(), &QTextDocument::contentsChange, this, &SpellingUnderliner::contentsChanged);
    editor->installEventFilter(this);
    refreshAll();
}

bool SpellingUnderliner::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_editor && event->type() == QEvent::ReadOnlyChange)
        refreshAll();
    return QObject::eventFilter(object, event);
}

void SpellingUnderliner::refreshAll()
{
    contentsChanged(0, 0, m_editor->document()->characterCount());
}

void SpellingUnderliner::contentsChanged(int position, int /*removed*/, int added)
{
    // The editor's layout follows the change only after this signal: the marks are made
    // again once the change is complete. Cursors keep the range right through later edits.
    QTextDocument* document = m_editor->document();
    const bool queued = !m_pendingStart.isNull();
    if (!queued || position < m_pendingStart.position()) {
        m_pendingStart = QTextCursor(document);
        m_pendingStart.setPosition(qMin(position, document->characterCount() - 1));
    }
    if (!queued || position + added > m_pendingEnd.position()) {
        m_pendingEnd = QTextCursor(document);
        m_pendingEnd.setPosition(qMin(position + added, document->characterCount() - 1));
    }
    if (!queued)
        QMetaObject::invokeMethod(this, &SpellingUnderliner::updatePending, Qt::QueuedConnection);
}

void SpellingUnderliner::updatePending()
{
    if (m_pendingStart.isNull())
        return;
    const QTextDocument* document = m_editor->document();
    const QTextBlock first = document->findBlock(m_pendingStart.position());
    QTextBlock last = document->findBlock(m_pendingEnd.position());
    m_pendingStart = QTextCursor();
    m_pendingEnd = QTextCursor();
    if (!last.isValid())
        last = document->lastBlock();
    const int from = first.isValid() ? first.position() : 0;
    const int to = last.position() + last.length();
    // Marks in the changed paragraphs, or emptied by a deletion, are made again.
    m_marks.erase(std::remove_if(m_marks.begin(), m_marks.end(),
                                 [from, to](const QTextEdit::ExtraSelection& mark) {
                                     const int start = mark.cursor.selectionStart();
                                     return !mark.cursor.hasSelection() || (start >= from && start < to);
                                 }),
                  m_marks.end());
    underline(from, to);
}

void SpellingUnderliner::underline(int from, int to)
{
    if (m_editor->isReadOnly() || !m_engine.isAvailable()) {
        m_marks.clear();
        m_editor->setExtraSelections(m_marks);
        return;
    }
    QTextDocument* document = m_editor->document();
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        const QList<SpellEngine::Misspelling> found = m_engine.findMisspellings(block.text());
        for (const SpellEngine::Misspelling& m : found) {
            QTextEdit::ExtraSelection mark;
            mark.format = m_format;
            mark.cursor = QTextCursor(document);
            mark.cursor.setPosition(block.position() + m.start);
            mark.cursor.setPosition(block.position() + m.start + m.length, QTextCursor::KeepAnchor);
            m_marks.append(mark);
        }
    }
    m_editor->setExtraSelections(m_marks);
}

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

void SpellingUnderliner::contentsChanged(int position, int removed, int added)
{
    // The editor's layout follows the change only after this signal, and no cursor may be
    // made or dropped while the document reports it: the marks are made again once the
    // change is complete, over the range changed since, shifted by later changes.
    if (m_pendingFrom < 0) {
        m_pendingFrom = position;
        m_pendingTo = position + added;
        QMetaObject::invokeMethod(this, &SpellingUnderliner::updatePending, Qt::QueuedConnection);
        return;
    }
    if (m_pendingTo >= position)
        m_pendingTo = qMax(position, m_pendingTo + added - removed);
    m_pendingFrom = qMin(m_pendingFrom, position);
    m_pendingTo = qMax(m_pendingTo, position + added);
}

void SpellingUnderliner::updatePending()
{
    if (m_pendingFrom < 0)
        return;
    const QTextDocument* document = m_editor->document();
    const int last = document->characterCount() - 1;
    const QTextBlock first = document->findBlock(qBound(0, m_pendingFrom, last));
    const QTextBlock lastChanged = document->findBlock(qBound(0, m_pendingTo, last));
    m_pendingFrom = m_pendingTo = -1;
    const int from = first.position();
    const int to = lastChanged.position() + lastChanged.length();
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

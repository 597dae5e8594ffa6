#include "editing/TypingCorrector.h"

#include "editing/SpellEngine.h"
#include "richtext/RichTextBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBlock>

TypingCorrector::TypingCorrector(SpellEngine& engine, QObject* parent) : QObject(parent), m_engine(engine) {}

void TypingCorrector::watch(QWidget* box)
{
    if (box == m_watched)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    disconnect(m_editorConnection);
    m_watched = box;
    if (auto* editor = qobject_cast<RichTextBox*>(box))
        m_editorConnection = connect(editor, &RichTextBox::keyPress, this, &TypingCorrector::editorKeyPress);
    else if (box)
        box->installEventFilter(this);
}

void TypingCorrector::editorKeyPress(QString* text)
{
    auto* editor = qobject_cast<RichTextBox*>(m_watched);
    if (!editor || editor->isReadOnly() || text->size() != 1 || !SpellEngine::endsWord(text->at(0)))
        return;
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection())
        return;
    const QTextBlock block = cursor.block();
    const auto correction = m_engine.correctionAtEnd(block.text().left(cursor.positionInBlock()));
    if (!correction)
        return;
    // The typed character goes in first, and the correction as a step of its own, so that
    // one undo right after it brings back the word as it was typed. A line end is left to
    // the editor, which knows how to start a paragraph.
    const bool lineEnd = text->at(0) == QLatin1Char('\r') || text->at(0) == QLatin1Char('\n');
    if (!lineEnd)
        cursor.insertText(*text);
    QTextCursor word(editor->document());
    word.setPosition(block.position() + correction->start);
    word.setPosition(block.position() + correction->start + correction->length, QTextCursor::KeepAnchor);
    word.beginEditBlock();
    word.insertText(correction->replacement);
    word.endEditBlock();
    editor->setTextCursor(cursor);
    if (!lineEnd)
        text->clear();
}

bool TypingCorrector::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && object == m_watched) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && SpellEngine::endsWord(typed.at(0)) && typed.at(0).isPrint())
            if (auto* box = qobject_cast<QLineEdit*>(m_watched))
                correctLineEdit(box);
    }
    return QObject::eventFilter(object, event);
}

void TypingCorrector::correctLineEdit(QLineEdit* box)
{
    if (box->isReadOnly() || box->hasSelectedText())
        return;
    const int caret = box->cursorPosition();
    const auto correction = m_engine.correctionAtEnd(box->text().left(caret));
    if (!correction)
        return;
    box->setSelection(correction->start, correction->length);
    box->insert(correction->replacement);
}

// Red wavy underlines under the words the spell engine does not know, kept up to date as the
// user types. They are extra selections of the editor, drawn only: the document, and so its
// RTF and its changed state, never hold them. A read-only editor shows none.
#pragma once

#include <QObject>
#include <QTextEdit>

class SpellEngine;

class SpellingUnderliner : public QObject
{
    Q_OBJECT
public:
    SpellingUnderliner(const SpellEngine& engine, QTextEdit* editor);

    int underlinedCount() const { return m_marks.size(); }
    // Brings the marks up to date with the changes made so far (they follow on their own
    // once the event loop runs).
    void updatePending();
    // Marks the whole text again, as after the engine learnt or was told to ignore words.
    void refreshAll();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void contentsChanged(int position, int removed, int added);
    void underline(int from, int to);

    const SpellEngine& m_engine;
    QTextEdit* m_editor;
    QTextCharFormat m_format;
    QList<QTextEdit::ExtraSelection> m_marks;
    int m_pendingFrom = -1; // the range changed since the last update; -1 when none
    int m_pendingTo = -1;
};

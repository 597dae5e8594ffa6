// Correction as you type: applies the engine's replacement list to the word just typed in
// the one edit box it watches, the worksheet editor or a single-line entry box.
#pragma once

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;
class RichTextBox;
class SpellEngine;

class TypingCorrector : public QObject
{
    Q_OBJECT
public:
    explicit TypingCorrector(SpellEngine& engine, QObject* parent = nullptr);

    // From now on corrects what is typed in box (a RichTextBox or a QLineEdit); the last
    // call wins, and the box stays watched after it loses the focus.
    void watch(QWidget* box);
    QWidget* watched() const { return m_watched; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void editorKeyPress(QString* text);
    void correctLineEdit(QLineEdit* box);

    SpellEngine& m_engine;
    QPointer<QWidget> m_watched;
    QMetaObject::Connection m_editorConnection;
};

// Every message box the program shows goes through here, so tests can answer them.
#pragma once

#include "base/MessageKinds.h"

#include <QList>
#include <QString>

class QWidget;

namespace Messages {

struct Shown
{
    QWidget* owner; // the window the box belongs to (may be gone by the time a test reads it)
    QString text;   // as the program wrote it, with CR line breaks
    QString title;
    Buttons buttons;
    Icon icon;
    Answer defaultAnswer;
};

// Shows a modal message box over the window of owner, the screen that asks (null only where
// no screen is involved). Line breaks in text are carriage returns. Without an explicit
// default, Yes/No/Cancel questions default to No, the others to their first button.
Answer show(QWidget* owner, const QString& text, const QString& title, Buttons buttons, Icon icon);
Answer show(QWidget* owner, const QString& text, const QString& title, Buttons buttons, Icon icon,
            Answer defaultAnswer);

// Test scripting: while scripted, no box appears; each message takes the next queued
// answer (or its default when the queue is empty) and is recorded.
void setScripted(bool scripted);
void queueAnswer(Answer answer);
QList<Shown> takeShown();
QList<Shown> shown();

} // namespace Messages

#include "base/Messages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QQueue>

namespace {

struct Script
{
    bool scripted = false;
    QQueue<Messages::Answer> answers;
    QList<Messages::Shown> shown;
};

Script& script()
{
    static Script s;
    return s;
}

QMessageBox::StandardButton toStandard(Messages::Answer answer)
{
    switch (answer) {
    case Messages::Answer::Ok:
        return QMessageBox::Ok;
    case Messages::Answer::Yes:
        return QMessageBox::Yes;
    case Messages::Answer::No:
        return QMessageBox::No;
    case Messages::Answer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Messages::Answer fromStandard(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Messages::Answer::Yes;
    case QMessageBox::No:
        return Messages::Answer::No;
    case QMessageBox::Cancel:
        return Messages::Answer::Cancel;
    default:
        return Messages::Answer::Ok;
    }
}

QMessageBox::Icon toQtIcon(Messages::Icon icon)
{
    switch (icon) {
    case Messages::Icon::Information:
        return QMessageBox::Information;
    case Messages::Icon::Question:
        return QMessageBox::Question;
    case Messages::Icon::Exclamation:
        return QMessageBox::Warning;
    case Messages::Icon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Messages::Answer defaultFor(Messages::Buttons buttons)
{
    switch (buttons) {
    case Messages::Buttons::Ok:
        return Messages::Answer::Ok;
    case Messages::Buttons::YesNo:
    case Messages::Buttons::YesNoByChoiceOnly:
        return Messages::Answer::Yes;
    case Messages::Buttons::YesNoCancel:
        return Messages::Answer::No;
    case Messages::Buttons::OkCancel:
        return Messages::Answer::Ok;
    }
    return Messages::Answer::Ok;
}

// Keeps a box open against Esc and its close button. QMessageBox takes No as the escape
// button of a Yes/No box and offers no way to have none.
class EscapeRefusal : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            return true;
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

namespace Messages {

Answer show(QWidget* owner, const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    return show(owner, text, title, buttons, icon, defaultFor(buttons));
}

Answer show(QWidget* owner, const QString& text, const QString& title, Buttons buttons, Icon icon, Answer defaultAnswer)
{
    Script& s = script();
    if (s.scripted) {
        s.shown.append({owner, text, title, buttons, icon, defaultAnswer});
        return s.answers.isEmpty() ? defaultAnswer : s.answers.dequeue();
    }
    QMessageBox box(toQtIcon(icon), title, QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, owner ? owner->window() : nullptr);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoByChoiceOnly:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.installEventFilter(new EscapeRefusal(&box));
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(toStandard(defaultAnswer));
    const int result = box.exec();
    // Closing a Yes/No/Cancel box with its close button or Esc answers Cancel.
    return fromStandard(result);
}

void setScripted(bool scripted)
{
    script().scripted = scripted;
}

void queueAnswer(Answer answer)
{
    script().answers.enqueue(answer);
}

QList<Shown> takeShown()
{
    QList<Shown> list = script().shown;
    script().shown.clear();
    return list;
}

QList<Shown> shown()
{
    return script().shown;
}

} // namespace Messages

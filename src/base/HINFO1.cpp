#include "base/HINFO1.h"

#include "base/Clock.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

namespace HINFO1 {

State& state()
{
    static State s;
    return s;
}

void busyOn()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void busyOff()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void pauseTwoSeconds()
{
    auto secondsLeft = [] { return 60 - Clock::now().time().second(); };
    const int start = secondsLeft();
    // Across a minute boundary the count of seconds left jumps from 1 back to 60.
    const int target = start <= 2 ? -58 : 2;
    // A clock set back or a suspended machine could skip the awaited second; never wait
    // much longer than the pause was meant to last.
    QElapsedTimer guard;
    guard.start();
    while (start - secondsLeft() != target) {
        if (guard.elapsed() > 3000)
            break;
        // Windows keep their paint (the splash above all) but take no input meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
}

// Linux file systems have no hidden attribute: the documents stay visible in the
// program folder throughout, and nothing else in the program depends on it.
void showReferenceDocuments() {}
void hideReferenceDocuments() {}

} // namespace HINFO1

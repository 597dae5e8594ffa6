#include "base/ProgramEnd.h"

#include "base/HINFO1.h"

#include <QApplication>
#include <QWidget>

namespace {

bool g_ending = false;

std::function<void()>& terminator()
{
    static std::function<void()> fn;
    return fn;
}

} // namespace

namespace ProgramEnd {

void endProgram()
{
    g_ending = true;
    HINFO1::hideReferenceDocuments();
    QCoreApplication::processEvents();
    if (terminator()) {
        terminator()();
        return;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    QCoreApplication::exit(0);
}

bool isEnding()
{
    return g_ending;
}

void setTerminator(std::function<void()> fn)
{
    terminator() = std::move(fn);
    g_ending = false;
}

} // namespace ProgramEnd

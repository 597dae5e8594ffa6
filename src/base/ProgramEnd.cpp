#include "base/ProgramEnd.h"

#include "base/HINFO1.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

namespace {

bool g_ending = false;

std::function<void()>& terminator()
{
    static std::function<void()> fn;
    return fn;
}

std::function<void(int)>& viewer()
{
    static std::function<void(int)> fn;
    return fn;
}

std::function<bool(const QString&)>& opener()
{
    static std::function<bool(const QString&)> fn;
    return fn;
}

std::function<void(QWidget*)>& aboutBox()
{
    static std::function<void(QWidget*)> fn;
    return fn;
}

int g_lastContext = 0;

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

namespace Help {

void openContents()
{
    openContext(0);
}

void openContext(int context)
{
    g_lastContext = context;
    if (viewer())
        viewer()(context);
}

int lastContext()
{
    return g_lastContext;
}

void setViewer(std::function<void(int)> fn)
{
    viewer() = std::move(fn);
}

void openAbout(QWidget* owner)
{
    if (aboutBox())
        aboutBox()(owner);
}

void setAboutBox(std::function<void(QWidget*)> fn)
{
    aboutBox() = std::move(fn);
}

} // namespace Help

namespace WebLinks {

bool openWebPage(const QString& address)
{
    if (opener())
        return opener()(address);
    return QDesktopServices::openUrl(QUrl(address));
}

void setOpener(std::function<bool(const QString&)> fn)
{
    opener() = std::move(fn);
}

} // namespace WebLinks

#include "base/Help.h"

namespace {

std::function<void(int)>& viewer()
{
    static std::function<void(int)> fn;
    return fn;
}

std::function<void(QWidget*)>& aboutBox()
{
    static std::function<void(QWidget*)> fn;
    return fn;
}

} // namespace

namespace Help {

void openContents()
{
    openContext(0);
}

void openContext(int context)
{
    if (viewer())
        viewer()(context);
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

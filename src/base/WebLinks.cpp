#include "base/WebLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

std::function<bool(const QString&)>& opener()
{
    static std::function<bool(const QString&)> fn;
    return fn;
}

} // namespace

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

// Web pages every screen can open with the desktop's default browser.
#pragma once

#include <QString>
#include <functional>

namespace WebLinks {

inline const QString kMakerWebSite = QStringLiteral("https://www.tessaly.org");

// Asks the desktop to open an address with its default handler; false when it could not.
bool openWebPage(const QString& address);
// Tests replace the desktop; an empty function restores it.
void setOpener(std::function<bool(const QString&)> opener);

} // namespace WebLinks

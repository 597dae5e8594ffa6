// Ending the program, and the help file and web pages every screen can open.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ProgramEnd {

// Hides the reference documents, lets pending events run and ends the process at once,
// without further prompts and without writing anything.
void endProgram();
bool isEnding();

// Tests replace what "end the process" means; an empty function restores it.
void setTerminator(std::function<void()> terminator);

} // namespace ProgramEnd

namespace Help {

constexpr int kProgramOverview = 1000;

// Opens Tessaly.hlp at its contents or at a numeric context, through the viewer that
// the program supplies (the help window; tests supply their own).
void openContents();
void openContext(int context);
// The context most recently asked for (0 for the contents).
int lastContext();
void setViewer(std::function<void(int context)> viewer);

// The About box, supplied by the program the same way.
void openAbout(QWidget* owner);
void setAboutBox(std::function<void(QWidget* owner)> aboutBox);

} // namespace Help

namespace WebLinks {

inline const QString kMakerWebSite = QStringLiteral("https://www.tessaly.org");

// Asks the desktop to open an address with its default handler; false when it could not.
bool openWebPage(const QString& address);
void setOpener(std::function<bool(const QString&)> opener);

} // namespace WebLinks

// The help file and the About box, which every screen can open through the viewers the
// program supplies (the help window and its About box; tests supply their own).
#pragma once

#include <functional>

class QWidget;

namespace Help {

constexpr int kProgramOverview = 1000;

// Opens Tessaly.hlp at its contents or at a numeric context.
void openContents();
void openContext(int context);
void setViewer(std::function<void(int context)> viewer);

void openAbout(QWidget* owner);
void setAboutBox(std::function<void(QWidget* owner)> aboutBox);

} // namespace Help

// Program-wide state and the small routines every screen shares.
#pragma once

#include <QColor>

namespace HINFO1 {

enum DisplayMode : short
{
    FullScreenDisplay = 0,
    SmallerScreenDisplay = 9
};

// The screen a tab press asked for: 0 Action Area, 1 Information Advisor,
// 2 Security Rule, 3 Miscellaneous, 4 Exit Program.
enum ScreenRequest : short
{
    ActionAreaScreen = 0,
    InformationAdvisorScreen,
    SecurityRuleScreen,
    MiscellaneousScreen,
    ExitProgram
};

struct State
{
    short displayMode = FullScreenDisplay;
    short splashShown = 0;    // 99 once the splash has been shown in this run
    int startScreenWidth = 0; // twips
    int startScreenHeight = 0;
    QColor backgroundColour;
    bool backgroundIsSystemDefault = false;
    short pendingScreenRequest = ActionAreaScreen;
    short backupRestoreMode = 0; // 0 backup, 1 restore: what the backup screen does when it opens
};

State& state();

// Hourglass pointer for the whole application, and back to the normal pointer.
void busyOn();
void busyOff();

// Waits until the clock's seconds have moved on by two. Meanwhile windows are repainted,
// but no input is taken.
void pauseTwoSeconds();

// Reference documents Misc0-63.Hlp and Pr0-24.Hlp: visible while the program runs,
// hidden when it ends.
void showReferenceDocuments();
void hideReferenceDocuments();

// Twips, the unit of stored window sizes: 15 twips to a pixel on screen.
constexpr int kTwipsPerPixel = 15;

} // namespace HINFO1

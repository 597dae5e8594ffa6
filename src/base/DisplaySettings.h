// The program's two settings files, GColor3.Fil (20-byte records: the grids' background in
// record 2, the guide lines in 11, the display mode in 35) and HINV3.Fil (10-byte records: the
// background colour in record 3), and the settings this folder reads and writes in them.
#pragma once

#include "base/HINFO1.h"
#include "base/RecordFile.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace DisplaySettings {

constexpr int kDisplayModeRecord = 35;
constexpr int kBackgroundRecord = 3;
inline const QString kGridFile = QStringLiteral("GColor3.Fil");
inline const QString kColourFile = QStringLiteral("HINV3.Fil");
RecordFile gridFile();
RecordFile colourFile();

// Smaller Screen Display when the trimmed text of record 35 begins with "Yes";
// anything else, a missing file included, means Full Screen Display.
HINFO1::DisplayMode readDisplayMode();
bool writeDisplayMode(HINFO1::DisplayMode mode);

struct Background
{
    bool systemDefault = false; // "Def": the system's window colour, whatever it is at the time
    QColor colour;              // valid unless systemDefault
};

// Empty or unreadable record: blue (colour number 0xFF0000, red in the low byte).
Background readBackground();
bool writeBackgroundColour(const QColor& colour);
bool writeBackgroundSystemDefault();

// The type of a work screen's controls: slightly smaller in the 800 x 600 window of Smaller
// Screen Display, so that their captions stay whole.
QFont screenFont(const QFont& normal, HINFO1::DisplayMode mode);

// Colour numbers as stored: 0x00BBGGRR.
QColor colourFromNumber(std::int32_t number);
std::int32_t numberFromColour(const QColor& colour);

} // namespace DisplaySettings

// The grids' background choice: none (0) or one of the pictures WP1.jpg to WP8.jpg,
// kept as record 2 of GColor3.Fil.
#pragma once

#include <QImage>
#include <QString>

namespace GridBackground {

constexpr int kChoices = 9; // 0 and 1 to 8
constexpr int kChoiceRecord = 2;

// The stored choice; a missing file, record, empty or unreadable text gives 0.
int readChoice();
// Writes the choice with its sign blank (" 3") and leaves every other record as it was.
bool writeChoice(int choice, QString* error = nullptr);

// "" for 0, "WP3" for 3.
QString backgroundName(int choice);
// Whether a background name stands for a picture (it begins with "WP", letter case ignored).
bool isPicture(const QString& backgroundName);
// "WP3.jpg"; empty for 0.
QString pictureFileName(int choice);
// The picture of a choice from the program folder; a null image when there is none.
QImage loadPicture(int choice);

} // namespace GridBackground

// The look of a row of buttons: the chosen one bright blue and flat, the others black with a bevel.
#pragma once

#include <QList>

class QAbstractButton;

namespace ButtonLook {

// Bright blue, colour 9 of the 16-colour palette.
constexpr unsigned kChosenRgb = 0x0000FF;

// Text colour only (tab buttons).
void setChosenColour(QAbstractButton* button, bool chosen);
// Colour and bevel (left-hand buttons); with bold, also weight (safeguard buttons).
void setChosen(QAbstractButton* button, bool chosen, bool boldWhenChosen = false);
void chooseInRow(const QList<QAbstractButton*>& row, QAbstractButton* chosen, bool boldWhenChosen = false);

bool isChosen(const QAbstractButton* button);
int bevelWidth(const QAbstractButton* button);

} // namespace ButtonLook

// "&Font Display": the font of the selected text of a reader's document, chosen in a font dialog.
#pragma once

#include <QColor>
#include <QFont>
#include <functional>

class QWidget;
class RichTextBox;

namespace FontDisplay {

// Asks for a font, preset to *font and *colour; false when the user cancels.
using Chooser = std::function<bool(QWidget* owner, QFont* font, QColor* colour)>;
// Tests replace the dialog; an empty function restores it.
void setChooser(Chooser chooser);

// With nothing selected, says "Please select text to change." and opens no dialog.
void changeSelectionFont(RichTextBox* box, QWidget* owner);

} // namespace FontDisplay

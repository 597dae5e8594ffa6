// The font and copy commands of every screen with a rich-text document: "&Font Select" and
// "&Copy to Clipboard" in the Action Area, "&Font Display" and the copy command of the readers.
#pragma once

class QWidget;
class RichTextBox;

namespace DocumentCommands {

// Offers the selection's font (with nothing selected, the font of what is typed next) in the
// font dialog of EditingDialogs and gives the selection the font chosen. The selection, or the
// insertion point, stays where it was.
void chooseSelectionFont(RichTextBox* box, QWidget* owner);

// Puts the whole document on the clipboard as rich text, and nothing else, then says so.
void copyWholeDocument(const RichTextBox* box, QWidget* owner);

} // namespace DocumentCommands

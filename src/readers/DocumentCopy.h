// Copies a reader's whole document to the clipboard as rich text, with a plain-text form.
#pragma once

class QWidget;
class RichTextBox;

namespace DocumentCopy {

// Then says "A copy has been copied to the Windows Clipboard."
void copyWholeDocument(const RichTextBox* box, QWidget* owner);

} // namespace DocumentCopy

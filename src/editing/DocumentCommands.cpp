#include "editing/DocumentCommands.h"

#include "base/Messages.h"
#include "editing/EditingDialogs.h"
#include "editing/RtfClipboard.h"
#include "richtext/RichTextBox.h"

#include <QTextCursor>

namespace DocumentCommands {

void chooseSelectionFont(RichTextBox* box, QWidget* owner)
{
    const int start = box->selStart();
    const int length = box->selLength();
    EditingDialogs::FontChoice initial;
    if (length != 0) {
        // The dialog starts from the font of the selection's first character.
        QTextCursor first(box->document());
        first.setPosition(box->textCursor().selectionStart() + 1);
        initial.font = first.charFormat().font();
    } else {
        initial.font = box->defaultFont();
    }
    initial.colour = box->selColor();
    if (const auto choice = EditingDialogs::fontChooser()(initial, owner)) {
        box->setSelFontName(choice->font.family());
        box->setSelFontSize(choice->font.pointSizeF());
        box->setSelBold(choice->font.bold());
        box->setSelItalic(choice->font.italic());
        box->setSelUnderline(choice->font.underline());
        box->setSelStrikeThru(choice->font.strikeOut());
        box->setSelColor(choice->colour);
    }
    // Moving the insertion point would drop the format chosen for what is typed next.
    if (length == 0) {
        if (box->selStart() != start || box->selLength() != 0)
            box->setSelStart(start);
    } else {
        box->setSelStart(start);
        box->setSelLength(length);
    }
    box->setFocus();
}

void copyWholeDocument(const RichTextBox* box, QWidget* owner)
{
    RtfClipboard::copy(box->documentRtf());
    Messages::show(owner, QStringLiteral("A copy has been copied to the Windows Clipboard."),
                   QStringLiteral("Copy Option"), Messages::Buttons::Ok, Messages::Icon::Information);
}

} // namespace DocumentCommands

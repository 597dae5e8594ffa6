#include "readers/FontDisplay.h"

#include "base/Messages.h"
#include "richtext/RichTextBox.h"

#include <QFontDialog>

namespace {

bool askWithDialog(QWidget* owner, QFont* font, QColor* colour)
{
    Q_UNUSED(colour); // the dialog offers no colour; the selection keeps its own
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, *font, owner, QStringLiteral("Font"));
    if (accepted)
        *font = chosen;
    return accepted;
}

FontDisplay::Chooser& chooser()
{
    static FontDisplay::Chooser current = askWithDialog;
    return current;
}

} // namespace

namespace FontDisplay {

void setChooser(Chooser replacement)
{
    chooser() = replacement ? std::move(replacement) : Chooser(askWithDialog);
}

void changeSelectionFont(RichTextBox* box, QWidget* owner)
{
    const int start = box->selStart();
    const int length = box->selLength();
    if (length == 0) {
        Messages::show(owner, QStringLiteral("Please select text to change."), QStringLiteral("Font Display"),
                       Messages::Buttons::Ok, Messages::Icon::Information);
        return;
    }
    QFont font(box->selFontName());
    font.setPointSizeF(box->selFontSize());
    font.setBold(box->selBold());
    font.setItalic(box->selItalic());
    font.setUnderline(box->selUnderline());
    font.setStrikeOut(box->selStrikeThru());
    QColor colour = box->selColor();
    if (chooser()(owner, &font, &colour)) {
        box->setSelFontName(font.family());
        box->setSelFontSize(font.pointSizeF());
        box->setSelBold(font.bold());
        box->setSelItalic(font.italic());
        box->setSelUnderline(font.underline());
        box->setSelStrikeThru(font.strikeOut());
        box->setSelColor(colour);
    }
    box->setSelStart(start);
    box->setSelLength(length);
    box->setFocus();
}

} // namespace FontDisplay

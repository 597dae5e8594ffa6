#include "worksheets/TemplateInsertion.h"

#include "base/Messages.h"
#include "richtext/RichTextBox.h"

namespace TemplateInsertion {

namespace {

// Whether the user already has something in the file that the template would replace.
bool userHasDocument(const Request& request)
{
    if (request.existingFile.isEmpty())
        return true;
    RichTextBox scratch;
    if (!RichTextBox::isShown(scratch.loadFile(request.existingFile)))
        return false;
    return !request.onlyTextCounts || !scratch.text().trimmed().isEmpty();
}

} // namespace

bool insert(RichTextBox* editor, QWidget* owner, const Request& request)
{
    if (userHasDocument(request) &&
        Messages::show(owner, request.question, request.title, Messages::Buttons::YesNoCancel,
                       Messages::Icon::Exclamation, Messages::Answer::No) != Messages::Answer::Yes)
        return false;
    return RichTextBox::isShown(editor->loadFile(request.templateFile));
}

} // namespace TemplateInsertion

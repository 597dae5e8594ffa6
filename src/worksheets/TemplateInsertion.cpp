#include "worksheets/TemplateInsertion.h"

#include "base/Messages.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"

#include <QTextDocument>

namespace TemplateInsertion {

namespace {

// Whether the user already has something in the file that the template would replace.
bool userHasDocument(const Request& request)
{
    if (request.existingFile.isEmpty())
        return true;
    QTextDocument scratch;
    if (!DocumentFile::isShown(DocumentFile::read(request.existingFile, &scratch)))
        return false;
    return !request.onlyTextCounts || !scratch.toPlainText().trimmed().isEmpty();
}

} // namespace

bool insert(RichTextBox* editor, QWidget* owner, const Request& request)
{
    if (userHasDocument(request) &&
        Messages::show(owner, request.question, request.title, Messages::Buttons::YesNoCancel,
                       Messages::Icon::Exclamation, Messages::Answer::No) != Messages::Answer::Yes)
        return false;
    if (!DocumentFile::isShown(DocumentFile::read(request.templateFile, editor->document())))
        return false;
    editor->moveCursor(QTextCursor::Start);
    return true;
}

} // namespace TemplateInsertion

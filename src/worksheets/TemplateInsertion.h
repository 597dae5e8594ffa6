// Loading a template into the editor in place of the user's own document: at once when there
// is nothing of the user's to lose, after a question otherwise. The editor's change marks the
// document as changed, so the user's file is replaced only when they save.
#pragma once

#include <QString>

class QWidget;
class RichTextBox;

namespace TemplateInsertion {

struct Request
{
    QString templateFile;
    // The user's document the template would replace; empty to ask whatever there is.
    QString existingFile;
    // False: any existing file counts as the user's. True: only one that holds text does.
    bool onlyTextCounts = false;
    QString question;
    QString title;
};

// True when the template was loaded. A missing template leaves the editor as it was.
bool insert(RichTextBox* editor, QWidget* owner, const Request& request);

} // namespace TemplateInsertion

// The command that makes the compliance binder: it asks for the practice's name and where the
// PDF goes, lays the binder out under a progress bar that can cancel it, adds its bookmarks and
// writes the file, then says where it is and how many pages it has.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace BinderCommand {

struct Choice
{
    QString practiceName;
    QString path; // the PDF file to write
};

// Asks for the practice's name (starting from the last one used) and the file; nothing when
// the user cancelled. Replaceable, so that tests can answer.
using Chooser =
    std::function<std::optional<Choice>(const QString& lastPractice, const QString& suggestedPath, QWidget* parent)>;
Chooser& chooser();

void run(QWidget* screen);

} // namespace BinderCommand

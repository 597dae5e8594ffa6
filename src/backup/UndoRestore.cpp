#include "backup/UndoRestore.h"

#include "backup/RestoreSnapshot.h"
#include "base/Messages.h"

namespace {

const QString kTitle = QStringLiteral("Undo Last Restore");

void bringBack(QWidget* screen)
{
    QString error;
    if (RestoreSnapshot::undo(&error)) {
        Messages::show(screen, QStringLiteral("Your User Created Files are back as they were before the restore."),
                       kTitle, Messages::Buttons::Ok, Messages::Icon::Information);
    } else {
        Messages::show(screen,
                       error + QStringLiteral("\r\rThey are still kept in that folder inside the program folder."),
                       kTitle, Messages::Buttons::Ok, Messages::Icon::Exclamation);
    }
}

} // namespace

namespace UndoRestore {

void run(QWidget* screen)
{
    if (!RestoreSnapshot::exists()) {
        Messages::show(screen, QStringLiteral("There is no restore to undo."), kTitle, Messages::Buttons::Ok,
                       Messages::Icon::Information);
        return;
    }
    const QString question =
        QStringLiteral("Bring back the User Created Files as they were before the last restore?\r(They were kept in "
                       "\"%1\".)\r\rThe files that restore brought in will be removed.")
            .arg(RestoreSnapshot::latest());
    if (Messages::show(screen, question, kTitle, Messages::Buttons::YesNoCancel, Messages::Icon::Question) ==
        Messages::Answer::Yes)
        bringBack(screen);
}

void offerAfterInterruption(QWidget* screen)
{
    if (!RestoreSnapshot::isUnfinished())
        return;
    const QString question = QStringLiteral("The last restore of the User Created Files did not finish, so some of "
                                            "your files may be missing.\r\rBring back your files as they were "
                                            "before that restore?");
    switch (Messages::show(screen, question, kTitle, Messages::Buttons::YesNoCancel, Messages::Icon::Exclamation)) {
    case Messages::Answer::Yes:
        bringBack(screen);
        break;
    case Messages::Answer::No:
        RestoreSnapshot::markFinished();
        break;
    default:
        break; // asked again at the next start
    }
}

} // namespace UndoRestore

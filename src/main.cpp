// Tessaly: a workbook that guides a small practice through the HIPAA Security Rule.
// This is the one place that knows every screen: it wires the start screen to the Action Area,
// the Action Area to the reader screens, and every screen's Utilities menu to the backup screen.
#include "actionarea/WorkArea1.h"
#include "app/CommandLine.h"
#include "app/ProgramSetup.h"
#include "app/ReaderScreens.h"
#include "app/Startfrm.h"
#include "app/WorkbookOpening.h"
#include "backup/Backup1.h"
#include "backup/RestoreSnapshot.h"
#include "backup/UndoRestore.h"
#include "base/Messages.h"
#include "base/UtilityActions.h"
#include "base/WorkbookAccess.h"
#include "base/WorkbookLock.h"
#include "binder/BinderCommand.h"
#include "register/RiskRegisterDialog.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral("6.0a"));
    QApplication::setOrganizationDomain(QStringLiteral("tessaly.org"));
    CommandLine::answerWithoutWindow(argc, argv);
    QApplication app(argc, argv);
    // The workbook lives beside the executable (portable), or in the user's own data folder.
    std::unique_ptr<WorkbookLock> workbookLock;
    if (!WorkbookOpening::open(&workbookLock))
        return 1;
    ProgramSetup::configure();
    std::unique_ptr<WorkArea1> actionArea;
    using UtilityActions::Utility;
    UtilityActions::handlers() = {
        [&actionArea](Utility utility, QWidget* screen) {
            // The binder only reads the workbook.
            if (utility == Utility::ComplianceBinder) {
                BinderCommand::run(screen);
                return;
            }
            if (utility == Utility::RiskRegister) {
                RiskRegisterDialog dialog(screen);
                dialog.exec();
                if (actionArea)
                    actionArea->workbookChangedOutside();
                return;
            }
            if (utility != Utility::Backup && WorkbookAccess::isReadOnly()) {
                Messages::show(screen,
                               QStringLiteral("The workbook cannot be restored from this copy of Tessaly. ") +
                                   WorkbookAccess::readOnlyReason(),
                               QStringLiteral("Workbook Read-Only"), Messages::Buttons::Ok,
                               Messages::Icon::Exclamation);
                return;
            }
            if (utility == Utility::UndoRestore)
                UndoRestore::run(screen);
            else
                Backup1::open(utility == Utility::Backup ? Backup1::BackupMode : Backup1::RestoreMode, screen);
        },
        [](Utility utility) { return utility != Utility::UndoRestore || RestoreSnapshot::exists(); }};

    Startfrm startScreen;
    QObject::connect(&startScreen, &Startfrm::beginRequested, [&] {
        if (!actionArea) {
            actionArea = std::make_unique<WorkArea1>(&startScreen);
            new ReaderScreens(actionArea.get());
        }
        actionArea->show();
        actionArea->raise();
        actionArea->activateWindow();
    });
    startScreen.show();
    startScreen.activate();
    if (!WorkbookAccess::isReadOnly())
        UndoRestore::offerAfterInterruption(&startScreen);
    const int exitCode = QApplication::exec();
    actionArea.reset(); // before the start screen it points back to
    return exitCode;
}

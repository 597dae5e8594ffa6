// Tessaly: a workbook that guides a small practice through the HIPAA Security Rule.
// This is the one place that knows every screen: it wires the start screen to the Action Area,
// the Action Area to the reader screens, and every screen's Utilities menu to the backup screen.
#include "actionarea/WorkArea1.h"
#include "app/CommandLine.h"
#include "app/ProgramSetup.h"
#include "app/ReaderScreens.h"
#include "app/Startfrm.h"
#include "backup/Backup1.h"
#include "backup/RestoreSnapshot.h"
#include "backup/UndoRestore.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "base/UtilityActions.h"

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
    const DataFolder::Roots roots = DataFolder::chooseRoots(QCoreApplication::applicationDirPath());
    if (!DataFolder::setRoots(roots)) {
        Messages::show(nullptr,
                       QStringLiteral("Tessaly cannot create or open its workbook folder:\r%1").arg(roots.writable),
                       QStringLiteral("Tessaly"), Messages::Buttons::Ok, Messages::Icon::Stop);
        return 1;
    }
    ProgramSetup::configure();
    using UtilityActions::Utility;
    UtilityActions::handlers() = {
        [](Utility utility, QWidget* screen) {
            if (utility == Utility::UndoRestore)
                UndoRestore::run(screen);
            else
                Backup1::open(utility == Utility::Backup ? Backup1::BackupMode : Backup1::RestoreMode, screen);
        },
        [](Utility utility) { return utility != Utility::UndoRestore || RestoreSnapshot::exists(); }};

    Startfrm startScreen;
    std::unique_ptr<WorkArea1> actionArea;
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
    UndoRestore::offerAfterInterruption(&startScreen);
    return QApplication::exec();
}

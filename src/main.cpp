// Tessaly: a workbook that guides a small practice through the HIPAA Security Rule.
// This is the one place that knows every screen: it wires the start screen to the Action Area.
#include "actionarea/WorkArea1.h"
#include "app/CommandLine.h"
#include "app/ProgramSetup.h"
#include "app/Startfrm.h"
#include "base/DataFolder.h"
#include "base/Messages.h"

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

    Startfrm startScreen;
    std::unique_ptr<WorkArea1> actionArea;
    QObject::connect(&startScreen, &Startfrm::beginRequested, [&] {
        if (!actionArea)
            actionArea = std::make_unique<WorkArea1>(&startScreen);
        actionArea->show();
        actionArea->raise();
        actionArea->activateWindow();
    });
    startScreen.show();
    startScreen.activate();
    return QApplication::exec();
}

// Tessaly: a workbook that guides a small practice through the HIPAA Security Rule.
// This is the one place that knows every screen: it wires the start screen to the Action Area,
// and the Action Area to the reader screens.
#include "actionarea/WorkArea1.h"
#include "app/ProgramSetup.h"
#include "app/ReaderScreens.h"
#include "app/Startfrm.h"
#include "base/DataFolder.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral("6.0a"));
    QApplication::setOrganizationDomain(QStringLiteral("tessaly.org"));
    // Everything the program reads and writes lives beside the executable.
    DataFolder::setRoot(QCoreApplication::applicationDirPath());
    ProgramSetup::configure();

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
    return QApplication::exec();
}

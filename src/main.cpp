// Tessaly: a workbook that guides a small practice through the HIPAA Security Rule.
#include "app/DataFolder.h"
#include "app/Startfrm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral("6.0a"));
    QApplication::setOrganizationDomain(QStringLiteral("tessaly.org"));
    // Everything the program reads and writes lives beside the executable.
    DataFolder::setRoot(QCoreApplication::applicationDirPath());

    Startfrm startScreen;
    startScreen.show();
    startScreen.activate();
    return QApplication::exec();
}

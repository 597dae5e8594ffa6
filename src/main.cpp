// Tessaly: starts the program at its start screen.
#include "app/DataFolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    DataFolder::setRoot(QCoreApplication::applicationDirPath());
    return 0;
}

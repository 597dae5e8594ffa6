#include "app/ProgramSetup.h"

#include "app/About1.h"
#include "app/Emblem.h"
#include "app/HelpWindow.h"
#include "backup/UserFiles.h"
#include "base/AtomicFile.h"
#include "base/DisplaySettings.h"
#include "base/DocumentHistory.h"
#include "base/Help.h"
#include "base/Messages.h"
#include "base/WorkbookAccess.h"
#include "editing/SpellEngine.h"

#include <QApplication>
#include <QIcon>

namespace ProgramSetup {

void configure()
{
    QApplication::setQuitOnLastWindowClosed(false);
    // Desktops match the windows to the menu entry and show the emblem in task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaly.Tessaly"));
    QApplication::setWindowIcon(QIcon(drawEmblem(256)));
    // A read-only run leaves them: they may be another copy's saves in progress.
    if (!WorkbookAccess::isReadOnly())
        UserFiles::removeStaleSaveFiles({SpellEngine::kPersonalListFile});
    // Every user document keeps its earlier versions; the display settings do not.
    DocumentHistory::setTracked([](const QString& name) {
        return UserFiles::isUserFile(name) && name.compare(DisplaySettings::kGridFile, Qt::CaseInsensitive) != 0 &&
               name.compare(DisplaySettings::kColourFile, Qt::CaseInsensitive) != 0;
    });
    setFileRefusalReporter([](const QString& message) {
        Messages::show(nullptr, message, QStringLiteral("File Not Used"), Messages::Buttons::Ok,
                       Messages::Icon::Exclamation);
    });
    Help::setViewer(&HelpWindow::open);
    Help::setAboutBox(&About1::showAbout);
}

} // namespace ProgramSetup

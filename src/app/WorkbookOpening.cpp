#include "app/WorkbookOpening.h"

#include "backup/UserFiles.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "base/WorkbookAccess.h"
#include "base/WorkbookLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

namespace WorkbookOpening {

namespace {

void openReadOnly(const QString& title, const QString& situation, const QString& reason, const QString& remedy)
{
    WorkbookAccess::setReadOnly(reason);
    Messages::show(nullptr,
                   situation +
                       QStringLiteral("\r\rThis copy of Tessaly opens the workbook read-only: you can read and print "
                                      "everything, but nothing you change here is saved.\r\r") +
                       remedy,
                   title, Messages::Buttons::Ok, Messages::Icon::Exclamation);
}

} // namespace

bool open(std::unique_ptr<WorkbookLock>* lock)
{
    const DataFolder::Roots roots =
        DataFolder::chooseRoots(QCoreApplication::applicationDirPath(), UserFiles::isUserFile);
    if (roots.writable.isEmpty()) {
        Messages::show(nullptr,
                       QStringLiteral("Tessaly cannot find a folder for its workbook: its own folder %1 cannot be "
                                      "written, and no home folder is set (HOME).\r\rStart Tessaly from your own "
                                      "session, or from a copy of its folder that you can write to.")
                           .arg(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())),
                       QStringLiteral("No Workbook Folder"), Messages::Buttons::Ok, Messages::Icon::Stop);
        return false;
    }
    if (!DataFolder::setRoots(roots)) {
        Messages::show(nullptr,
                       QStringLiteral("Tessaly cannot create or open its workbook folder:\r%1")
                           .arg(QDir::toNativeSeparators(roots.writable)),
                       QStringLiteral("Tessaly"), Messages::Buttons::Ok, Messages::Icon::Stop);
        return false;
    }
    const QString folder = QDir::toNativeSeparators(DataFolder::root());
    if (roots.readOnly) {
        openReadOnly(QStringLiteral("Workbook Read-Only"),
                     QStringLiteral("Tessaly cannot write to its folder %1, which holds your workbook.").arg(folder),
                     QStringLiteral("Its folder %1 cannot be written.").arg(folder),
                     QStringLiteral("To work on the workbook, copy the whole Tessaly folder to a place you can "
                                    "write to, or ask for write access to this one."));
        return true;
    }
    *lock = std::make_unique<WorkbookLock>(DataFolder::root());
    if ((*lock)->acquire()) {
        auto* renewal = new QTimer(QCoreApplication::instance());
        QObject::connect(renewal, &QTimer::timeout, [held = lock->get()] { held->renew(); });
        renewal->start(WorkbookLock::kRenewEvery);
        return true;
    }
    const QString holder = WorkbookLock::describe((*lock)->holder());
    openReadOnly(QStringLiteral("Workbook In Use"),
                 QStringLiteral("The workbook in %1 is open in Tessaly by %2.").arg(folder, holder),
                 QStringLiteral("It is open in Tessaly by %1.").arg(holder),
                 QStringLiteral("To work on the workbook here, close Tessaly there first and start it here again."));
    return true;
}

} // namespace WorkbookOpening

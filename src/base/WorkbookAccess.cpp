#include "base/WorkbookAccess.h"

#include "base/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace WorkbookAccess {

namespace {

QString& reason()
{
    static QString text;
    return text;
}

} // namespace

void setReadOnly(const QString& why)
{
    reason() = why;
}

void setWritable()
{
    reason().clear();
}

bool isReadOnly()
{
    return !reason().isEmpty();
}

QString readOnlyReason()
{
    return reason();
}

bool refusesWrite(const QString& path, QString* error)
{
    if (!isReadOnly())
        return false;
    const QString folder = QDir::cleanPath(QDir(DataFolder::root()).absolutePath());
    const QString target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!target.startsWith(folder + QLatin1Char('/')))
        return false;
    if (error) {
        *error = QStringLiteral("%1 was not saved: this copy of Tessaly has the workbook open read-only. %2")
                     .arg(QFileInfo(path).fileName(), reason());
    }
    return true;
}

} // namespace WorkbookAccess

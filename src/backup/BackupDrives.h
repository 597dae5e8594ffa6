// The drives a backup can be written to: the mounted volumes, removable media first, and the
// user's home folder, which stands for the system's default drive.
#pragma once

#include <QList>
#include <QString>

namespace BackupDrives {

struct Drive
{
    QString rootPath;
    QString label; // name and free space
    bool removable = false;
};

QList<Drive> list();
// The default drive: the home folder.
Drive home();

// True when a volume can be read now.
bool isReady(const QString& rootPath);

// True when folder is the program folder, reached by any path: through a link, or spelled in
// another letter case.
bool isProgramFolder(const QString& folder);

} // namespace BackupDrives

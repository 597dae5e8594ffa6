#include "base/LoginName.h"

#include <pwd.h>
#include <unistd.h>

QString loginName()
{
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    if (const passwd* account = getpwuid(geteuid()))
        return QString::fromLocal8Bit(account->pw_name);
    return QStringLiteral("another user");
}

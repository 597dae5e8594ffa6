// The name of the account the program runs under, for the workbook lock and the history.
#pragma once

#include <QString>

// USER, LOGNAME or USERNAME from the session, else the account database's name for the
// process's user, else "another user".
QString loginName();

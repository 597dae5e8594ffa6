// Whether this run may change the workbook. A workbook that another copy of Tessaly holds, or
// whose folder cannot be written, is opened read-only: everything can be read and printed, and
// every write into the workbook folder is refused with the reason, so nothing is changed.
#pragma once

#include <QString>

namespace WorkbookAccess {

// Makes the workbook read-only for the rest of the run; reason says why in plain words.
void setReadOnly(const QString& reason);
// Lets this run write again (tests; a run that took the workbook over).
void setWritable();
bool isReadOnly();
// Why writes are refused, or an empty string.
QString readOnlyReason();

// True when path lies inside the workbook folder and the workbook is read-only; *error then
// names the file and says why it is not written.
bool refusesWrite(const QString& path, QString* error = nullptr);

} // namespace WorkbookAccess

// TODOActv.FIL: the To Do grid's item rows as 2500 quoted fields, five a row.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TimelineModel;

namespace TimelineFiles {

extern const QString kGridFileName; // "TODOActv.FIL"
constexpr int kFieldsPerRow = 5;

// Rows 1 to 500, each as To Do Item, To Do Date, Actual Date, an empty field in place of
// the spacer column, Next Review Date.
QStringList gridFields(const TimelineModel& grid);
QByteArray gridFileBytes(const TimelineModel& grid);

// Puts groups of five fields into columns 1 to 5 of rows 1, 2, ...; a short list fills
// the rows it covers and leaves the rest as they are.
void putGridFields(TimelineModel& grid, const QStringList& fields);

// Fills the item rows from the file; false (and the grid untouched) when it cannot be read.
bool loadGridRows(TimelineModel& grid);
// Replaces the file with all 500 item rows; on failure the old file stays whole.
bool saveGridRows(const TimelineModel& grid, QString* error = nullptr);

} // namespace TimelineFiles

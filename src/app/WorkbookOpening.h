// Opening the workbook at start-up: choosing its folder, taking its lock, and telling the user
// when this copy can only read it (another copy holds it, or its folder cannot be written).
#pragma once

#include <memory>

class WorkbookLock;

namespace WorkbookOpening {

// Chooses the workbook folder for the running executable and makes it current. When another
// copy holds the workbook, or its folder cannot be written, says so and opens it read-only;
// *lock keeps the workbook for this run otherwise. False, after telling the user, when there
// is no workbook folder at all.
bool open(std::unique_ptr<WorkbookLock>* lock);

} // namespace WorkbookOpening

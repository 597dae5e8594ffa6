// Undo Last Restore, from the Utilities menu, and the offer at start-up to take back a restore
// that never finished.
#pragma once

class QWidget;

namespace UndoRestore {

// Asks, then brings back the files as they were before the last restore.
void run(QWidget* screen);

// When the last restore was cut short (a crash, a power cut), offers to bring back the files
// as they were before it. No keeps the restored files and stops the offer.
void offerAfterInterruption(QWidget* screen);

} // namespace UndoRestore

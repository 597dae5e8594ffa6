// What a backup or restore run shows while it works: the screen implements it, tests record it.
#pragma once

#include "backup/Medium.h"

class RunView
{
public:
    virtual ~RunView() = default;

    virtual Messages::Answer ask(const Prompt& prompt) = 0;

    virtual void setStatus(const QString& text) { Q_UNUSED(text); }
    virtual void setStatusVisible(bool visible) { Q_UNUSED(visible); }
    virtual void setNoteVisible(bool visible) { Q_UNUSED(visible); }
    virtual void setProgress(int value) { Q_UNUSED(value); }
    virtual void setProgressVisible(bool visible) { Q_UNUSED(visible); }
    // Lets the window repaint, so the status and the progress bar move.
    virtual void processEvents() {}
    virtual void pauseTwoSeconds() {}
    virtual void setBusy(bool busy) { Q_UNUSED(busy); }
    // The disk could not be used: the drives list goes back to the default drive.
    virtual void chooseDefaultDrive() {}
    // The run has used the set up: the start button and its menu item stay off.
    virtual void disableStart() {}
};

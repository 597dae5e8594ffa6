// What the Utilities menu's items do. The program installs the handlers once, so that every
// screen's menu reaches the backup screen without knowing it.
#pragma once

#include <functional>

class QWidget;

namespace UtilityActions {

enum class Utility
{
    Backup,
    Restore,
    UndoRestore,
    ComplianceBinder,
    RiskRegister
};

struct Handlers
{
    // Runs a utility over the screen that asked.
    std::function<void(Utility, QWidget* screen)> run;
    // Whether a utility can be used now (there is a restore to undo); every one when unset.
    std::function<bool(Utility)> available;
};

Handlers& handlers();

} // namespace UtilityActions

// What the program sets up once, before its first window: how it ends, where its help, About
// box and file messages go, its icon, and tidying the workbook folder after an interrupted run.
#pragma once

namespace ProgramSetup {

// The program ends only through ProgramEnd (the exit question, or closing the start screen
// or the Action Area): closing the help window or a message box never ends it.
void configure();

} // namespace ProgramSetup

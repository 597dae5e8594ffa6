// Ending the program: hides the reference documents, lets pending events run and ends the
// process at once, without further prompts and without writing anything.
#pragma once

#include <functional>

namespace ProgramEnd {

void endProgram();
bool isEnding();

// Tests replace what "end the process" means; an empty function restores it.
void setTerminator(std::function<void()> terminator);

} // namespace ProgramEnd

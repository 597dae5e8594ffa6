// The program's two command-line options, answered on standard output without a window.
#pragma once

namespace CommandLine {

// With --help or --version, prints the answer and ends the process (exit code 0, or 1 for an
// unknown option beside them); it needs no display. Any other command line returns, and the
// program starts its windows. The application's name and version must be set before.
void answerWithoutWindow(int& argc, char** argv);

} // namespace CommandLine

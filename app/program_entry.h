#pragma once

#include <functional>

namespace vorlant {

class Program;

// The program from its entry to its end: the application, the windows, the handling of the
// signals by which a session or a terminal ends it, and the message loop until the main window
// closes. shown runs once the main window is shown, before the message loop (a test opens a
// window with it). Returns the program's exit code.
int RunProgram(int &argc, char **argv, const std::function<void(Program &)> &shown = {});

} // namespace vorlant

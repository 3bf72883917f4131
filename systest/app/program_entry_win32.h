#pragma once
#include <windows.h>

namespace Velkora {

// The dialog program: licence window, then the main window on one message loop. Gives the
// process exit code: -1 no language module, 0 a window failed, 1 OK, 2 declined or cancelled.
// The options for unattended runs add 3 (bad command line), 5 (an output could not be written)
// and, for a silent run, 10 + the summary severity.
int RunProgram(HINSTANCE instance, int showCommand);

} // namespace Velkora

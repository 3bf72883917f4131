#include <windows.h>

#include "graphics_verbose.h"

namespace Velkora {

bool IsVerboseVideo() {
    const wchar_t* commandLine = GetCommandLineW();
    return commandLine && IsVerboseVideoCommandLine(commandLine);
}

} // namespace Velkora

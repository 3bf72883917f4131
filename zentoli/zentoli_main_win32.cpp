// Zentoli: no visible window; the verdict of its one diagnostic run is the exit code.
#include <windows.h>

#include "diag_platform_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Zentoli::CWin32DiagPlatform platform;
    return Zentoli::RunDiagnostics(platform);
}

// Zentoli: no visible window; the verdict of its one diagnostic run is the exit code.
#include <windows.h>

#include "diag_platform_win32.h"
#include "system_library_win32.h"
#include "trace_marks_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Velkora::LimitDllSearchToSystemFolder();
    Velkora::TraceMark(L"Zentoli: start");
    Zentoli::CWin32DiagPlatform platform;
    const int code = Zentoli::RunDiagnostics(platform);
    Velkora::TraceMark(L"Zentoli: end");
    return code;
}

#include "diagnostics_launch_win32.h"

#include <windows.h>

#include <new>
#include <vector>

#include "framework/scoped_handles_win32.h"

namespace Velkora {

std::int32_t CProcessLauncher::LaunchProcess(const std::wstring& commandLine, bool showWindow, bool newConsole,
                                             bool wait) {
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> writable;
    try {
        writable.assign(commandLine.begin(), commandLine.end());
        writable.push_back(L'\0');
    } catch (const std::bad_alloc&) {
        return kLaunchFailed;
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!(showWindow && newConsole)) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    }
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE,
                        newConsole ? CREATE_NEW_CONSOLE : CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
        DWORD error = GetLastError();
        boxes.ShowWide(LaunchFailureText(commandLine, error), kLaunchFailureTitle, MessageBoxStyle::kStartFailure);
        return kLaunchFailed;
    }
    CHandle processHandle(process.hProcess);
    CHandle threadHandle(process.hThread);
    if (!wait) return 0;

    if (WaitForSingleObject(processHandle.Get(), waitLimit) != WAIT_OBJECT_0) {
        TerminateProcess(processHandle.Get(), static_cast<UINT>(kLaunchFailed));
        WaitForSingleObject(processHandle.Get(), 5000);
        return kLaunchFailed;
    }
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(processHandle.Get(), &exitCode)) return kLaunchFailed;
    return static_cast<std::int32_t>(exitCode);
}

} // namespace Velkora

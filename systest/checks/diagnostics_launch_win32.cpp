#include "diagnostics_launch_win32.h"

#include <windows.h>

#include <new>
#include <optional>
#include <vector>

#include "process_paths_win32.h"
#include "program_search.h"
#include "scoped_handle_win32.h"

namespace Velkora {
namespace {

// The program of the command line where CreateProcessW would find it; nothing for a command line
// whose program has a folder part or is nowhere to be found (CreateProcessW then reports that).
std::optional<FoundProgram> LocateProgram(const std::wstring& commandLine) {
    ProgramSearchPlaces places;
    places.programPath = ReadProgramPath();
    places.currentFolder = ReadSizedText([](wchar_t* b, DWORD n) { return GetCurrentDirectoryW(n, b); });
    places.systemFolder = ReadSizedText([](wchar_t* b, DWORD n) { return GetSystemDirectoryW(b, n); });
    places.windowsFolder = ReadSizedText([](wchar_t* b, DWORD n) { return GetWindowsDirectoryW(b, n); });
    places.pathVariable = ReadSizedText([](wchar_t* b, DWORD n) { return GetEnvironmentVariableW(L"PATH", b, n); });
    return FindProgramFile(ProgramWordOf(commandLine), ProgramSearchFolders(places), IsFilePath);
}

// A job that ends every process in it when its last handle closes, so that nothing the program
// started outlives a stop, nor this process if it is itself killed while waiting.
CHandle CreateKillOnCloseJob() {
    CHandle job(CreateJobObjectW(nullptr, nullptr));
    if (!job) return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) job.Reset();
    return job;
}

} // namespace

std::int32_t CProcessLauncher::LaunchProcess(const std::wstring& commandLine, bool showWindow, bool newConsole,
                                             bool wait) {
    lastOutcome = LaunchOutcome::kNotStarted;
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> writable;
    try {
        writable.assign(commandLine.begin(), commandLine.end());
        writable.push_back(L'\0');
    } catch (const std::bad_alloc&) {
        return kLaunchFailed;
    }

    // Only a limited wait needs the job; without one the program is started as it always was.
    const bool limited = wait && waitLimit != kNoTimeLimit;
    CHandle job = limited ? CreateKillOnCloseJob() : CHandle();

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!(showWindow && newConsole)) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    }
    DWORD flags = newConsole ? CREATE_NEW_CONSOLE : CREATE_NO_WINDOW;
    // Suspended until it is in the job, so that it cannot start anything outside it first.
    if (job) flags |= CREATE_SUSPENDED;
    // Started in the folder it was found in, whatever folder our caller started us from: the
    // diagnostics program looks for its shaders and writes its log in its current directory.
    std::optional<FoundProgram> found = LocateProgram(commandLine);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(found ? found->path.c_str() : nullptr, writable.data(), nullptr, nullptr, FALSE, flags,
                        nullptr, found ? found->folder.c_str() : nullptr, &startup, &process)) {
        DWORD error = GetLastError();
        boxes.ShowWide(LaunchFailureText(commandLine, error), kLaunchFailureTitle, MessageBoxStyle::kStartFailure);
        return kLaunchFailed;
    }
    CHandle processHandle(process.hProcess);
    CHandle threadHandle(process.hThread);
    lastOutcome = LaunchOutcome::kEnded;
    // Where jobs cannot nest (Windows 7 inside another job) the program runs outside one; a stop
    // then ends the program alone.
    if (job && !AssignProcessToJobObject(job.Get(), processHandle.Get())) job.Reset();
    if (flags & CREATE_SUSPENDED) ResumeThread(threadHandle.Get());
    if (!wait) return 0;

    if (WaitForSingleObject(processHandle.Get(), waitLimit) != WAIT_OBJECT_0) {
        if (!job || !TerminateJobObject(job.Get(), static_cast<UINT>(kLaunchFailed)))
            TerminateProcess(processHandle.Get(), static_cast<UINT>(kLaunchFailed));
        WaitForSingleObject(processHandle.Get(), 5000);
        lastOutcome = LaunchOutcome::kStopped;
        return kLaunchFailed;
    }
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(processHandle.Get(), &exitCode)) return kLaunchFailed;
    return static_cast<std::int32_t>(exitCode);
}

} // namespace Velkora

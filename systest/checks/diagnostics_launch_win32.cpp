#include "diagnostics_launch_win32.h"

#include <windows.h>

#include <new>
#include <optional>
#include <vector>

#include "process_paths_win32.h"
#include "program_search.h"
#include "scoped_handle_win32.h"
#include "trace_marks_win32.h"

namespace Velkora {
namespace {

// A job that ends every process in it when its last handle closes, so that nothing the program
// started outlives a stop, nor this process if it is itself killed while waiting.
CHandle CreateKillOnCloseJob() {
    CHandle job(CreateJobObjectW(nullptr, nullptr));
    if (!job)
        return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
        job.Reset();
    return job;
}

// CreateProcessW for a command line, its program taken by full path from our own folder and started
// there, whatever folder our caller started us from: the diagnostics program looks for its shaders
// and writes its log in its current directory. Gives the error code of a failed start, or 0.
DWORD CreateProgramProcess(const std::wstring& commandLine, bool showWindow, bool newConsole, bool suspended,
                           PROCESS_INFORMATION& process) {
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> writable;
    try {
        writable.assign(commandLine.begin(), commandLine.end());
        writable.push_back(L'\0');
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!(showWindow && newConsole)) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    }
    DWORD flags = newConsole ? CREATE_NEW_CONSOLE : CREATE_NO_WINDOW;
    if (suspended)
        flags |= CREATE_SUSPENDED;
    // Never left to CreateProcessW's own search: a program it cannot name beside us is missing.
    std::optional<FoundProgram> found = ProgramBesideUs(commandLine, ReadProgramPath());
    if (!found)
        return ERROR_FILE_NOT_FOUND;
    if (!CreateProcessW(found->path.c_str(), writable.data(), nullptr, nullptr, FALSE, flags, nullptr,
                        found->folder.c_str(), &startup, &process))
        return GetLastError();
    return 0;
}

} // namespace

std::int32_t CProcessLauncher::LaunchProcess(const std::wstring& commandLine, bool showWindow,
                                             bool newConsole, bool wait) {
    if (wait) {
        StartProcess(commandLine, showWindow, newConsole);
        return FinishProcess();
    }
    lastOutcome = LaunchOutcome::kNotStarted;
    if (stopped)
        return kLaunchFailed;
    PROCESS_INFORMATION process{};
    if (DWORD error = CreateProgramProcess(commandLine, showWindow, newConsole, false, process)) {
        boxes.ShowWide(LaunchFailureText(commandLine, error), kLaunchFailureTitle,
                       MessageBoxStyle::kStartFailure);
        return kLaunchFailed;
    }
    CHandle startedProcess(process.hProcess), startedThread(process.hThread); // not waited for
    lastOutcome = LaunchOutcome::kEnded;
    return 0;
}

void CProcessLauncher::StartProcess(const std::wstring& commandLine, bool showWindow, bool newConsole) {
    StartedProgram program;
    program.pending = true;
    program.commandLine = commandLine;
    program.startedAt = GetTickCount64();
    std::lock_guard<std::mutex> lock(mutex);
    if (stopped) {
        started = std::move(program);
        return; // FinishProcess reports the stop
    }
    TraceMark(L"VelkoraSysTest: diagnostics program starts");
    program.job = CreateKillOnCloseJob();
    PROCESS_INFORMATION process{};
    // Suspended until it is in the job, so that it cannot start anything outside it first.
    const bool suspended = static_cast<bool>(program.job);
    program.startError = CreateProgramProcess(commandLine, showWindow, newConsole, suspended, process);
    if (program.startError == 0) {
        program.process.Reset(process.hProcess);
        CHandle thread(process.hThread);
        // Where jobs cannot nest (Windows 7 inside another job) the program runs outside one; a
        // stop then ends the program alone.
        if (program.job && !AssignProcessToJobObject(program.job.Get(), program.process.Get()))
            program.job.Reset();
        // A program left suspended would be waited for without end: it counts as not started.
        if (suspended && ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) {
            program.startError = GetLastError();
            if (program.startError == 0)
                program.startError = ERROR_GEN_FAILURE;
            TerminateProcess(program.process.Get(), static_cast<UINT>(kLaunchFailed));
            program.process.Reset();
        }
    }
    started = std::move(program);
}

std::int32_t CProcessLauncher::FinishProcess() {
    HANDLE process = nullptr;
    std::uint64_t startedAt = 0;
    std::wstring failedCommandLine;
    std::uint32_t startError = 0;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!started.pending || (!started.process && stopped)) {
            lastOutcome = started.pending ? LaunchOutcome::kStopped : LaunchOutcome::kNotStarted;
            started = StartedProgram{};
            return kLaunchFailed;
        }
        if (!started.process) {
            failedCommandLine = std::move(started.commandLine);
            startError = started.startError;
            started = StartedProgram{};
        } else {
            process = started.process.Get(); // stays open until this call takes it below
            startedAt = started.startedAt;
        }
    }
    if (!process) {
        // Outside the lock: a stop from another thread must not wait for someone to close the box.
        lastOutcome = LaunchOutcome::kNotStarted;
        boxes.ShowWide(LaunchFailureText(failedCommandLine, startError), kLaunchFailureTitle,
                       MessageBoxStyle::kStartFailure);
        return kLaunchFailed;
    }

    DWORD wait = INFINITE;
    if (waitLimit != kNoTimeLimit) {
        std::uint64_t elapsed = GetTickCount64() - startedAt;
        wait = elapsed >= waitLimit ? 0 : static_cast<DWORD>(waitLimit - elapsed);
    }
    const bool ended = WaitForSingleObject(process, wait) == WAIT_OBJECT_0;
    TraceMark(L"VelkoraSysTest: diagnostics program waited for");

    std::lock_guard<std::mutex> lock(mutex);
    StartedProgram program = std::move(started);
    started = StartedProgram{};
    if (!ended) {
        if (!program.job || !TerminateJobObject(program.job.Get(), static_cast<UINT>(kLaunchFailed)))
            TerminateProcess(program.process.Get(), static_cast<UINT>(kLaunchFailed));
        WaitForSingleObject(program.process.Get(), 5000);
    }
    if (!ended || stopped) {
        lastOutcome = LaunchOutcome::kStopped;
        return kLaunchFailed;
    }
    lastOutcome = LaunchOutcome::kEnded;
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(program.process.Get(), &exitCode))
        return kLaunchFailed;
    return static_cast<std::int32_t>(exitCode);
}

bool CProcessLauncher::HasStartedProcess() const {
    std::lock_guard<std::mutex> lock(mutex);
    return started.pending;
}

void CProcessLauncher::StopProcess() {
    std::lock_guard<std::mutex> lock(mutex);
    stopped = true;
    if (!started.process)
        return;
    if (!started.job || !TerminateJobObject(started.job.Get(), static_cast<UINT>(kLaunchFailed)))
        TerminateProcess(started.process.Get(), static_cast<UINT>(kLaunchFailed));
}

} // namespace Velkora

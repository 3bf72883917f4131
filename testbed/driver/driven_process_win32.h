#pragma once
// Starts a program as a test would, with its own command line, working directory and
// environment, captures its standard output and error, and waits for it with time limits.
#include <windows.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "scoped_handle_win32.h"

namespace VelkoraTest {

struct LaunchOptions {
    std::wstring commandLine;
    std::wstring workingDirectory;         // empty: the driver's own
    std::vector<std::wstring> environment; // "NAME=value" entries added to or replacing the driver's
};

// True when the process with this id has ended, or ends within the time (an id that names no
// running process counts as ended).
bool ProcessEndsWithin(DWORD processId, DWORD timeoutMs);

class CDrivenProcess {
  public:
    CDrivenProcess() = default;
    ~CDrivenProcess();
    CDrivenProcess(const CDrivenProcess&) = delete;
    CDrivenProcess& operator=(const CDrivenProcess&) = delete;

    // desktop: "station\\desktop" to start it in; empty: the driver's own.
    bool Start(const LaunchOptions& options, const std::wstring& desktop = {});
    DWORD ProcessId() const { return processId; }

    // The first visible top-level window of the process with this class (and title, if given).
    HWND WaitForWindow(const std::wstring& className, const std::wstring& title, DWORD timeoutMs) const;
    // The exit code, or nothing when the process has not ended in time.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);
    void Terminate();

    // What the process wrote; complete once it has ended.
    std::string Output();
    std::string Errors();

  private:
    void JoinReaders();

    Velkora::CHandle process;
    DWORD processId = 0;
    std::string output, errors;
    std::thread outputReader, errorReader;
};

} // namespace VelkoraTest

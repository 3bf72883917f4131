#include "driven_process_win32.h"

#include <map>

#include "scoped_handle_win32.h"
#include "window_probe_win32.h"

namespace VelkoraTest {
namespace {

using Velkora::CHandle;

// The driver's environment with the given entries added or replaced, as a CreateProcessW block.
std::wstring BuildEnvironment(const std::vector<std::wstring>& overrides) {
    std::map<std::wstring, std::wstring> entries; // sorted, as Windows expects
    auto upper = [](std::wstring s) {
        CharUpperBuffW(s.data(), static_cast<DWORD>(s.size()));
        return s;
    };
    auto add = [&](const std::wstring& entry) {
        std::size_t eq = entry.find(L'=', 1);
        if (eq == std::wstring::npos)
            return;
        entries[upper(entry.substr(0, eq))] = entry;
    };
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1)
            add(p);
        FreeEnvironmentStringsW(block);
    }
    for (const std::wstring& entry : overrides)
        add(entry);
    std::wstring result;
    for (const auto& [key, entry] : entries) {
        result += entry;
        result += L'\0';
    }
    result += L'\0';
    return result;
}

// Reads what is in the pipe without blocking, until the process has ended and the pipe is
// empty. A blocking read could wait forever: a process the child starts (Wine's desktop, for
// one) may inherit the pipe and keep it open long after the child has ended.
void ReadAll(CHandle pipe, HANDLE process, std::string* into) {
    char buffer[4096];
    for (;;) {
        bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        DWORD available = 0;
        if (!PeekNamedPipe(pipe.Get(), nullptr, 0, nullptr, &available, nullptr))
            break; // every writer closed it
        if (available > 0) {
            DWORD got = 0;
            if (!ReadFile(pipe.Get(), buffer, available < sizeof buffer ? available : sizeof buffer, &got,
                          nullptr))
                break;
            into->append(buffer, got);
            continue;
        }
        if (ended)
            break;
        Sleep(10);
    }
}

} // namespace

bool ProcessEndsWithin(DWORD processId, DWORD timeoutMs) {
    CHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    return !process || WaitForSingleObject(process.Get(), timeoutMs) == WAIT_OBJECT_0;
}

CDrivenProcess::~CDrivenProcess() {
    if (!process)
        return;
    if (WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT)
        Terminate();
    JoinReaders(); // the readers use the process handle, so it is closed after them
}

bool CDrivenProcess::Start(const LaunchOptions& options, const std::wstring& desktop) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    CHandle outRead, outWrite, errRead, errWrite;
    if (!CreatePipe(outRead.Receive(), outWrite.Receive(), &inherit, 0))
        return false;
    if (!CreatePipe(errRead.Receive(), errWrite.Receive(), &inherit, 0))
        return false;
    SetHandleInformation(outRead.Get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    std::wstring desktopName = desktop;
    if (!desktopName.empty())
        startup.lpDesktop = desktopName.data();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite.Get();
    startup.hStdError = errWrite.Get();
    std::wstring commandLine = options.commandLine;
    std::wstring environment = BuildEnvironment(options.environment);
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessW(
        nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT, environment.data(),
        options.workingDirectory.empty() ? nullptr : options.workingDirectory.c_str(), &startup, &info);
    // Only the child may hold the writing ends: the readers see the end when it lets go.
    outWrite.Reset();
    errWrite.Reset();
    if (!started)
        return false;
    CHandle thread(info.hThread);
    process.Reset(info.hProcess);
    processId = info.dwProcessId;
    outputReader = std::thread(ReadAll, std::move(outRead), process.Get(), &output);
    errorReader = std::thread(ReadAll, std::move(errRead), process.Get(), &errors);
    return true;
}

HWND CDrivenProcess::WaitForWindow(const std::wstring& className, const std::wstring& title,
                                   DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindowsOf(processId)) {
                if (ClassNameOf(w) == className && (title.empty() || TextOf(w) == title)) {
                    found = w;
                    return true;
                }
            }
            return process && WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return found;
}

std::optional<DWORD> CDrivenProcess::WaitForExit(DWORD timeoutMs) {
    if (!process || WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    JoinReaders();
    return code;
}

void CDrivenProcess::Terminate() {
    if (!process)
        return;
    TerminateProcess(process.Get(), 0xDEAD);
    WaitForSingleObject(process.Get(), 5000);
}

std::string CDrivenProcess::Output() {
    JoinReaders();
    return output;
}

std::string CDrivenProcess::Errors() {
    JoinReaders();
    return errors;
}

void CDrivenProcess::JoinReaders() {
    if (process && WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT)
        return;
    if (outputReader.joinable())
        outputReader.join();
    if (errorReader.joinable())
        errorReader.join();
}

} // namespace VelkoraTest

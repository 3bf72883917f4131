#include "driven_process_win32.h"

#include <map>

#include "window_probe_win32.h"

namespace VelkoraTest {
namespace {

// The driver's environment with the given entries added or replaced, as a CreateProcessW block.
std::wstring BuildEnvironment(const std::vector<std::wstring>& overrides) {
    std::map<std::wstring, std::wstring> entries; // sorted, as Windows expects
    auto upper = [](std::wstring s) {
        CharUpperBuffW(s.data(), static_cast<DWORD>(s.size()));
        return s;
    };
    auto add = [&](const std::wstring& entry) {
        std::size_t eq = entry.find(L'=', 1);
        if (eq == std::wstring::npos) return;
        entries[upper(entry.substr(0, eq))] = entry;
    };
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1) add(p);
        FreeEnvironmentStringsW(block);
    }
    for (const std::wstring& entry : overrides) add(entry);
    std::wstring result;
    for (const auto& [key, entry] : entries) {
        result += entry;
        result += L'\0';
    }
    result += L'\0';
    return result;
}

void ReadAll(HANDLE pipe, std::string* into) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) into->append(buffer, got);
    CloseHandle(pipe);
}

} // namespace

CDrivenProcess::~CDrivenProcess() {
    if (process) {
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) Terminate();
        CloseHandle(process);
    }
    JoinReaders();
}

bool CDrivenProcess::Start(const LaunchOptions& options) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    if (!CreatePipe(&outRead, &outWrite, &inherit, 0)) return false;
    if (!CreatePipe(&errRead, &errWrite, &inherit, 0)) {
        CloseHandle(outRead);
        CloseHandle(outWrite);
        return false;
    }
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    std::wstring commandLine = options.commandLine;
    std::wstring environment = BuildEnvironment(options.environment);
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                                  environment.data(),
                                  options.workingDirectory.empty() ? nullptr : options.workingDirectory.c_str(),
                                  &startup, &info);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (!started) {
        CloseHandle(outRead);
        CloseHandle(errRead);
        return false;
    }
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
    outputReader = std::thread(ReadAll, outRead, &output);
    errorReader = std::thread(ReadAll, errRead, &errors);
    return true;
}

HWND CDrivenProcess::WaitForWindow(const std::wstring& className, const std::wstring& title, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindowsOf(processId)) {
                if (ClassNameOf(w) == className && (title.empty() || TextOf(w) == title)) {
                    found = w;
                    return true;
                }
            }
            return process != nullptr && WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return found;
}

std::optional<DWORD> CDrivenProcess::WaitForExit(DWORD timeoutMs) {
    if (!process || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    JoinReaders();
    return code;
}

void CDrivenProcess::Terminate() {
    if (!process) return;
    TerminateProcess(process, 0xDEAD);
    WaitForSingleObject(process, 5000);
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
    // The pipes close when the process and everything it started have ended.
    if (process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT) return;
    if (outputReader.joinable()) outputReader.join();
    if (errorReader.joinable()) errorReader.join();
}

} // namespace VelkoraTest

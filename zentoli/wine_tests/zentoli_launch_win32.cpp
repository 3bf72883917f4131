#include "zentoli_launch_win32.h"

#include <windows.h>

#include "file_contents_win32.h"
#include "matched_display_double_win32.h"
#include "scoped_handle_win32.h"

namespace Zentoli {

using Velkora::CFile;
using Velkora::CHandle;

std::wstring DeliverablePath() {
    return VelkoraTest::WinePathOf(L"" ZENTOLI_DELIVERABLE_DIR) + L"\\";
}

CZentoliFolder::CZentoliFolder() : folder(L"zentoli-run") {
    valid = folder.IsValid();
    for (const wchar_t* name :
         {L"Zentoli.exe", L"Lines.vert", L"Lines.frag", L"HiddenEdges.vert", L"HiddenEdges.frag"})
        valid = valid && VelkoraTest::CopyInto(DeliverablePath() + name, folder.Path(), name);
}

bool CZentoliFolder::RunInThisProgram(const std::wstring& displayDeviceId) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    extraEnvironment = {std::wstring(kMatchedDeviceIdVariable) + L"=" + displayDeviceId};
    return CopyFileW(self, (folder.Path() + L"Zentoli.exe").c_str(), FALSE) != 0;
}

namespace {

// Environment entries set for one child and put back afterwards.
class CEnvironmentOverride {
  public:
    explicit CEnvironmentOverride(const std::vector<std::wstring>& entries) {
        for (const std::wstring& entry : entries) {
            std::size_t eq = entry.find(L'=', 1);
            if (eq == std::wstring::npos)
                continue;
            std::wstring name = entry.substr(0, eq);
            wchar_t old[32768];
            DWORD length = GetEnvironmentVariableW(name.c_str(), old, 32768);
            previous.emplace_back(name, length ? std::optional<std::wstring>(std::wstring(old, length))
                                               : std::nullopt);
            SetEnvironmentVariableW(name.c_str(), entry.substr(eq + 1).c_str());
        }
    }
    ~CEnvironmentOverride() {
        for (const auto& [name, value] : previous)
            SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
    }
    CEnvironmentOverride(const CEnvironmentOverride&) = delete;
    CEnvironmentOverride& operator=(const CEnvironmentOverride&) = delete;

  private:
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> previous;
};

} // namespace

ZentoliRun CZentoliFolder::Run(const std::wstring& arguments, const std::wstring& workingDirectory,
                               const std::vector<std::wstring>& environment) {
    std::wstring directory = workingDirectory.empty() ? folder.Path() : workingDirectory;
    // Logs of earlier runs would be taken for this one's.
    for (const std::wstring& log : VelkoraTest::FilesIn(directory, L"zentoli_*.txt"))
        DeleteFileW((directory + log).c_str());
    ZentoliRun run;
    // Standard output goes to a file, not a pipe: the desktop process Wine starts for the first
    // window inherits the handles and would keep a pipe open long after Zentoli has ended.
    std::wstring outputPath = folder.Path() + L"stdout.bin";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    CFile output(CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output)
        return run;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = output.Get();
    startup.hStdError = output.Get();
    std::wstring commandLine =
        L"\"" + folder.Path() + L"Zentoli.exe\"" + (arguments.empty() ? L"" : L" " + arguments);
    PROCESS_INFORMATION info{};
    {
        std::vector<std::wstring> entries = extraEnvironment;
        entries.insert(entries.end(), environment.begin(), environment.end());
        CEnvironmentOverride overrides(entries);
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                            directory.c_str(), &startup, &info))
            return run;
    }
    CHandle process(info.hProcess);
    CHandle thread(info.hThread);
    if (WaitForSingleObject(process.Get(), 60000) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 0xDEAD);
        WaitForSingleObject(process.Get(), 5000);
        return run;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    run.exitCode = code;
    run.output = VelkoraTest::ReadFileBytes(outputPath).value_or("");
    std::vector<std::wstring> logs = VelkoraTest::FilesIn(directory, L"zentoli_*.txt");
    if (!logs.empty()) {
        run.logName = logs.front();
        run.log = VelkoraTest::ReadFileBytes(directory + run.logName).value_or("");
    }
    return run;
}

} // namespace Zentoli

#include "diag_platform_win32.h"

#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace Zentoli {

// The log brings its own CR LF, so the stream must not add another CR before the redirection either.
CStdoutSink::CStdoutSink() {
    _setmode(_fileno(stdout), _O_BINARY);
}

void CStdoutSink::Write(std::string_view bytes) {
    if (usable && !bytes.empty())
        fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void CStdoutSink::Reopen(const std::wstring& target) {
    // A log that cannot be opened loses its messages; the run goes on.
    usable = _wfreopen(target.c_str(), L"wb", stdout) != nullptr;
}

void CStdoutSink::Close() {
    if (usable)
        fclose(stdout);
    usable = false;
}

std::vector<std::wstring> CWin32DiagPlatform::Arguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> result;
    if (!arguments)
        return result;
    for (int i = 0; i < count; ++i)
        result.emplace_back(arguments[i]);
    LocalFree(arguments);
    return result;
}

LocalTime CWin32DiagPlatform::Now() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute};
}

std::optional<std::wstring> CWin32DiagPlatform::ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &length))
        return std::nullopt;
    return std::wstring(name, std::min<DWORD>(length, MAX_COMPUTERNAME_LENGTH));
}

std::wstring CWin32DiagPlatform::ProgramPath() {
    // Long enough for any path Windows can start a program from.
    std::wstring path(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(std::min<std::size_t>(length, path.size()));
    return path;
}

bool CWin32DiagPlatform::IsRemoteSession() {
    return GetSystemMetrics(SM_REMOTESESSION) != 0;
}

bool CWin32DiagPlatform::CreateHiddenWindow() {
    bool hasDc = window.Create();
    gl = std::make_unique<CWin32GlDevice>(window.Dc());
    return hasDc;
}

void CWin32DiagPlatform::DestroyHiddenWindow() {
    gl = std::make_unique<CWin32GlDevice>(nullptr);
    window.Destroy();
}

} // namespace Zentoli

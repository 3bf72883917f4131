#include "standard_streams_win32.h"

#include <windows.h>

#include "code_page_conversion.h"

namespace Velkora {
namespace {

bool IsUsable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != FALSE;
}

bool WriteAll(HANDLE handle, const char* data, std::size_t size) {
    while (size > 0) {
        DWORD chunk = size > 0x100000 ? 0x100000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(handle, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool WriteConsoleText(HANDLE handle, std::wstring_view text) {
    while (!text.empty()) {
        DWORD chunk = text.size() > 8192 ? 8192 : static_cast<DWORD>(text.size());
        DWORD written = 0;
        if (!WriteConsoleW(handle, text.data(), chunk, &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

} // namespace

void PrepareStandardStreams() {
    const DWORD streams[] = {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    bool attached = false;
    for (DWORD stream : streams) {
        if (IsUsable(GetStdHandle(stream)))
            continue;
        // A program of the windows subsystem gets no console; a console window that started it
        // is its parent's, and AttachConsole fails when there is none (Explorer, a service).
        if (!attached && !AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        attached = true;
        HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        // Kept open for the life of the process, like the handles a console program is given.
        if (console != INVALID_HANDLE_VALUE)
            SetStdHandle(stream, console);
    }
}

void WriteErrorLine(std::wstring_view line) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (!IsUsable(error))
        return;
    std::wstring text(line);
    text += L"\r\n";
    if (IsConsole(error)) {
        WriteConsoleText(error, text);
        return;
    }
    std::string bytes;
    bool replaced = false;
    if (WideToMultiByte(kCodePageUtf8, text, 0, bytes, replaced))
        WriteAll(error, bytes.data(), bytes.size());
}

bool WriteStandardOutput(const std::string& bytes, std::wstring_view consoleText) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!IsUsable(output))
        return false;
    if (IsConsole(output))
        return WriteConsoleText(output, consoleText);
    return WriteAll(output, bytes.data(), bytes.size());
}

} // namespace Velkora

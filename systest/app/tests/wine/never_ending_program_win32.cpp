// Stands in for the diagnostics program in the time-limit tests: it starts a copy of itself
// ("child"), writes both process IDs to never-ending-pids.txt in the current directory, and
// then neither of them ends by itself (they give up after ten minutes, so that nothing is left
// behind for good when a test fails).
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "scoped_handle_win32.h"

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wcscmp(argv[1], L"child") == 0) {
        Sleep(600000);
        return 98;
    }
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t commandLine[MAX_PATH + 16];
    std::swprintf(commandLine, MAX_PATH + 16, L"\"%ls\" child", self);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    DWORD childId = 0;
    if (CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &startup, &child)) {
        childId = child.dwProcessId;
        Velkora::CHandle thread(child.hThread), process(child.hProcess); // left to run on its own
    }
    if (FILE* file = _wfopen(L"never-ending-pids.txt", L"wb")) {
        std::fprintf(file, "%lu %lu\n", GetCurrentProcessId(), childId);
        std::fclose(file);
    }
    Sleep(600000);
    return 99;
}

// The floor of the site summary: the reading the summary of a folder cannot avoid, and nothing
// else. Lists the folder's *.json and reads each file whole, as the summary does, without
// parsing or summing up.
//   systest_bench_summary_floor FOLDER    prints the files read, their bytes and the milliseconds
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "scoped_handle_win32.h"
#include "step_clock_win32.h"

namespace VelkoraBench {
namespace {

constexpr int kFailed = 1;
constexpr int kBadCommandLine = 3;

// The folder's *.json files, not its subfolders, in name order.
std::vector<std::wstring> ListDocuments(const std::wstring& folder) {
    std::vector<std::wstring> paths;
    WIN32_FIND_DATAW found{};
    Velkora::CFindHandle search(FindFirstFileW((folder + L"\\*.json").c_str(), &found));
    if (!search)
        return paths;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            paths.push_back(folder + L"\\" + found.cFileName);
    } while (FindNextFileW(search.Get(), &found));
    std::sort(paths.begin(), paths.end());
    return paths;
}

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    Velkora::CFile file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        return std::nullopt;
    return bytes;
}

int RunFloor(const std::wstring& folder) {
    CStepClock clock;
    std::size_t files = 0, unread = 0;
    unsigned long long bytes = 0;
    for (const std::wstring& path : ListDocuments(folder)) {
        // Each file's bytes are dropped before the next is read, as a summary that keeps only
        // what it found in them would.
        const std::optional<std::string> content = ReadWholeFile(path);
        if (!content) {
            ++unread;
            continue;
        }
        ++files;
        bytes += content->size();
    }
    char line[160];
    std::snprintf(line, sizeof line, "%zu files read, %llu bytes, %zu not read, %.1f ms\n", files, bytes,
                  unread, clock.Elapsed());
    WriteOutput(line);
    return files > 0 ? 0 : kFailed;
}

} // namespace
} // namespace VelkoraBench

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    const int code = words && count == 2 ? VelkoraBench::RunFloor(words[1]) : VelkoraBench::kBadCommandLine;
    LocalFree(words);
    return code;
}

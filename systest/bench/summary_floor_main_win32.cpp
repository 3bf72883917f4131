// The floor of the site summary: the reading the summary of a folder cannot avoid, and nothing
// else. Lists the folder's *.json and reads each file whole with the summary's own functions,
// into one buffer as the summary does, without parsing or summing up.
//   systest_bench_summary_floor FOLDER    prints the files read, their bytes and the milliseconds
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "step_clock_win32.h"
#include "summary_input_files_win32.h"

namespace VelkoraBench {
namespace {

constexpr int kFailed = 1;
constexpr int kBadCommandLine = 3;

int RunFloor(const std::wstring& folder) {
    CStepClock clock;
    std::size_t files = 0, unread = 0;
    unsigned long long total = 0;
    std::string bytes;
    if (!Velkora::IsFolder(folder))
        return kBadCommandLine;
    for (const std::wstring& path : Velkora::ListResultDocuments(folder)) {
        if (Velkora::ReadInputFile(path, bytes) != Velkora::InputFileRead::kRead) {
            ++unread;
            continue;
        }
        ++files;
        total += bytes.size();
    }
    char line[160];
    std::snprintf(line, sizeof line, "%zu files read, %llu bytes, %zu not read, %.1f ms\n", files, total,
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

// Stands in for the diagnostics program in tests: ends with the code it is told.
//   diagnostics_standin <code>   ends with that code
//   diagnostics_standin hang     waits ten minutes (for time limits)
//   diagnostics_standin          the codes of VELKORA_STANDIN_EXIT_CODES ("2,0": first run 2,
//                                then 0; the last repeats), counted in standin-runs.txt of the
//                                current directory, one line per run
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kRunsFile[] = L"standin-runs.txt";

int CountRuns() {
    FILE* file = _wfopen(kRunsFile, L"rb");
    if (!file)
        return 0;
    int lines = 0;
    for (int c; (c = std::fgetc(file)) != EOF;)
        lines += c == '\n';
    std::fclose(file);
    return lines;
}

std::vector<long> ListedCodes() {
    wchar_t text[256] = {};
    DWORD length = GetEnvironmentVariableW(L"VELKORA_STANDIN_EXIT_CODES", text, 256);
    std::vector<long> codes;
    if (length == 0 || length >= 256)
        return codes;
    for (wchar_t* at = text; *at;) {
        wchar_t* end = nullptr;
        codes.push_back(std::wcstol(at, &end, 10));
        if (end == at)
            break;
        at = *end == L',' ? end + 1 : end;
    }
    return codes;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1) {
        if (std::wcscmp(argv[1], L"hang") == 0) {
            Sleep(600000);
            return 99;
        }
        return static_cast<int>(std::wcstol(argv[1], nullptr, 10));
    }
    std::vector<long> codes = ListedCodes();
    int run = CountRuns();
    long code = codes.empty() ? 3 : codes[std::min<std::size_t>(run, codes.size() - 1)];
    if (FILE* file = _wfopen(kRunsFile, L"ab")) {
        std::fprintf(file, "%ld\n", code);
        std::fclose(file);
    }
    return static_cast<int>(code);
}

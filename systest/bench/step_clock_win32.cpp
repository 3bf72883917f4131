#include "step_clock_win32.h"

#include <windows.h>

#include <cstdio>

namespace VelkoraBench {

CStepClock::CStepClock() {
    LARGE_INTEGER value{};
    if (QueryPerformanceFrequency(&value) && value.QuadPart > 0)
        frequency = value.QuadPart;
    start = stepStart = Now();
}

long long CStepClock::Now() {
    LARGE_INTEGER value{};
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

double CStepClock::Elapsed() const {
    return 1000.0 * static_cast<double>(Now() - start) / static_cast<double>(frequency);
}

void CStepClock::EndStep(const char* name) {
    const long long now = Now();
    char line[160];
    std::snprintf(line, sizeof line, "  %-40s %8.1f ms\n", name,
                  1000.0 * static_cast<double>(now - stepStart) / static_cast<double>(frequency));
    lines += line;
    stepStart = now;
}

void WriteOutput(const std::string& bytes) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace VelkoraBench

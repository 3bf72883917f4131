#include "check_session_win32.h"

#include <windows.h>

#include "report_header_win32.h"
#include "report_text.h"
#include "trace_marks_win32.h"

namespace Velkora {
namespace {

std::int64_t Ticks(const SYSTEMTIME& time) {
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return (static_cast<std::int64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

// The local time (as the report's date has always been read) and its distance from UTC, from two
// readings of the clock taken one right after the other: rounded to whole minutes, they agree.
LocalDateTime ReadLocalDateTime() {
    SYSTEMTIME local{}, utc{};
    GetLocalTime(&local);
    GetSystemTime(&utc);
    constexpr std::int64_t kTicksPerMinute = 600000000;
    std::int64_t difference = Ticks(local) - Ticks(utc);
    difference += difference < 0 ? -kTicksPerMinute / 2 : kTicksPerMinute / 2;
    return LocalDateTime{local.wYear,
                         local.wMonth,
                         local.wDay,
                         local.wHour,
                         local.wMinute,
                         local.wSecond,
                         static_cast<int>(difference / kTicksPerMinute)};
}

} // namespace

void TraceRunStep(RunStep step) {
    static const wchar_t* const kMarks[] = {
        L"VelkoraSysTest: operating system", L"VelkoraSysTest: processor", L"VelkoraSysTest: memory",
        L"VelkoraSysTest: disk space",       L"VelkoraSysTest: screen",    L"VelkoraSysTest: graphics",
    };
    const auto index = static_cast<std::size_t>(step);
    if (index < std::size(kMarks))
        TraceMark(kMarks[index]);
}

const std::wstring& CCheckSession::Begin() {
    computerName = ReadComputerName();
    checkedAt = ReadLocalDateTime();
    buildDate = ReadBuildDate();
    std::wstring today = FormatReportDate(checkedAt.day, checkedAt.month, checkedAt.year);
    header = MakeReportHeader(*context.texts, computerName, today, context.identity.year, buildDate);
    reportText = header + L"\r\n";
    return header;
}

void CCheckSession::Run(const AppendRowFn& appendRow, const RunStepFn& stepBegins,
                        const RunCancelledFn& cancelled) {
    summary = RunAllChecks(*context.checks, *context.texts, context.identity.name, appendRow, reportText,
                           stepBegins, cancelled);
    hasRun = true;
}

} // namespace Velkora

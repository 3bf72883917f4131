#include "report_header_win32.h"

#include <windows.h>

#include "report_text.h"

namespace Velkora {

std::wstring ReadComputerName() {
    wchar_t name[64] = {};
    DWORD size = 64;
    if (!GetComputerNameW(name, &size))
        return {};
    return std::wstring(name, size < 64 ? size : 63);
}

std::wstring ReadTodayText() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return FormatReportDate(now.wDay, now.wMonth, now.wYear);
}

std::wstring ReadBuildDate() {
    // The compiler's date of this file, "Mmm dd yyyy".
    const char* date = __DATE__;
    return ConvertBuildDate(std::wstring(date, date + 11));
}

} // namespace Velkora

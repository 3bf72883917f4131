#pragma once
// The report: a header line that identifies machine, date and program, then the check run's
// lines. This part builds the header; the check run appends the rest.
#include <string>
#include <string_view>

#include "text_source.h"

namespace Velkora {

inline constexpr std::wstring_view kReportFileName = L"VelkoraSysTest.txt";

// "%02d.%02d.%d": day, month, full year.
std::wstring FormatReportDate(int day, int month, int year);

// A build date such as "Jun 27 2017" (the compiler's __DATE__) as "27.06.17". An unknown month
// gives month 0 and unreadable numbers give 0, never a failure.
std::wstring ConvertBuildDate(std::wstring_view buildDate);

// The header text with: 34, computer name, 34, today's date, product year, build date.
std::wstring MakeReportHeader(const ITextSource& texts, const std::wstring& computerName,
                              const std::wstring& today, const std::wstring& productYear,
                              const std::wstring& buildDate);

} // namespace Velkora

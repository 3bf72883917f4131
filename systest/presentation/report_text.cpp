#include "report_text.h"

#include "text_format.h"
#include "text_ids.h"

namespace Velkora {
namespace {

// Reads a decimal number as %d would: blanks skipped, optional sign, digits; 0 when none.
int ReadNumber(std::wstring_view text, std::size_t& at) {
    while (at < text.size() && (text[at] == L' ' || text[at] == L'\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'-' || text[at] == L'+'))
        negative = text[at++] == L'-';
    long long value = 0;
    while (at < text.size() && text[at] >= L'0' && text[at] <= L'9') {
        if (value < 100000000)
            value = value * 10 + (text[at] - L'0');
        ++at;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace

std::wstring FormatReportDate(int day, int month, int year) {
    return FormatText(L"%02d.%02d.%d", {day, month, year});
}

std::wstring ConvertBuildDate(std::wstring_view buildDate) {
    std::size_t at = 0;
    while (at < buildDate.size() && buildDate[at] == L' ')
        ++at;
    std::size_t nameEnd = at;
    while (nameEnd < buildDate.size() && buildDate[nameEnd] != L' ' && buildDate[nameEnd] != L'\t')
        ++nameEnd;
    std::wstring_view monthName = buildDate.substr(at, nameEnd - at);
    at = nameEnd;
    int day = ReadNumber(buildDate, at);
    int year = ReadNumber(buildDate, at);

    constexpr std::wstring_view months = L"JanFebMarAprMayJunJulAugSepOctNovDec";
    std::size_t found = monthName.empty() ? std::wstring_view::npos : months.find(monthName);
    int month = found == std::wstring_view::npos ? 0 : static_cast<int>(found / 3 + 1);
    return FormatText(L"%02d.%02d.%02d", {day, month, year % 100});
}

std::wstring MakeReportHeader(const ITextSource& texts, const std::wstring& computerName,
                              const std::wstring& today, const std::wstring& productYear,
                              const std::wstring& buildDate) {
    return FormatTextById(texts, kTextReportHeader, {34, computerName, 34, today, productYear, buildDate});
}

} // namespace Velkora

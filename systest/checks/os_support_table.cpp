#include "os_support_table.h"

#include <string_view>

#include "bounded_wide_text.h"

namespace Velkora::Utilities {

// Plain constant data: usable before any start-up code ran.
const OSSupportRow OSSupportTable[] = {
    {L"Windows 10", L"+"},
    {L"Windows 8.1", L"+"},
    {L"Windows 8", L"8888888888"},
    {L"Windows 7", L"-+"},
    {L"Windows Server 2008 R2", L"Dddddddddd"},
    {L"Windows Server 2012 R2", L"+"},
    {L"Windows Server 2012", L"dddddddddd"},
    {L"Windows Server 2016", L"+"},
    {kUnknownNewOSText, L"N"},
};
const std::size_t kOSSupportRowCount = sizeof(OSSupportTable) / sizeof(OSSupportTable[0]);

wchar_t LookUpSupportCode(const wchar_t* text, std::uint32_t servicePack, wchar_t& digit) {
    digit = 0;
    const std::wstring_view haystack(text, WideLength(text));
    for (std::size_t row = 0; row < kOSSupportRowCount; ++row) {
        if (haystack.find(OSSupportTable[row].nameFragment) == std::wstring_view::npos)
            continue;
        const std::wstring_view pattern(OSSupportTable[row].supportPattern);
        if (pattern.size() == 1)
            return pattern[0];
        const std::size_t lastPlus = pattern.rfind(L'+');
        const std::size_t number = lastPlus != std::wstring_view::npos ? lastPlus : pattern.size();
        digit = static_cast<wchar_t>(L'0' + number);
        if (servicePack > pattern.size())
            return L'?';
        if (servicePack == pattern.size())
            return L'+';
        return pattern[servicePack];
    }
    return L'D';
}

} // namespace Velkora::Utilities

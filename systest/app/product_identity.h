#pragma once
// The product name and year every title, summary and report quotes.
#include <string>
#include <string_view>

namespace Velkora {

inline constexpr std::wstring_view kProductYearLiteral = L"TESSIVO 2018-0";
inline constexpr std::wstring_view kProductNamePrefix = L"Velkora ";

struct ProductIdentity {
    std::wstring name; // "Velkora 2018"
    std::wstring year; // "2018"
};

// The year is the first run of decimal digits in the literal.
std::wstring ExtractProductYear(std::wstring_view literal);
ProductIdentity SettleProductIdentity(std::wstring_view literal = kProductYearLiteral);

} // namespace Velkora

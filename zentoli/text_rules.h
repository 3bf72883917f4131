#pragma once
// Small text rules that Zentoli applies to what Windows, WMI, the registry and OpenGL report.
// Wide strings hold UTF-16 code units on every platform.
#include <cstdint>
#include <string>
#include <string_view>

namespace Zentoli {

// Lower-cases A to Z only, as the C runtime does in its default locale.
std::wstring LowerAscii(std::wstring_view text);
std::string LowerAscii(std::string_view text);

// The leading decimal integer: leading blanks and a sign allowed, conversion stops at the first
// other character, 0 without digits. Values beyond 32 bits are held at the nearest limit.
std::int32_t LeadingInteger(std::wstring_view text);

// At most maxLength code units of text, so that a value never outgrows the field it goes into.
template <class Char>
std::basic_string<Char> CutText(std::basic_string_view<Char> text, std::size_t maxLength) {
    return std::basic_string<Char>(text.substr(0, maxLength));
}

} // namespace Zentoli

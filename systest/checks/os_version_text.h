#pragma once
// Parsing of the WMI Version text ("10.0.19045").
#include <cstdint>

namespace Velkora::Utilities {

struct VersionNumbers {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
};

// Decimal text to integer as the C library's atoi reads it: leading blanks skipped, an
// optional sign, digits up to the first non-digit, 0 without digits. Out-of-range values are
// held at the 32-bit limits instead of being undefined.
std::int32_t WideTextToInt(const wchar_t* text);

// Splits at '.', reads at most three pieces. Fails when the first number is 0.
[[nodiscard]] bool ParseVersionText(const wchar_t* text, VersionNumbers& numbers);

} // namespace Velkora::Utilities

#include "graphics_driver_version.h"

#include <algorithm>
#include <limits>
#include <string>

#include "nvidia_version.h"

namespace Velkora {
namespace {

bool IsSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

} // namespace

std::int32_t LeadingNumber(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    // Accumulated as a 64-bit magnitude and capped, so "99999999999" reads as the largest value.
    constexpr long long limit = static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        magnitude = std::min(limit, magnitude * 10 + (text[i] - L'0'));
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(std::min(magnitude, limit - 1));
}

bool ParseDriverVersion(std::wstring_view text, bool fromRegistry, DriverVersionParts& version) {
    version = DriverVersionParts{};
    std::wstring dotted(text);
    for (wchar_t& c : dotted) {
        if (c == L'-')
            c = L'.';
    }
    std::wstring_view v(dotted);
    std::size_t first = v.find(L'.');
    if (v.empty() || first == std::wstring_view::npos)
        return false;
    version.major = LeadingNumber(v.substr(0, first));
    std::size_t second = v.find(L'.', first + 1);
    if (first + 1 >= v.size() || second == std::wstring_view::npos)
        return false;
    version.minor = LeadingNumber(v.substr(first + 1, second - first - 1));
    std::size_t third = v.find(L'.', second + 1);
    if (second + 1 < v.size() && third != std::wstring_view::npos) {
        version.build = LeadingNumber(v.substr(second + 1, third - second - 1));
        version.revision = LeadingNumber(v.substr(third + 1));
    }
    // No part is negative ('-' separates parts), so the product stays below 1000.
    if (fromRegistry && version.minor < 100)
        version.minor *= 10;
    return true;
}

bool ParseDriverDate(std::wstring_view text, std::uint32_t& value) {
    value = 0;
    if (text.size() != 8)
        return false;
    // Digits only: a sign or a blank makes no date, whatever the number after it.
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return false;
    }
    std::int32_t n = LeadingNumber(text);
    std::int32_t year = n / 10000, month = (n / 100) % 100, day = n % 100;
    if (year < 2000 || year > 3000 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    value = static_cast<std::uint32_t>(n);
    return true;
}

void RenumberNvidiaVersion(std::wstring_view caption, DriverVersionParts& version) {
    if (!CaptionNamesNvidia(caption))
        return;
    // The parts are never negative here ('-' separates parts), so the unsigned shared rule
    // gives the same numbers as the signed one.
    FourPartVersion renumbered = RenumberNvidiaVersion(FourPartVersion{
        static_cast<std::uint32_t>(version.major), static_cast<std::uint32_t>(version.minor),
        static_cast<std::uint32_t>(version.build), static_cast<std::uint32_t>(version.revision)});
    version = DriverVersionParts{static_cast<std::int32_t>(renumbered.major),
                                 static_cast<std::int32_t>(renumbered.minor), 0, 0};
}

} // namespace Velkora

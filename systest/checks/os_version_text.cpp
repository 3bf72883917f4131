#include "os_version_text.h"

namespace Velkora::Utilities {
namespace {

constexpr bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

// Reads one piece that ends at '.' or at the end of the text; gives where the piece ended.
const wchar_t* ReadPiece(const wchar_t* piece, std::int32_t& value) {
    value = WideTextToInt(piece);
    while (*piece != 0 && *piece != L'.')
        ++piece;
    return piece;
}

} // namespace

std::int32_t WideTextToInt(const wchar_t* text) {
    while (IsBlank(*text))
        ++text;
    bool negative = false;
    if (*text == L'+' || *text == L'-')
        negative = *text++ == L'-';
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        magnitude = magnitude * 10 + (*text - L'0');
        if (magnitude > limit)
            magnitude = limit;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool ParseVersionText(const wchar_t* text, VersionNumbers& numbers) {
    numbers = VersionNumbers{};
    std::int32_t value = 0;
    const wchar_t* at = ReadPiece(text, value);
    numbers.major = static_cast<std::uint32_t>(value);
    if (numbers.major == 0)
        return false;
    if (*at == L'.') {
        at = ReadPiece(at + 1, value);
        numbers.minor = static_cast<std::uint32_t>(value);
        if (*at == L'.') {
            ReadPiece(at + 1, value);
            numbers.build = static_cast<std::uint32_t>(value);
        }
    }
    return true;
}

} // namespace Velkora::Utilities

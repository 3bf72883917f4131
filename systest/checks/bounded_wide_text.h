#pragma once
// Wide-text helpers over caller buffers. They allocate nothing and need no runtime library
// state, so the exported operating system query can use them before any start-up code ran.
#include <cstddef>
#include <cstdint>

namespace Velkora::Utilities {

constexpr std::size_t WideLength(const wchar_t* text) {
    std::size_t n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

inline constexpr std::size_t kUnboundedSource = static_cast<std::size_t>(-1);

// Copies at most capacity - 1 characters and always terminates (capacity > 0). The source is
// read up to its NUL or sourceLimit characters, whichever comes first, so a fixed field without
// a NUL is never overrun.
constexpr void CopyBounded(wchar_t* dest, std::size_t capacity, const wchar_t* src,
                           std::size_t sourceLimit = kUnboundedSource) {
    std::size_t i = 0;
    for (; i + 1 < capacity && i < sourceLimit && src[i] != 0; ++i)
        dest[i] = src[i];
    dest[i] = 0;
}

// Appends what fits behind the text already in dest; the rest is dropped.
constexpr void AppendBounded(wchar_t* dest, std::size_t capacity, const wchar_t* src,
                             std::size_t sourceLimit = kUnboundedSource) {
    std::size_t used = 0;
    while (used < capacity && dest[used] != 0)
        ++used;
    if (used >= capacity)
        return;
    CopyBounded(dest + used, capacity - used, src, sourceLimit);
}

// Decimal text of a signed number; the buffer needs 12 characters.
constexpr void FormatDecimal(std::int32_t value, wchar_t* out) {
    wchar_t digits[11] = {};
    std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    std::size_t at = 0;
    if (value < 0)
        out[at++] = L'-';
    while (n > 0)
        out[at++] = digits[--n];
    out[at] = 0;
}

// Lower-case hexadecimal without leading zeros; the buffer needs 9 characters.
constexpr void FormatHex(std::uint32_t value, wchar_t* out) {
    wchar_t digits[8] = {};
    std::size_t n = 0;
    do {
        digits[n++] = L"0123456789abcdef"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    std::size_t at = 0;
    while (n > 0)
        out[at++] = digits[--n];
    out[at] = 0;
}

} // namespace Velkora::Utilities

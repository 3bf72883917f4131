#include "portable_code_pages.h"

#include <array>

#include "code_page_conversion.h"

namespace Velkora {
namespace {

// Windows-1252 bytes 80..9F. The five bytes 1252 leaves undefined map to the C1 control of the
// same value, as on Windows, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsWindows1252(std::uint32_t codePage) {
    return codePage == kCodePageAnsi || codePage == 3 || codePage == kCodePageWindows1252;
}

// -1 when 1252 has no byte for the character.
int Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

// Wide strings hold UTF-16 units on every system, so a code point above FFFF is split in two
// even where wchar_t could hold it whole.
void AppendUtf16(std::wstring& out, char32_t c) {
    if (c > 0xFFFF) {
        c -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (c >> 10));
        out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        return;
    }
    out += static_cast<wchar_t>(c);
}

// Decodes one character at in[i], moving i past it. An invalid sequence gives U+FFFD and
// consumes its longest valid beginning (at least one byte).
char32_t DecodeUtf8(std::string_view in, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(in[k]); };
    unsigned char b0 = byte(i++);
    if (b0 < 0x80)
        return b0;
    int more;
    char32_t c;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        more = 1;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        more = 2;
        c = b0 & 0x0F;
        if (b0 == 0xE0)
            low = 0xA0; // no overlong forms
        if (b0 == 0xED)
            high = 0x9F; // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        more = 3;
        c = b0 & 0x07;
        if (b0 == 0xF0)
            low = 0x90;
        if (b0 == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return kReplacementCharacter;
    }
    for (int k = 0; k < more; ++k) {
        if (i >= in.size())
            return kReplacementCharacter;
        unsigned char b = byte(i);
        if (b < (k == 0 ? low : 0x80) || b > (k == 0 ? high : 0xBF))
            return kReplacementCharacter;
        c = (c << 6) | (b & 0x3F);
        ++i;
    }
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next code point of UTF-16 text at in[i]; a lone surrogate gives U+FFFD.
char32_t NextCodePoint(std::wstring_view in, std::size_t& i) {
    char32_t c = static_cast<char32_t>(in[i++]);
    if (c > 0xFFFF)
        return c <= 0x10FFFF ? c : kReplacementCharacter; // a 32-bit wchar_t
    if (c >= 0xD800 && c <= 0xDBFF && i < in.size()) {
        char32_t next = static_cast<char32_t>(in[i]);
        if (next >= 0xDC00 && next <= 0xDFFF) {
            ++i;
            return 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
        }
    }
    if (c >= 0xD800 && c <= 0xDFFF)
        return kReplacementCharacter;
    return c;
}

} // namespace

bool PortableMultiByteToWide(std::uint32_t codePage, std::string_view in, std::wstring& out) {
    out.clear();
    if (IsWindows1252(codePage)) {
        out.resize(in.size());
        for (std::size_t i = 0; i < in.size(); ++i) {
            const auto b = static_cast<unsigned char>(in[i]);
            out[i] = static_cast<wchar_t>(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : b);
        }
        return true;
    }
    if (codePage == kCodePageUtf8) {
        out.reserve(in.size());
        for (std::size_t i = 0; i < in.size();)
            AppendUtf16(out, DecodeUtf8(in, i));
        return true;
    }
    return false;
}

bool PortableWideToMultiByte(std::uint32_t codePage, std::wstring_view in, char replacement, std::string& out,
                             bool& usedReplacement) {
    out.clear();
    if (IsWindows1252(codePage)) {
        out.reserve(in.size());
        const char fallback = replacement != 0 ? replacement : '?';
        // Unit by unit, as Windows does for single-byte pages: a surrogate pair gives two.
        for (wchar_t unit : in) {
            int b = Windows1252Byte(static_cast<char32_t>(unit));
            if (b < 0)
                usedReplacement = true;
            out += b < 0 ? fallback : static_cast<char>(b);
        }
        return true;
    }
    if (codePage == kCodePageUtf8) {
        out.reserve(in.size());
        for (std::size_t i = 0; i < in.size();)
            AppendUtf8(out, NextCodePoint(in, i));
        return true;
    }
    return false;
}

} // namespace Velkora

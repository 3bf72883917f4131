#include "text_format.h"

#include <algorithm>

namespace Velkora {
namespace {

struct Conversion {
    bool leftAlign = false;
    bool zeroPad = false;
    std::size_t width = 0;
    wchar_t type = 0;
    std::size_t length = 0; // characters the conversion spans in the format, '%' included
};

// Parses the conversion that starts at format[at] == '%'. type stays 0 when it is not one we know.
Conversion ParseConversion(std::wstring_view format, std::size_t at) {
    Conversion c;
    std::size_t i = at + 1;
    for (; i < format.size() && (format[i] == L'-' || format[i] == L'0'); ++i) {
        if (format[i] == L'-')
            c.leftAlign = true;
        else
            c.zeroPad = true;
    }
    for (; i < format.size() && format[i] >= L'0' && format[i] <= L'9'; ++i) {
        c.width = std::min<std::size_t>(c.width * 10 + (format[i] - L'0'), kMaxFormatWidth);
    }
    // Length modifiers change nothing here: every %s is wide, every %d holds a long long.
    while (i < format.size() && (format[i] == L'l' || format[i] == L'h'))
        ++i;
    if (i < format.size()) {
        switch (format[i]) {
        case L's':
        case L'S':
        case L'd':
        case L'i':
        case L'u':
        case L'c':
        case L'C':
        case L'%':
            c.type = format[i];
            break;
        default:
            break;
        }
        ++i;
    }
    c.length = i - at;
    return c;
}

std::wstring Pad(std::wstring body, const Conversion& c, bool numeric) {
    if (body.size() >= c.width)
        return body;
    std::size_t fill = c.width - body.size();
    if (c.leftAlign)
        return body + std::wstring(fill, L' ');
    if (c.zeroPad && numeric) {
        std::size_t signAt = (!body.empty() && body[0] == L'-') ? 1 : 0;
        body.insert(signAt, fill, L'0');
        return body;
    }
    return std::wstring(fill, L' ') + body;
}

std::wstring NumberText(long long n, bool asUnsigned) {
    if (asUnsigned)
        n = static_cast<long long>(static_cast<unsigned int>(n));
    unsigned long long magnitude =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (n < 0)
        digits.insert(digits.begin(), L'-');
    return digits;
}

} // namespace

std::wstring FormatText(std::wstring_view format, std::span<const FormatArg> args) {
    std::wstring out;
    out.reserve(format.size() + 16);
    std::size_t nextArg = 0;
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] != L'%') {
            out += format[i++];
            continue;
        }
        Conversion c = ParseConversion(format, i);
        std::wstring_view literal = format.substr(i, c.length);
        i += c.length;
        if (c.type == L'%') {
            out += L'%';
            continue;
        }
        if (c.type == 0 || nextArg >= args.size()) {
            out += literal;
            continue;
        }
        // A conversion uses up its argument even when the types do not fit, as printf would.
        const FormatArg& arg = args[nextArg++];
        const long long* number = arg.Number();
        const std::wstring* text = arg.String();
        switch (c.type) {
        case L's':
        case L'S':
            if (!text) {
                out += literal;
                continue;
            }
            out += Pad(*text, c, false);
            break;
        case L'd':
        case L'i':
        case L'u':
            if (!number) {
                out += literal;
                continue;
            }
            out += Pad(NumberText(*number, c.type == L'u'), c, true);
            break;
        case L'c':
        case L'C':
            if (!number) {
                out += literal;
                continue;
            }
            out += Pad(std::wstring(1, static_cast<wchar_t>(*number & 0xFFFF)), c, false);
            break;
        }
    }
    return out;
}

} // namespace Velkora

#include "access_key.h"

namespace Velkora {

namespace {
// Upper case for the letters of the languages we ship (ASCII and Latin-1), without a locale.
wchar_t Upper(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<wchar_t>(c - 0x20);
    return c;
}
} // namespace

wchar_t AccessKeyOf(std::wstring_view caption) {
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != L'&')
            continue;
        if (caption[at + 1] == L'&') {
            ++at; // a literal "&"
            continue;
        }
        return Upper(caption[at + 1]);
    }
    return 0;
}

} // namespace Velkora

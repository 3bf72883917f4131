#pragma once
// Access keys of captions: "&Write report" is reached with Alt+W.
#include <string_view>

namespace Velkora {

// The character after the first single "&" ("&&" shows one "&"), in upper case; 0 when the
// caption has none.
wchar_t AccessKeyOf(std::wstring_view caption);

} // namespace Velkora

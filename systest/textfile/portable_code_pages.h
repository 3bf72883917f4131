#pragma once
// Code-page conversions in plain C++ for systems without MultiByteToWideChar: Windows-1252
// (also taken for code page 0, the ANSI page, and 3, the thread's ANSI page) and UTF-8. They
// follow the Windows functions for these pages, except that they know no "best fit" mappings
// (Windows writes some characters 1252 lacks as a look-alike, such as A for U+0100).
#include <cstdint>
#include <string>
#include <string_view>

namespace Velkora {

// Undecodable UTF-8 becomes U+FFFD, one per invalid byte sequence.
[[nodiscard]] bool PortableMultiByteToWide(std::uint32_t codePage, std::string_view in, std::wstring& out);

// Lone surrogates become U+FFFD under UTF-8; characters 1252 lacks become the replacement
// character ('?' when it is 0) and set usedReplacement.
[[nodiscard]] bool PortableWideToMultiByte(std::uint32_t codePage, std::wstring_view in, char replacement,
                                           std::string& out, bool& usedReplacement);

} // namespace Velkora

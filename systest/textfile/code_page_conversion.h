#pragma once
// Conversion between 8-bit text in a code page and wide (UTF-16) text. On Windows these are
// MultiByteToWideChar and WideCharToMultiByte; elsewhere the portable tables of
// portable_code_pages.h stand in for them (code page 0, the system's ANSI page, is 1252 there).
#include <cstdint>
#include <string>
#include <string_view>

namespace Velkora {

inline constexpr std::uint32_t kCodePageAnsi = 0;
inline constexpr std::uint32_t kCodePageWindows1252 = 1252;
inline constexpr std::uint32_t kCodePageUtf8 = 65001;

// False when the code page is not known or the text cannot be converted; out is then empty.
[[nodiscard]] bool MultiByteToWide(std::uint32_t codePage, std::string_view in, std::wstring& out);

// Characters the code page lacks become the replacement character (0: the code page's
// default, '?' for the Windows pages) and set usedReplacement; it is never cleared here.
// UTF-8 has no replacement character: the system puts U+FFFD for what it cannot encode.
[[nodiscard]] bool WideToMultiByte(std::uint32_t codePage, std::wstring_view in, char replacement,
                                   std::string& out, bool& usedReplacement);

} // namespace Velkora

#pragma once
// The four ways a text file can hold its characters. The reader recognises them by the
// byte-order mark; the writer puts the mark at the start of the file.
#include <cstdint>

namespace Velkora {

enum class TextEncoding : std::int32_t {
    Ansi = 0,              // 8-bit text in the object's code page, no mark
    Utf16BigEndian = 1,    // FE FF
    Utf16LittleEndian = 2, // FF FE
    Utf8 = 3,              // EF BB BF
};

} // namespace Velkora

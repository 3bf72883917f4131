#pragma once
// Reads one text out of a string-table resource block. A language module is a file anyone
// can replace, so the block is walked with bounds checks instead of trusting its lengths.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace Velkora {

// A block holds 16 texts, each a 16-bit length followed by that many UTF-16 units.
// Gives nothing when the text is absent (length 0) or the block is cut short. A text ends at
// its first NUL, if it has one.
std::optional<std::wstring> ReadStringTableEntry(const std::uint16_t* block, std::size_t units,
                                                 unsigned index);

// The block and the index within it that hold a text number.
inline unsigned StringBlockOf(std::uint16_t id) {
    return static_cast<unsigned>(id >> 4) + 1;
}
inline unsigned StringIndexOf(std::uint16_t id) {
    return id & 0x0F;
}

} // namespace Velkora

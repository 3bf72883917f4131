#include "string_table_block.h"

namespace Velkora {

std::optional<std::wstring> ReadStringTableEntry(const std::uint16_t* block, std::size_t units,
                                                 unsigned index) {
    if (block == nullptr || index > 15)
        return std::nullopt;
    std::size_t at = 0;
    for (unsigned i = 0; i < index; ++i) {
        if (at >= units)
            return std::nullopt;
        std::size_t length = block[at];
        if (length > units - at - 1)
            return std::nullopt;
        at += 1 + length;
    }
    if (at >= units)
        return std::nullopt;
    std::size_t length = block[at];
    if (length == 0 || length > units - at - 1)
        return std::nullopt;
    std::wstring text;
    text.reserve(length);
    // Some resource compilers count a terminating NUL into the length: the text ends at the first one.
    for (std::size_t k = 0; k < length && block[at + 1 + k] != 0; ++k)
        text += static_cast<wchar_t>(block[at + 1 + k]);
    return text;
}

} // namespace Velkora

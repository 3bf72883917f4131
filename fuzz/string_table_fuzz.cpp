// A string-table block of a language module and the formatter its texts go through. The first
// byte is the index within the block; the input's bytes are the block (16-bit units). The text
// read (or the input as text) is then the format for arguments made of the input.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "string_table_block.h"
#include "text_format.h"

using namespace Velkora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    const unsigned index = input.TakeByte() % 18;
    const std::uint8_t argumentKinds = input.TakeByte();
    const std::string bytes = input.TakeLine();

    // Exactly as many units as the bytes hold, in a buffer of their own, so that the address
    // sanitizer sees a read past the block.
    std::vector<std::uint16_t> block(bytes.size() / 2);
    if (!block.empty())
        std::memcpy(block.data(), bytes.data(), block.size() * 2);
    const std::optional<std::wstring> entry = ReadStringTableEntry(block.data(), block.size(), index);
    if (entry && entry->size() > block.size())
        std::abort();

    std::vector<FormatArg> args;
    for (int i = 0; i < 4 && !input.Empty(); ++i) {
        if (argumentKinds & (1 << i)) {
            args.emplace_back(input.TakeWideLine());
        } else {
            std::int64_t number = static_cast<std::int32_t>(input.TakeUInt32());
            if (argumentKinds & (0x10 << i))
                number = (number << 32) | input.TakeUInt32();
            args.emplace_back(static_cast<long long>(number));
        }
    }
    const std::wstring format = entry ? *entry : CFuzzInput::Widen(bytes);
    const std::wstring text = FormatText(format, args);
    // Every argument is used once at most, as its text or number padded to the widest field;
    // the rest of the output is the format itself.
    std::size_t bound = format.size();
    for (const FormatArg& arg : args)
        bound += (arg.String() ? arg.String()->size() : 32) + kMaxFormatWidth;
    if (text.size() > bound)
        std::abort();
    return 0;
}

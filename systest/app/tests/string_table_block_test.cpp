#include "string_table_block.h"

#include <vector>

#include <gtest/gtest.h>

namespace Velkora {
namespace {

// Block with entry 0 "Hi", entry 1 absent, entry 2 "abc", the rest absent.
std::vector<std::uint16_t> SampleBlock() {
    std::vector<std::uint16_t> b = {2, 'H', 'i', 0, 3, 'a', 'b', 'c'};
    b.resize(b.size() + 13, 0);
    return b;
}

TEST(StringTableBlock, ReadsPresentAndAbsentEntries) {
    auto b = SampleBlock();
    EXPECT_EQ(ReadStringTableEntry(b.data(), b.size(), 0), L"Hi");
    EXPECT_EQ(ReadStringTableEntry(b.data(), b.size(), 1), std::nullopt);
    EXPECT_EQ(ReadStringTableEntry(b.data(), b.size(), 2), L"abc");
    EXPECT_EQ(ReadStringTableEntry(b.data(), b.size(), 15), std::nullopt);
    EXPECT_EQ(ReadStringTableEntry(b.data(), b.size(), 16), std::nullopt);
}

TEST(StringTableBlock, HostileLengthsStayInsideTheBlock) {
    struct Case {
        std::vector<std::uint16_t> block;
        unsigned index;
    };
    const Case cases[] = {
        {{0xFFFF, 'a'}, 0},      // length beyond the end
        {{0xFFFF, 'a'}, 1},      // skipping over a length beyond the end
        {{1, 'a'}, 3},           // block ends before the entry
        {{}, 0},                 // empty block
        {{5, 'a', 'b', 'c'}, 0}, // cut short by two units
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadStringTableEntry(c.block.data(), c.block.size(), c.index), std::nullopt);
    }
    EXPECT_EQ(ReadStringTableEntry(nullptr, 10, 0), std::nullopt);
}

// Resource compilers that count the terminating NUL store "Met: " as six units, the last one
// NUL; a text must end there, or everything written after it is cut off (the report file stops
// after its header). The entries after such a text are still found.
TEST(StringTableBlock, TextsEndAtTheirFirstNul) {
    struct Case {
        std::vector<std::uint16_t> block;
        unsigned index;
        std::optional<std::wstring> text;
    };
    const Case cases[] = {
        {{6, 'M', 'e', 't', ':', ' ', 0, 2, 'o', 'k'}, 0, L"Met: "}, // NUL counted
        {{6, 'M', 'e', 't', ':', ' ', 0, 2, 'o', 'k'}, 1, L"ok"},    // the next entry
        {{4, 'a', 0, 'b', 0}, 0, L"a"},                              // cut at the first NUL
        {{1, 0}, 0, L""},                                            // an empty text, present
        {{3, 'a', 'b', 'c', 2, 'x', 0}, 1, L"x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadStringTableEntry(c.block.data(), c.block.size(), c.index), c.text) << c.index;
    }
}

TEST(StringTableBlock, NumbersMapToBlocks) {
    EXPECT_EQ(StringBlockOf(900), 57u);
    EXPECT_EQ(StringIndexOf(900), 4u);
    EXPECT_EQ(StringBlockOf(0), 1u);
    EXPECT_EQ(StringBlockOf(65535), 4096u);
}

} // namespace
} // namespace Velkora

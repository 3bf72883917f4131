#include "type_ahead.h"

#include <gtest/gtest.h>

#include <vector>

namespace Velkora {
namespace {

struct Press {
    wchar_t key;
    std::uint32_t time;
    int expected; // row selected, -1 nothing moves
};

struct TypeAheadCase {
    const char* name;
    std::vector<std::wstring> rows;
    std::vector<Press> presses;
};

class TypeAheadTest : public testing::TestWithParam<TypeAheadCase> {};

// Each found row becomes the selected focus row, which is where the next key starts.
TEST_P(TypeAheadTest, Rows) {
    const TypeAheadCase& c = GetParam();
    CTypeAhead typeAhead;
    int selected = -1;
    auto text = [&](int row) { return c.rows[static_cast<std::size_t>(row)]; };
    for (std::size_t i = 0; i < c.presses.size(); ++i) {
        const Press& p = c.presses[i];
        int found = typeAhead.Type(p.key, p.time, selected, static_cast<int>(c.rows.size()), text);
        EXPECT_EQ(found, p.expected) << c.name << ", key " << i;
        if (found >= 0)
            selected = found;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypeAheadTest,
    testing::Values(
        TypeAheadCase{"repeated O quickly",
                      {L"Warning", L"OK", L"Ok too"},
                      {{L'O', 1000, 1}, {L'O', 1100, 2}, {L'O', 1200, 1}}},
        TypeAheadCase{"repeated O after pauses",
                      {L"Warning", L"OK", L"Ok too"},
                      {{L'O', 1000, 1}, {L'O', 5000, 2}, {L'O', 9000, 1}}},
        TypeAheadCase{
            "O then K keeps the row", {L"Warning", L"OK", L"Ok too"}, {{L'O', 1000, 1}, {L'K', 1500, -1}}},
        TypeAheadCase{"O then K moves on", {L"W", L"Obsolete", L"OK"}, {{L'O', 1000, 1}, {L'K', 1500, 2}}},
        TypeAheadCase{"a pause starts over",
                      {L"Warning", L"OK", L"Met"},
                      {{L'O', 1000, 1}, {L'M', 1800, 2}, {L'W', 1900, -1}}},
        TypeAheadCase{"a new letter after a pause searches from the top",
                      {L"Met", L"OK", L"More"},
                      {{L'O', 0, 1}, {L'M', 2000, 0}}},
        TypeAheadCase{"no match leaves everything", {L"Met", L"OK"}, {{L'X', 100, -1}, {L'M', 2000, 0}}},
        TypeAheadCase{"case is ignored", {L"met", L"ok"}, {{L'O', 100, 1}}},
        TypeAheadCase{"across the wrap of the clock",
                      {L"A1", L"B", L"A2"},
                      {{L'A', 0xFFFFFF00u, 0}, {L'A', 0x00000010u, 2}}},
        TypeAheadCase{"empty list", {}, {{L'A', 100, -1}}}));

TEST(TypeAhead, SearchTextGrowsWithinThePause) {
    CTypeAhead t;
    auto text = [](int) { return std::wstring(L"xyz"); };
    t.Type(L'A', 10, -1, 1, text);
    t.Type(L'B', 20, -1, 1, text);
    t.Type(L'B', 30, -1, 1, text); // not the first letter: appended, also when repeated
    EXPECT_EQ(t.SearchText(), L"ABB");
    t.Type(L'A', 40, -1, 1, text); // the first letter again within the pause: not appended
    EXPECT_EQ(t.SearchText(), L"ABB");
    t.Type(L'C', 840, -1, 1, text);
    EXPECT_EQ(t.SearchText(), L"C");
}

} // namespace
} // namespace Velkora

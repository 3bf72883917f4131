#include "line_wrap.h"

#include <gtest/gtest.h>

#include <sstream>

namespace Velkora {
namespace {

// One unit per character, so that the expected pieces can be read off the case.
int CharacterCount(std::wstring_view text) {
    return static_cast<int>(text.size());
}

struct WrapCase {
    const wchar_t* line;
    int width;
    std::vector<std::wstring> pieces;
};

class LineWrapTest : public testing::TestWithParam<WrapCase> {};

TEST_P(LineWrapTest, Breaks) {
    EXPECT_EQ(WrapLine(GetParam().line, GetParam().width, CharacterCount), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineWrapTest,
    testing::Values(WrapCase{L"short line", 20, {L"short line"}},
                    WrapCase{L"exactly ten", 11, {L"exactly ten"}}, // a piece as wide as the width
                    WrapCase{L"we accept no liability for", 12, {L"we accept no", L"liability", L"for"}},
                    WrapCase{L"a  b   c", 3, {L"a b", L"c"}}, // runs of spaces at a break
                    WrapCase{L"trailing   ", 20, {L"trailing"}},
                    WrapCase{L"  indented text", 20, {L"  indented text"}},
                    WrapCase{L"  indented text", 10, {L"  indented", L"text"}},
                    WrapCase{L"Haftungsausschluss gilt", 6, {L"Haftun", L"gsauss", L"chluss", L"gilt"}},
                    WrapCase{L"ab cdefgh", 4, {L"ab", L"cdef", L"gh"}}, // the rest of a broken word
                    WrapCase{L"abc", 0, {L"a", L"b", L"c"}},            // no width: one character each
                    WrapCase{L"", 10, {L""}},                           // a blank line stays
                    WrapCase{L"   ", 10, {L"   "}},
                    WrapCase{
                        L"x\xD83D\xDE00y", 2, {L"x", L"\xD83D\xDE00", L"y"}})); // a pair is one character

// Whatever the width, every piece fits and the pieces hold every word in order.
TEST(LineWrap, KeepsEveryWordInOrder) {
    const std::wstring line =
        L"Der Lizenzgeber haftet nicht f\x00fcr Sch\x00e4"
        L"den, die aus der Nutzung der Software oder "
        L"der Unm\x00f6glichkeit ihrer Nutzung entstehen, einschlie\x00dflich Datenverlust, "
        L"Betriebsunterbrechung und entgangenen Gewinn, soweit gesetzlich zul\x00e4ssig.";
    std::wstring expected;
    for (wchar_t c : line)
        if (c != L' ')
            expected.push_back(c);
    for (int width = 1; width <= 200; ++width) {
        std::wstring joined;
        for (const std::wstring& piece : WrapLine(line, width, CharacterCount)) {
            EXPECT_LE(CharacterCount(piece), width) << "width " << width;
            EXPECT_FALSE(piece.empty());
            for (wchar_t c : piece)
                if (c != L' ')
                    joined.push_back(c);
        }
        EXPECT_EQ(joined, expected) << "width " << width;
    }
}

// A proportional measure: breaks follow the measured width, not the number of characters.
TEST(LineWrap, FollowsTheMeasure) {
    auto wideM = [](std::wstring_view text) {
        int width = 0;
        for (wchar_t c : text)
            width += (c == L'M') ? 3 : 1;
        return width;
    };
    EXPECT_EQ(WrapLine(L"MMM iii MM", 10, wideM), (std::vector<std::wstring>{L"MMM", L"iii MM"}));
}

} // namespace
} // namespace Velkora

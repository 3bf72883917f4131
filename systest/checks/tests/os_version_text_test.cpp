#include "os_version_text.h"

#include <gtest/gtest.h>

namespace Velkora::Utilities {
namespace {

struct ParseCase {
    const wchar_t* text;
    bool ok;
    std::uint32_t major, minor, build;
};

class VersionTextTest : public testing::TestWithParam<ParseCase> {};

TEST_P(VersionTextTest, Parses) {
    const ParseCase& c = GetParam();
    VersionNumbers numbers{7, 7, 7};
    ASSERT_EQ(ParseVersionText(c.text, numbers), c.ok) << c.text;
    if (!c.ok)
        return;
    EXPECT_EQ(numbers.major, c.major) << c.text;
    EXPECT_EQ(numbers.minor, c.minor) << c.text;
    EXPECT_EQ(numbers.build, c.build) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, VersionTextTest,
    testing::Values(ParseCase{L"10.0.19045", true, 10, 0, 19045}, ParseCase{L"6.1", true, 6, 1, 0},
                    ParseCase{L"6", true, 6, 0, 0},
                    ParseCase{L"10.0.19045.3803", true, 10, 0, 19045}, // a fourth piece is ignored
                    ParseCase{L"  6.3x.9600abc", true, 6, 3,
                              9600}, // blanks skipped, digits up to the first other character
                    ParseCase{L"+6..9600", true, 6, 0, 9600}, // an empty piece reads 0
                    ParseCase{L"-1.0", true, 0xFFFFFFFFu, 0, 0},
                    ParseCase{L"99999999999.1.1", true, 2147483647u, 1, 1}, // held at the limit
                    ParseCase{L"0.0.0", false, 0, 0, 0}, ParseCase{L"Windows", false, 0, 0, 0},
                    ParseCase{L".6.1", false, 0, 0, 0}, ParseCase{L"", false, 0, 0, 0}));

TEST(VersionText, TextToIntLimits) {
    EXPECT_EQ(WideTextToInt(L"-2147483648"), INT32_MIN);
    EXPECT_EQ(WideTextToInt(L"-99999999999"), INT32_MIN);
    EXPECT_EQ(WideTextToInt(L"2147483647"), INT32_MAX);
    EXPECT_EQ(WideTextToInt(L"\t\r\n 42 7"), 42);
    EXPECT_EQ(WideTextToInt(L"- 5"), 0);
}

} // namespace
} // namespace Velkora::Utilities

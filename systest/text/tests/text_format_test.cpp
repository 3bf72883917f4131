#include "text_format.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct FormatCase {
    const wchar_t* format;
    std::vector<FormatArg> args;
    const wchar_t* expected;
};

class FormatTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTextTest, GivesDefinedOutput) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatText(c.format, std::span<const FormatArg>(c.args)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Conversions, FormatTextTest,
                         testing::Values(FormatCase{L"Velkora %s", {L"2018"}, L"Velkora 2018"},
                                         FormatCase{L"%c%s%c", {34, L"PC-1", 34}, L"\"PC-1\""},
                                         FormatCase{L"%02d.%02d.%d", {5, 3, 2018}, L"05.03.2018"},
                                         FormatCase{L"%02d.%02d.%02d", {27, 6, 17}, L"27.06.17"},
                                         FormatCase{L"%d GB, %d%%", {16, 50}, L"16 GB, 50%"},
                                         FormatCase{L"%5d|%-5d|%05d", {-42, 7, -42}, L"  -42|7    |-0042"},
                                         FormatCase{L"%ls and %hs", {L"wide", L"narrow"}, L"wide and narrow"},
                                         FormatCase{L"%u", {-1}, L"4294967295"},
                                         FormatCase{
                                             L"%d", {-9223372036854775807LL - 1}, L"-9223372036854775808"},
                                         FormatCase{L"no conversions", {}, L"no conversions"}));

INSTANTIATE_TEST_SUITE_P(
    HostileFormats, FormatTextTest,
    testing::Values(
        // Too few arguments: the conversions stay as written, nothing is read past the end.
        FormatCase{L"%s %s %s %d", {L"one"}, L"one %s %s %d"},
        // Too many arguments: the surplus is ignored.
        FormatCase{L"%s", {L"a", L"b", 3}, L"a"},
        // Unknown conversions and a lone percent at the end are copied as they stand.
        FormatCase{L"%n %p %x %f %", {1, 2, 3, 4}, L"%n %p %x %f %"},
        // A type that does not fit uses up its argument but prints the conversion.
        FormatCase{L"%d then %s", {L"text", L"next"}, L"%d then next"},
        FormatCase{L"%s then %d", {7, 8}, L"%s then 8"}, FormatCase{L"%-0-0s|", {L"x"}, L"x|"}));

TEST(FormatText, HugeWidthIsCapped) {
    std::wstring out = FormatText(L"%999999999999999999999d", {1});
    EXPECT_EQ(out.size(), kMaxFormatWidth);
    EXPECT_EQ(out.back(), L'1');
}

TEST(FormatText, CharacterTakesTheLowSixteenBits) {
    EXPECT_EQ(FormatText(L"[%c]", {0x100E4}), L"[\x00E4]");
}

} // namespace
} // namespace Velkora

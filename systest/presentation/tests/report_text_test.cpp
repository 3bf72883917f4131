#include "report_text.h"

#include <gtest/gtest.h>

#include "fake_text_source.h"

namespace Velkora {
namespace {

TEST(ReportText, TodayIsDayMonthFullYear) {
    EXPECT_EQ(FormatReportDate(5, 3, 2018), L"05.03.2018");
    EXPECT_EQ(FormatReportDate(31, 12, 999), L"31.12.999");
}

TEST(ReportText, BuildDateConversion) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Jun 27 2017", L"27.06.17"},
        {L"Dec  9 2026", L"09.12.26"}, // the compiler pads single-digit days with a blank
        {L"Jan  1 2000", L"01.01.00"},
        {L"Sep 30 2105", L"30.09.05"},
        {L"Foo 12 2017", L"12.00.17"}, // unknown month
        {L"", L"00.00.00"},
        {L"Jun", L"00.06.00"},
        {L"an 1 2017", L"01.01.17"}, // a fragment is found where it first occurs, as a text search would
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ConvertBuildDate(in), out) << in;
}

TEST(ReportText, HeaderTakesItsSixArgumentsInOrder) {
    FakeTextSource texts{{916, L"Computer %c%s%c on %s, Velkora %s (build %s)"}};
    EXPECT_EQ(MakeReportHeader(texts, L"WS-17", L"05.03.2018", L"2018", L"27.06.17"),
              L"Computer \"WS-17\" on 05.03.2018, Velkora 2018 (build 27.06.17)");
    // A computer name that cannot be read leaves the quotes empty.
    EXPECT_EQ(MakeReportHeader(texts, L"", L"d", L"y", L"b"), L"Computer \"\" on d, Velkora y (build b)");
}

} // namespace
} // namespace Velkora

#include "verdict_tables.h"

#include <gtest/gtest.h>

#include "fake_text_source.h"

namespace Velkora {
namespace {

FakeTextSource Labels() {
    return FakeTextSource{{904, L"Not met"},    {905, L"Warning"},  {906, L"Met"},
                          {907, L"Notice"},     {908, L"Unknown"},  {970, L"%s: not ready"},
                          {971, L"%s: usable"}, {972, L"%s: ready"}};
}

struct VerdictCase {
    Severity severity;
    std::int32_t image;
    const wchar_t* label;
    TextId summaryLabel;
    TextId summaryText;
    std::int32_t summaryIcon;
};

class VerdictTablesTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictTablesTest, RowReportLineAndSummary) {
    const VerdictCase& c = GetParam();
    FakeTextSource texts = Labels();
    ResultRow row = MakeResultRow(texts, c.severity, L"desc");
    EXPECT_EQ(row.image, c.image);
    EXPECT_EQ(row.label, c.label);
    EXPECT_EQ(row.description, L"desc");
    EXPECT_EQ(MakeReportLine(texts, c.severity, L"report"), std::wstring(c.label) + L"report\r\n");
    SummaryEntry summary = LookUpSummary(c.severity);
    EXPECT_EQ(summary.labelId, c.summaryLabel);
    EXPECT_EQ(summary.textId, c.summaryText);
    EXPECT_EQ(summary.icon, c.summaryIcon);
}

INSTANTIATE_TEST_SUITE_P(
    Severities, VerdictTablesTest,
    testing::Values(VerdictCase{1, 0, L"Not met", 904, 970, 0}, VerdictCase{2, 1, L"Warning", 905, 971, 1},
                    VerdictCase{3, 2, L"Met", 906, 972, 2}, VerdictCase{4, 2, L"Met", 906, 972, 2},
                    // 5: own label in rows, but the summary says 908 with the warning icon
                    VerdictCase{5, 1, L"Notice", 908, 970, 1}, VerdictCase{6, 0, L"Unknown", 908, 970, 0},
                    VerdictCase{7, 0, L"Unknown", 908, 970, 0},
                    VerdictCase{2147483647, 0, L"Unknown", 908, 970, 0}));

TEST(VerdictTables, LongLabelIsCutInTheRowButWholeInTheReport) {
    FakeTextSource texts;
    std::wstring sixty(60, L'x');
    texts.Set(904, sixty);
    EXPECT_EQ(MakeResultRow(texts, 1, L"d").label, std::wstring(49, L'x'));
    EXPECT_EQ(MakeReportLine(texts, 1, L"d"), sixty + L"d\r\n");
}

// The report puts the label's separator between label and text; the list shows the bare word.
TEST(VerdictTables, TheSeparatorIsTheReportsAndNotTheLists) {
    struct Case {
        std::wstring label;
        std::wstring bare;
    };
    const Case cases[] = {
        {L"Met: ", L"Met"},
        {L"Nicht erf\u00FCllt: ", L"Nicht erf\u00FCllt"},
        {L"Satisfait\u00A0: ", L"Satisfait"}, // French: a no-break space before the colon
        {L"Met \u2013 ", L"Met"},
        {L"Met\uFF1A", L"Met"},
        {L"Met", L"Met"},
        {L"Re-checked:", L"Re-checked"}, // only the end is the separator
        {L" : ", L""},
        {L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BareLabel(c.label), c.bare);
        FakeTextSource texts;
        texts.Set(906, c.label);
        EXPECT_EQ(MakeResultRow(texts, 3, L"d").label, c.bare);
        EXPECT_EQ(MakeReportLine(texts, 3, L"The operating system is supported."),
                  c.label + L"The operating system is supported.\r\n");
    }
    // The bare word is what is cut to the row's 49 characters.
    FakeTextSource texts;
    texts.Set(904, std::wstring(49, L'x') + L": ");
    EXPECT_EQ(MakeResultRow(texts, 1, L"d").label, std::wstring(49, L'x'));
}

TEST(VerdictTables, MissingLabelGivesEmptyLabelButKeepsDescription) {
    FakeTextSource texts;
    ResultRow row = MakeResultRow(texts, 2, L"still shown");
    EXPECT_EQ(row.label, L"");
    EXPECT_EQ(row.description, L"still shown");
    EXPECT_EQ(MakeReportLine(texts, 2, L"still shown"), L"still shown\r\n");
}

} // namespace
} // namespace Velkora

#include "summary_line_layout.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct LabelCase {
    const char* name;
    SummaryLine designed;
    int needed;
    SummaryLine fitted;
};

bool operator==(HorizontalExtent a, HorizontalExtent b) {
    return a.left == b.left && a.right == b.right;
}

class SummaryLabel : public testing::TestWithParam<LabelCase> {};

TEST_P(SummaryLabel, IsWideEnoughForItsWords) {
    const LabelCase& c = GetParam();
    const SummaryLine fitted = FitSummaryLabel(c.designed, c.needed);
    EXPECT_TRUE(fitted.label == c.fitted.label) << fitted.label.left << ".." << fitted.label.right;
    EXPECT_TRUE(fitted.text == c.fitted.text) << fitted.text.left << ".." << fitted.text.right;
}

// The main window's line at 96 DPI: label 39..99, text 99..707.
INSTANTIATE_TEST_SUITE_P(
    Lines, SummaryLabel,
    testing::Values(LabelCase{"FitsAsDesigned", {{39, 99}, {99, 707}}, 45, {{39, 99}, {99, 707}}},
                    LabelCase{"ExactlyAsWide", {{39, 99}, {99, 707}}, 60, {{39, 99}, {99, 707}}},
                    LabelCase{"LongerWordsMoveTheText", {{39, 99}, {99, 707}}, 78, {{39, 117}, {117, 707}}},
                    LabelCase{"TheGapStays", {{10, 50}, {54, 300}}, 60, {{10, 70}, {74, 300}}},
                    LabelCase{"TheTextNeverTurnsOver", {{10, 50}, {50, 100}}, 200, {{10, 210}, {100, 100}}}),
    [](const testing::TestParamInfo<LabelCase>& info) { return info.param.name; });

} // namespace
} // namespace Velkora

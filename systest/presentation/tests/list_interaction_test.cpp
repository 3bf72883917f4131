#include "list_interaction.h"

#include <gtest/gtest.h>

#include <vector>

#include "list_sorting.h"

namespace Velkora {
namespace {

std::vector<int> Selected(const CListSelection& s) {
    return {s.SelectedRows().begin(), s.SelectedRows().end()};
}

constexpr Modifiers kPlain{};
constexpr Modifiers kCtrl{true, false};
constexpr Modifiers kShift{false, true};
constexpr Modifiers kCtrlShift{true, true};

TEST(ListInteraction, ClickShiftClickCtrlClickAndTheWaitingPlainClick) {
    CListSelection s;
    EXPECT_TRUE(PressRow(s, 2, kPlain));
    ReleaseOnRow(s, 2, kPlain);
    EXPECT_TRUE(PressRow(s, 5, kShift));
    EXPECT_EQ(Selected(s), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(s.Anchor(), 2);
    EXPECT_EQ(s.Focus(), 5);
    EXPECT_FALSE(ReleaseOnRow(s, 5, kShift));
    EXPECT_TRUE(PressRow(s, 3, kCtrl));
    EXPECT_FALSE(ReleaseOnRow(s, 3, kCtrl));
    EXPECT_EQ(Selected(s), (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(s.Anchor(), 3);
    // a plain press on one of several selected rows waits for the release
    EXPECT_FALSE(PressRow(s, 4, kPlain));
    EXPECT_EQ(Selected(s), (std::vector<int>{2, 4, 5}));
    EXPECT_TRUE(ReleaseOnRow(s, 4, kPlain));
    EXPECT_EQ(Selected(s), (std::vector<int>{4}));
    EXPECT_EQ(s.Anchor(), 4);
    EXPECT_EQ(s.Focus(), 4);
}

struct PressCase {
    std::vector<int> selectedBefore;
    int anchor;
    int row;
    Modifiers modifiers;
    std::vector<int> selectedAfter;
    int anchorAfter, focusAfter;
    bool changed;
};

class PressRowTest : public testing::TestWithParam<PressCase> {};

TEST_P(PressRowTest, Selection) {
    const PressCase& c = GetParam();
    CListSelection s;
    for (int row : c.selectedBefore)
        s.Toggle(row);
    s.SetAnchor(c.anchor);
    EXPECT_EQ(PressRow(s, c.row, c.modifiers), c.changed);
    EXPECT_EQ(Selected(s), c.selectedAfter);
    EXPECT_EQ(s.Anchor(), c.anchorAfter);
    EXPECT_EQ(s.Focus(), c.focusAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressRowTest,
    testing::Values(PressCase{{}, -1, 3, kPlain, {3}, 3, 3, true},
                    PressCase{{3}, 3, 3, kPlain, {3}, 3, 3, false}, // the one selected row again
                    PressCase{{1, 2}, 1, 7, kPlain, {7}, 7, 7, true},
                    PressCase{{3}, 3, 3, kCtrl, {}, 3, 3, true},   // Ctrl toggles off
                    PressCase{{}, -1, 4, kShift, {4}, 4, 4, true}, // no anchor: from the row itself
                    PressCase{{6}, 6, 2, kShift, {2, 3, 4, 5, 6}, 6, 2, true},    // upwards
                    PressCase{{0, 9}, 5, 7, kCtrlShift, {5, 6, 7}, 5, 7, true})); // Shift wins, nothing else

TEST(ListInteraction, BelowTheRowsAndRightReleaseOutside) {
    CListSelection s;
    PressRow(s, 1, kPlain);
    PressRow(s, 3, kCtrl);
    PressBelowRows(s);
    EXPECT_EQ(Selected(s), (std::vector<int>{1, 3}));
    EXPECT_EQ(s.Anchor(), -1);
    EXPECT_TRUE(RightReleaseOutsideRows(s));
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.Focus(), -1);
    EXPECT_FALSE(RightReleaseOutsideRows(s));
}

struct KeyCase {
    NavigationKey key;
    int start;
    int expected;
};

class NavigationTest : public testing::TestWithParam<KeyCase> {};

// 30 rows, 10 visible.
TEST_P(NavigationTest, FocusRow) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(NavigatedRow(c.key, c.start, 30, 10), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NavigationTest,
    testing::Values(KeyCase{NavigationKey::kUp, 5, 4}, KeyCase{NavigationKey::kUp, 0, 0},
                    KeyCase{NavigationKey::kUp, -1, 0}, KeyCase{NavigationKey::kDown, -1, 0},
                    KeyCase{NavigationKey::kDown, 29, 29}, KeyCase{NavigationKey::kPageUp, 12, 3},
                    KeyCase{NavigationKey::kPageUp, 5, 0}, KeyCase{NavigationKey::kPageDown, 12, 21},
                    KeyCase{NavigationKey::kPageDown, 25, 29}, KeyCase{NavigationKey::kHome, 17, 0},
                    KeyCase{NavigationKey::kEnd, -1, 29}));

TEST(ListInteraction, EmptyListHasNoFocus) {
    EXPECT_EQ(NavigatedRow(NavigationKey::kEnd, -1, 0, 10), -1);
}

TEST(ListInteraction, CtrlDownMovesOnlyTheFocusThenDownStartsFromTheSelection) {
    CListSelection s;
    PressRow(s, 2, kPlain);
    for (int i = 0; i < 2; ++i)
        EXPECT_FALSE(SelectAfterKey(
            s, NavigatedRow(NavigationKey::kDown, NavigationStartRow(s, kCtrl), 10, 5), kCtrl));
    EXPECT_EQ(s.Focus(), 4);
    EXPECT_EQ(Selected(s), (std::vector<int>{2}));
    EXPECT_EQ(StartingRow(s), 2) << "the focus row is not selected";
    EXPECT_EQ(NavigationStartRow(s, kPlain), 2);
    EXPECT_EQ(NavigationStartRow(s, kShift), 2);
    EXPECT_TRUE(
        SelectAfterKey(s, NavigatedRow(NavigationKey::kDown, NavigationStartRow(s, kPlain), 10, 5), kPlain));
    EXPECT_EQ(Selected(s), (std::vector<int>{3}));
    EXPECT_EQ(s.Focus(), 3);
    // Shift+End: from the anchor to the last row
    EXPECT_TRUE(SelectAfterKey(s, NavigatedRow(NavigationKey::kEnd, StartingRow(s), 10, 5), kShift));
    EXPECT_EQ(Selected(s), (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(s.Focus(), 9);
    EXPECT_EQ(s.Anchor(), 3);
}

TEST(ListInteraction, FocusIsShownOnTheFocusRowOrElseTheFirstRow) {
    CListSelection selection;
    EXPECT_EQ(VisibleFocusRow(selection, 5, true), 0) << "rows but no focus row yet";
    EXPECT_EQ(VisibleFocusRow(selection, 5, false), -1) << "the list does not have the focus";
    EXPECT_EQ(VisibleFocusRow(selection, 0, true), -1) << "no rows";
    selection.SelectOnly(3);
    EXPECT_EQ(VisibleFocusRow(selection, 5, true), 3);
    selection.SetFocus(7); // a focus row that the rows no longer reach
    EXPECT_EQ(VisibleFocusRow(selection, 5, true), 0);
}

TEST(ListSorting, NewColumnSortsAscendingSameColumnReverses) {
    SortState state;
    EXPECT_EQ(state.column, -1);
    EXPECT_TRUE(state.directionFlag);
    EXPECT_EQ(NextSortStep(state, 0), SortStep::kSortAscending);
    EXPECT_TRUE(state.directionFlag); // down arrow
    EXPECT_EQ(NextSortStep(state, 0), SortStep::kReverse);
    EXPECT_FALSE(state.directionFlag); // up arrow
    EXPECT_EQ(NextSortStep(state, 0), SortStep::kReverse);
    EXPECT_TRUE(state.directionFlag);
    EXPECT_EQ(NextSortStep(state, 0), SortStep::kReverse);
    EXPECT_EQ(NextSortStep(state, 1), SortStep::kSortAscending);
    EXPECT_EQ(state.column, 1);
    EXPECT_TRUE(state.directionFlag);
}

} // namespace
} // namespace Velkora

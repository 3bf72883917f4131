#include "list_scrolling.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct VerticalCase {
    int clientHeight, rows, position;
    ScrollBarLayout expected;
    int maxPosition;
};

class VerticalBarTest : public testing::TestWithParam<VerticalCase> {};

// Header and rows 19 pixels high.
TEST_P(VerticalBarTest, Layout) {
    const VerticalCase& c = GetParam();
    ScrollBarLayout bar = VerticalScrollBar(
        {.clientHeight = c.clientHeight, .headerHeight = 19, .rowCount = c.rows, .rowHeight = 19},
        c.position);
    EXPECT_EQ(bar, c.expected);
    EXPECT_EQ(MaxScrollPosition(bar), c.maxPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerticalBarTest,
    testing::Values(VerticalCase{209, 0, 0, {false, 0, 190, 0}, 0},    // empty list: no bar
                    VerticalCase{209, 10, 0, {false, 0, 190, 0}, 0},   // exactly fits
                    VerticalCase{209, 11, 0, {true, 227, 190, 0}, 38}, // one row more: range header + rows
                    VerticalCase{209, 30, 500, {true, 588, 190, 399}, 399},
                    VerticalCase{209, 30, -5, {true, 588, 190, 0}, 399},
                    VerticalCase{200, 30, 0, {true, 588, 181, 0}, 408}, // row area 9 rows and 10 pixels
                    VerticalCase{209, 5, 77, {false, 0, 190, 0}, 0},    // position reset when hidden
                    VerticalCase{10, 1, 0, {true, 37, 0, 0}, 38}));     // smaller than the header

// Whatever part of a row the row area holds at its foot, the furthest position shows the last row
// whole, and so do End and the thumb at the bottom.
TEST(ListScrolling, FurthestPositionShowsTheLastRowWhole) {
    for (int rowHeight : {18, 19, 27, 36}) {
        for (int clientHeight = 2 * rowHeight + 1; clientHeight < 12 * rowHeight; ++clientHeight) {
            const int rows = 30;
            ScrollBarLayout bar = VerticalScrollBar({.clientHeight = clientHeight,
                                                     .headerHeight = rowHeight,
                                                     .rowCount = rows,
                                                     .rowHeight = rowHeight},
                                                    0);
            ASSERT_TRUE(bar.visible);
            int visible = VisibleRowCount(clientHeight, rowHeight, rowHeight);
            int furthest = MaxScrollPosition(bar);
            EXPECT_TRUE(IsRowFullyVisible(
                rows - 1, {.position = furthest, .rowHeight = rowHeight, .visibleRows = visible}))
                << "row height " << rowHeight << ", client height " << clientHeight;
            int end = ScrollIntoViewPosition(
                rows - 1,
                {.position = 0, .rowHeight = rowHeight, .visibleRows = visible, .maxPosition = furthest});
            EXPECT_TRUE(IsRowFullyVisible(rows - 1,
                                          {.position = end, .rowHeight = rowHeight, .visibleRows = visible}))
                << clientHeight;
            EXPECT_EQ(ScrollRequestPosition(ScrollRequest::kToEnd,
                                            {.line = rowHeight, .page = bar.page, .maxPosition = furthest}),
                      furthest);
        }
    }
}

TEST(ListScrolling, HorizontalBar) {
    EXPECT_EQ(HorizontalScrollBar(400, 400, 0), (ScrollBarLayout{false, 0, 400, 0}));
    ScrollBarLayout bar = HorizontalScrollBar(400, 650, 1000);
    EXPECT_EQ(bar, (ScrollBarLayout{true, 649, 400, 250}));
    EXPECT_EQ(MaxScrollPosition(bar), 250);
}

struct RequestCase {
    ScrollRequest request;
    int position, track;
    int expected;
};

class ScrollRequestTest : public testing::TestWithParam<RequestCase> {};

// Line 19, page 190, at most 380.
TEST_P(ScrollRequestTest, Position) {
    const RequestCase& c = GetParam();
    EXPECT_EQ(
        ScrollRequestPosition(
            c.request,
            {.position = c.position, .trackPosition = c.track, .line = 19, .page = 190, .maxPosition = 380}),
        c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScrollRequestTest,
                         testing::Values(RequestCase{ScrollRequest::kLineForward, 0, 0, 19},
                                         RequestCase{ScrollRequest::kLineBack, 10, 0, 0},
                                         RequestCase{ScrollRequest::kPageForward, 100, 0, 290},
                                         RequestCase{ScrollRequest::kPageForward, 300, 0, 380},
                                         RequestCase{ScrollRequest::kPageBack, 300, 0, 110},
                                         RequestCase{ScrollRequest::kToEnd, 3, 0, 380},
                                         RequestCase{ScrollRequest::kToStart, 300, 0, 0},
                                         RequestCase{ScrollRequest::kTrack, 0, 123, 123},
                                         RequestCase{ScrollRequest::kTrack, 0, 9999, 380},
                                         RequestCase{ScrollRequest::kStay, 42, 0, 42}));

struct WheelCase {
    int position;
    std::uint32_t lines;
    int delta;
    int expected;
};

class WheelTest : public testing::TestWithParam<WheelCase> {};

// Rows 19 pixels, 10 visible rows, 30 rows: at most 380.
TEST_P(WheelTest, Position) {
    const WheelCase& c = GetParam();
    EXPECT_EQ(
        WheelScrollPosition({.position = c.position, .rowHeight = 19, .visibleRows = 10, .maxPosition = 380},
                            {.lines = c.lines, .delta = c.delta}),
        c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WheelTest,
                         testing::Values(WheelCase{0, 3, -120, 57},    // one notch down: 3 rows
                                         WheelCase{57, 3, 120, 0},     // and back
                                         WheelCase{19, 3, 120, 0},     // never above the first row
                                         WheelCase{370, 3, -120, 380}, // nor past the end
                                         WheelCase{0, 3, -60, 19},     // half a notch: 3 x 60 / 120 = 1 row
                                         WheelCase{0, 1, -60, 0},      // 1 x 60 / 120 = 0 rows
                                         WheelCase{0, 3, -240, 114},   // two notches at once
                                         WheelCase{60, 3, -120, 114},  // from a half row: whole rows
                                         WheelCase{0, kWheelPageScroll, -120, 190},
                                         WheelCase{0, 0x7FFFFFFF, -0x7FFF, 380}));

TEST(ListScrolling, VisibleRows) {
    EXPECT_EQ(VisibleRowCount(209, 19, 19), 10);
    EXPECT_EQ(VisibleRowCount(208, 19, 19), 9);
    EXPECT_EQ(VisibleRowCount(10, 19, 19), 1);
}

} // namespace
} // namespace Velkora

namespace Velkora {
namespace {

struct IntoViewCase {
    int row, position;
    int expected;
};

class IntoViewTest : public testing::TestWithParam<IntoViewCase> {};

// Rows 19 pixels, 10 whole rows visible, at most 380.
TEST_P(IntoViewTest, Position) {
    const IntoViewCase& c = GetParam();
    EXPECT_EQ(ScrollIntoViewPosition(
                  c.row, {.position = c.position, .rowHeight = 19, .visibleRows = 10, .maxPosition = 380}),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntoViewTest,
                         testing::Values(IntoViewCase{5, 0, 0}, IntoViewCase{9, 0, 0},
                                         IntoViewCase{10, 0, 19}, // one below: it comes in at the bottom
                                         IntoViewCase{25, 0, 16 * 19},
                                         IntoViewCase{2, 5 * 19, 2 * 19}, // above: it goes to the top
                                         IntoViewCase{29, 0, 380}, IntoViewCase{-1, 57, 57}));

TEST(ListScrolling, FullyVisibleRows) {
    const RowView view{.position = 57, .rowHeight = 19, .visibleRows = 10};
    EXPECT_TRUE(IsRowFullyVisible(3, view));
    EXPECT_TRUE(IsRowFullyVisible(12, view));
    EXPECT_FALSE(IsRowFullyVisible(13, view));
    EXPECT_FALSE(IsRowFullyVisible(2, view));
}

} // namespace
} // namespace Velkora

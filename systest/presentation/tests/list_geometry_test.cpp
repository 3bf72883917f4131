#include "list_geometry.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

TEST(ListGeometry, RowHeightIsTextHeightPlusSix) {
    EXPECT_EQ(RowHeightForTextHeight(13), 19);
    EXPECT_EQ(RowHeightForTextHeight(16), 22);
    EXPECT_EQ(RowHeightForTextHeight(-3), 6);
}

struct BandCase {
    int top, bottom, position, rows;
    RowSpan expected;
};

class RowsInBandTest : public testing::TestWithParam<BandCase> {};

// Header 20, rows 19 pixels high.
TEST_P(RowsInBandTest, Span) {
    const BandCase& c = GetParam();
    RowGrid grid{.headerHeight = 20, .rowHeight = 19, .verticalPosition = c.position, .rowCount = c.rows};
    EXPECT_EQ(RowsInBand(grid, c.top, c.bottom), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RowsInBandTest,
                         testing::Values(BandCase{0, 200, 0, 30, {0, 9}},   // rows 0..9 touch 20..199
                                         BandCase{0, 20, 0, 30, {0, -1}},   // the header alone
                                         BandCase{39, 40, 0, 30, {1, 1}},   // one pixel line in row 1
                                         BandCase{0, 200, 0, 3, {0, 2}},    // fewer rows than room
                                         BandCase{0, 200, 0, 0, {0, -1}},   // empty list
                                         BandCase{0, 200, 57, 30, {3, 12}}, // scrolled by three rows
                                         BandCase{
                                             0, 200, 60, 30, {3, 12}}, // half rows are not shown at the top
                                         BandCase{100, 120, 19 * 25, 30, {29, 29}},
                                         BandCase{150, 200, 19 * 25, 30, {0, -1}})); // below the last row

TEST(ListGeometry, RowRectAndHits) {
    EXPECT_EQ(RowRect({.headerHeight = 20,
                       .rowHeight = 19,
                       .verticalPosition = 19, // one row down
                       .horizontalPosition = 7,
                       .totalWidth = 300},
                      1),
              (ListRect{-7, 20, 293, 39}));
    EXPECT_EQ(RowRect({.headerHeight = 20, .rowHeight = 19, .verticalPosition = 25, .totalWidth = 300}, 3),
              (ListRect{0, 58, 300, 77}));
    const RowGrid top{.headerHeight = 20, .rowHeight = 19, .rowCount = 5};
    EXPECT_EQ(RowAtY(top, 19), -1);
    EXPECT_EQ(RowAtY(top, 20), 0);
    EXPECT_EQ(RowAtY({.headerHeight = 20, .rowHeight = 19, .verticalPosition = 19, .rowCount = 5}, 58), 3);
    EXPECT_EQ(RowAtY(top, 20 + 19 * 5), -1);
}

struct CellCase {
    ListRect cell;
    bool first, image, textEmpty;
    CellLayout expected;
};

class CellLayoutTest : public testing::TestWithParam<CellCase> {};

TEST_P(CellLayoutTest, TextAndImage) {
    const CellCase& c = GetParam();
    EXPECT_EQ(LayOutCell(c.cell, c.first, c.image, c.textEmpty), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellLayoutTest,
    testing::Values(
        // plain text, second column: moved 3 right, 4 in from each side
        CellCase{{100, 20, 300, 39}, false, false, false, {{107, 20, 299, 39}, false, 0, 0}},
        // first column moves 4 right; the image takes 16 + 4 and is centred vertically
        CellCase{{0, 20, 100, 39}, true, true, false, {{28, 20, 100, 39}, true, 8, 21}},
        // image without text: centred in the text rectangle
        CellCase{{0, 20, 100, 39}, true, true, true, {{28, 20, 100, 39}, true, 8 + (92 - 16) / 2, 21}},
        // taller rows centre the image
        CellCase{{0, 40, 100, 64}, true, true, false, {{28, 40, 100, 64}, true, 8, 44}}));

TEST(ListGeometry, FittedWidthLeavesTheTextUncut) {
    // What FitColumnToContent makes of a text must hold that text in the cell's text rectangle.
    // at 96, 144 and 192 DPI alike
    for (int imageSize : {16, 24, 32}) {
        for (int textWidth : {0, 1, 37, 250}) {
            for (bool first : {true, false}) {
                for (bool image : {true, false}) {
                    int width = FittedCellWidth(textWidth, image, imageSize);
                    CellLayout layout =
                        LayOutCell({0, 0, width, 2 * imageSize}, first, image, textWidth == 0, imageSize);
                    EXPECT_GE(layout.text.Width(), textWidth) << textWidth << first << image << imageSize;
                    EXPECT_LE(layout.text.right, width) << "text must stay inside its cell";
                    if (textWidth > 0) {
                        EXPECT_LE(layout.imageLeft + (image ? imageSize : 0), layout.text.left)
                            << "image before text";
                    }
                }
            }
        }
    }
    EXPECT_EQ(FittedCellWidth(100, true), 136);
    EXPECT_EQ(FittedCellWidth(100, false), 120);
    EXPECT_EQ(FittedTitleWidth(40), 60);
}

struct HeaderCase {
    ListRect column;
    bool first, image, titleEmpty, arrow;
    HeaderCellLayout expected;
};

class HeaderLayoutTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderLayoutTest, TextArrowAndDividers) {
    const HeaderCase& c = GetParam();
    EXPECT_EQ(LayOutHeaderCell(c.column, c.first, c.image, c.titleEmpty, c.arrow), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderLayoutTest,
    testing::Values(HeaderCase{{0, 0, 100, 19},
                               true,
                               false,
                               false,
                               false,
                               {{8, 0, 95, 19}, false, 0, 0, false, 0, 0, 99, 100, 4, 15}},
                    HeaderCase{{100, 0, 300, 19},
                               false,
                               false,
                               false,
                               false,
                               {{107, 0, 295, 19}, false, 0, 0, false, 0, 0, 299, 300, 4, 15}},
                    // the sort column leaves 15 pixels for the arrow, 4 right of the text, 3 above the middle
                    HeaderCase{{100, 0, 300, 19},
                               false,
                               false,
                               false,
                               true,
                               {{107, 0, 280, 19}, false, 0, 0, true, 284, 6, 299, 300, 4, 15}},
                    HeaderCase{{100, 0, 300, 19},
                               false,
                               true,
                               false,
                               false,
                               {{127, 0, 295, 19}, true, 107, 1, false, 0, 0, 299, 300, 4, 15}},
                    // a glyph-only column centres its glyph
                    HeaderCase{{100, 0, 121, 19},
                               false,
                               true,
                               true,
                               false,
                               {{127, 0, 116, 19}, true, 102, 1, false, 0, 0, 120, 121, 4, 15}},
                    // a 1-pixel column still has its divider lines
                    HeaderCase{{40, 0, 41, 19},
                               false,
                               false,
                               false,
                               false,
                               {{47, 0, 36, 19}, false, 0, 0, false, 0, 0, 40, 41, 4, 15}}));

TEST(ListGeometry, SortArrowConditions) {
    EXPECT_TRUE(ShowsSortArrow(true, false, true, 16));
    EXPECT_FALSE(ShowsSortArrow(true, false, true, 15));
    EXPECT_FALSE(ShowsSortArrow(false, false, true, 100));
    EXPECT_FALSE(ShowsSortArrow(true, true, true, 100));
    EXPECT_FALSE(ShowsSortArrow(true, false, false, 100));
}

TEST(ListGeometry, CellsAndDividers) {
    EXPECT_FALSE(DrawsCells(1));
    EXPECT_FALSE(DrawsCells(0));
    EXPECT_TRUE(DrawsCells(2));
    EXPECT_FALSE(InDividerZone(94, 100));
    EXPECT_TRUE(InDividerZone(95, 100));
    EXPECT_TRUE(InDividerZone(104, 100));
    EXPECT_FALSE(InDividerZone(105, 100));

    CListColumns columns;
    columns.Append(L"a", 30, -1, false, kFormatText, 0, 16);
    columns.Append(L"b", 50, -1, false, kFormatText, 0, 16);
    EXPECT_EQ(ColumnSpan(columns, 1, 10, 0, 19), (ListRect{20, 0, 70, 19}));
    EXPECT_EQ(ColumnSpan(columns, 2, 0, 0, 19), (ListRect{80, 0, 80, 19}));
}

} // namespace
} // namespace Velkora

namespace Velkora {
namespace {

TEST(ListGeometry, DividerZonesPreferTheLaterColumn) {
    CListColumns columns;
    columns.Append(L"a", 100, -1, false, kFormatText, 0, 16);
    columns.Append(L"fixed", 50, -1, true, kFormatText, 0, 16);
    columns.Append(L"b", 0, -1, false, kFormatText, 0, 16);
    EXPECT_EQ(DividerColumnAt(columns, 94), -1);
    EXPECT_EQ(DividerColumnAt(columns, 95), 0);
    EXPECT_EQ(DividerColumnAt(columns, 104), 0);
    EXPECT_EQ(DividerColumnAt(columns, 105), -1);
    // the fixed column's edge at 150 is the 0-wide column's edge too: that one is resized
    EXPECT_EQ(DividerColumnAt(columns, 150), 2);
    EXPECT_EQ(ResizedColumnWidth(100, 300, 250), 50);
    EXPECT_EQ(ResizedColumnWidth(100, 300, 100), 0);
    EXPECT_EQ(ResizedColumnWidth(100, 300, 340), 140);
}

struct BandRowsCase {
    int y0, y1;
    RowSpan expected;
};

class BandRowsTest : public testing::TestWithParam<BandRowsCase> {};

// Header 20, rows 10, 5 rows: content y 20..69.
TEST_P(BandRowsTest, Span) {
    const BandRowsCase& c = GetParam();
    EXPECT_EQ(RowsUnderBand({.headerHeight = 20, .rowHeight = 10, .rowCount = 5}, c.y0, c.y1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BandRowsTest,
                         testing::Values(BandRowsCase{25, 45, {0, 2}}, BandRowsCase{45, 25, {0, 2}},
                                         BandRowsCase{200, 41, {2, 4}}, // from below the last row upwards
                                         BandRowsCase{200, 0, {0, 4}}, BandRowsCase{70, 90, {0, -1}},
                                         BandRowsCase{0, 19, {0, -1}}, BandRowsCase{30, 30, {1, 1}}));

TEST(ListGeometry, ContentYCountsWholeRows) {
    EXPECT_EQ(ContentY(30, 0, 19), 30);
    EXPECT_EQ(ContentY(30, 57, 19), 87);
    EXPECT_EQ(ContentY(30, 60, 19), 87);
}

TEST(ListGeometry, TitleTipOnlyForCutTexts) {
    ListRect text{107, 20, 207, 39}; // 100 wide
    EXPECT_FALSE(NeedsTitleTip(99, text));
    EXPECT_TRUE(NeedsTitleTip(100, text));
    EXPECT_EQ(TitleTipRect(150, text), (ListRect{103, 20, 264, 39}));
}

struct InsideCase {
    ListRect popup;
    ListRect expected;
};

class KeepInsideTest : public testing::TestWithParam<InsideCase> {};

// A work area from (0, 0) to (1920, 1040), as with a task bar at the bottom.
TEST_P(KeepInsideTest, MovesIntoTheWorkArea) {
    EXPECT_EQ(KeepInsideArea(GetParam().popup, {0, 0, 1920, 1040}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepInsideTest,
    testing::Values(InsideCase{{100, 100, 400, 119}, {100, 100, 400, 119}},     // inside: unchanged
                    InsideCase{{1800, 500, 2300, 519}, {1420, 500, 1920, 519}}, // beyond the right edge
                    InsideCase{{-30, 500, 270, 519}, {0, 500, 300, 519}},       // left of the area
                    InsideCase{{100, 1030, 400, 1049}, {100, 1021, 400, 1040}}, // over the task bar
                    InsideCase{{100, -5, 400, 14}, {100, 0, 400, 19}},          // above the top
                    InsideCase{{500, 10, 2600, 29}, {0, 10, 1920, 29}}));       // wider than the area

TEST(ListGeometry, SortArrowTriangleCoversTheGlyphsArrow) {
    EXPECT_EQ(SortArrowTriangle(100, 20, 16, true), (ArrowTriangle{{100, 108, 104}, {21, 21, 25}}));
    EXPECT_EQ(SortArrowTriangle(100, 20, 16, false), (ArrowTriangle{{100, 108, 104}, {25, 25, 21}}));
    EXPECT_EQ(SortArrowTriangle(0, 0, 32, true), (ArrowTriangle{{0, 16, 8}, {2, 2, 10}})) << "twice the size";
}

TEST(ListGeometry, LengthsScaleWithTheDpi) {
    EXPECT_EQ(ScaleForDpi(16, 96), 16);
    EXPECT_EQ(ScaleForDpi(16, 120), 20);
    EXPECT_EQ(ScaleForDpi(16, 144), 24);
    EXPECT_EQ(ScaleForDpi(16, 168), 28);
    EXPECT_EQ(ScaleForDpi(16, 192), 32);
    EXPECT_EQ(ScaleForDpi(179, 144), 269); // 268.5 rounds up
    EXPECT_EQ(ScaleForDpi(-3, 192), -6);
    EXPECT_EQ(ScaleForDpi(16, 0), 16) << "no DPI known: unscaled";
    // the header's sort arrow keeps its room and lift in proportion to the glyphs
    HeaderCellLayout big = LayOutHeaderCell({0, 0, 200, 36}, false, false, false, true, 32);
    EXPECT_EQ(big.text.right, 200 - 5 - 30);
    EXPECT_EQ(big.arrowTop, 18 - 6);
}

TEST(ListGeometry, KeepInsideLeavesAPopupAloneWithoutAnArea) {
    ListRect popup{-50, -50, 100, 100};
    EXPECT_EQ(KeepInsideArea(popup, {0, 0, 0, 0}), popup);
}

} // namespace
} // namespace Velkora

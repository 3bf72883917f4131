#include "list_columns.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct AppendCase {
    const wchar_t* title;
    int width;
    int image;
    std::uint32_t flags;
    int expectedWidth;
    std::uint32_t expectedFlags;
    TextAlignment alignment;
};

class ColumnAppendTest : public testing::TestWithParam<AppendCase> {};

TEST_P(ColumnAppendTest, WidthFlagsAndAlignment) {
    const AppendCase& c = GetParam();
    CListColumns columns;
    columns.Append(L"first", 10, -1, false, kFormatText, 0, 16);
    int index = columns.Append(c.title, c.width, c.image, false, kFormatText, c.flags, 16);
    ASSERT_EQ(index, 1);
    const ListColumn* column = columns.Find(index);
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->width, c.expectedWidth);
    EXPECT_EQ(column->flags, c.expectedFlags);
    EXPECT_EQ(column->subItem, 1);
    EXPECT_EQ(AlignmentOf(column->flags), c.alignment);
    EXPECT_EQ(columns.TotalWidth(), 10 + c.expectedWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnAppendTest,
    testing::Values(AppendCase{L"Status", 1, -1, 0, 1, 0, TextAlignment::kLeft},
                    // an image without a title: glyph width + 5, centred
                    AppendCase{L"", 80, 3, 0, 21, kColumnAlignCentre, TextAlignment::kCentre},
                    // an empty title without an image keeps its width
                    AppendCase{L"", 80, -1, 0, 80, 0, TextAlignment::kLeft},
                    AppendCase{L"x", 50, -1, kColumnAlignLeft | kColumnAlignRight, 50, kColumnAlignRight,
                               TextAlignment::kRight},
                    AppendCase{L"x", 50, -1, kColumnAlignRight | kColumnAlignCentre | kColumnReadOnly, 50,
                               kColumnAlignCentre | kColumnReadOnly, TextAlignment::kCentre},
                    AppendCase{L"x", -7, -1, 0, 0, 0, TextAlignment::kLeft},
                    AppendCase{L"x", 0x7FFFFFFF, -1, 0, 1 << 20, 0, TextAlignment::kLeft}));

TEST(ListColumns, EdgesHitsAndWidthChanges) {
    CListColumns columns;
    columns.Append(L"a", 30, -1, false, kFormatText, 0, 16);
    columns.Append(L"b", 1, -1, false, kFormatText, 0, 16);
    columns.Append(L"c", 50, -1, true, kFormatText, 0, 16);
    EXPECT_EQ(columns.LeftEdge(0), 0);
    EXPECT_EQ(columns.LeftEdge(2), 31);
    EXPECT_EQ(columns.LeftEdge(3), 81);
    EXPECT_EQ(columns.ColumnAt(0), 0);
    EXPECT_EQ(columns.ColumnAt(29), 0);
    EXPECT_EQ(columns.ColumnAt(30), 1);
    EXPECT_EQ(columns.ColumnAt(31), 2);
    EXPECT_EQ(columns.ColumnAt(81), -1);
    EXPECT_EQ(columns.ColumnAt(-1), -1);
    EXPECT_TRUE(columns.SetWidth(1, 0));
    EXPECT_EQ(columns.TotalWidth(), 80);
    EXPECT_EQ(columns.ColumnAt(30), 2); // a 0-wide column is never hit
    EXPECT_FALSE(columns.SetWidth(3, 10));
    EXPECT_FALSE(columns.SetWidth(-1, 10));
    EXPECT_EQ(columns.Find(3), nullptr);
}

} // namespace
} // namespace Velkora

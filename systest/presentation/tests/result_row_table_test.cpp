#include "result_row_table.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

CResultRowTable Table(std::initializer_list<ResultRow> rows) {
    CResultRowTable table;
    for (const ResultRow& row : rows)
        table.AppendRow(row);
    return table;
}

std::vector<std::wstring> Labels(const CResultRowTable& table) {
    std::vector<std::wstring> labels;
    for (const ResultRow& row : table.Rows())
        labels.push_back(row.label);
    return labels;
}

TEST(ResultRowTable, CellTextsAndImages) {
    CResultRowTable table = Table({{2, L"Met", L"Memory"}, {0, L"Not met", L"Disk"}});
    EXPECT_EQ(table.CountRows(), 2);
    EXPECT_EQ(table.GetCellText(0, 0), L"Met");
    EXPECT_EQ(table.GetCellText(1, 1), L"Disk");
    EXPECT_EQ(table.GetCellText(1, 2), L"");
    EXPECT_EQ(table.GetCellText(2, 0), L"");
    EXPECT_EQ(table.GetCellText(-1, 0), L"");
    EXPECT_EQ(table.GetCellImage(1, 0), 0);
    EXPECT_EQ(table.GetCellImage(0, 0), 2);
    EXPECT_EQ(table.GetCellImage(0, 1), -1);
    EXPECT_EQ(table.GetCellImage(5, 0), -1);
    EXPECT_EQ(table.AppendRow({1, L"Warning", L"Screen"}), 2);
}

struct SortCase {
    int subItem;
    bool reverseAfter;
    std::vector<std::wstring> labels;
};

class RowSortTest : public testing::TestWithParam<SortCase> {};

TEST_P(RowSortTest, Order) {
    const SortCase& c = GetParam();
    CResultRowTable table = Table(
        {{0, L"ok", L"b"}, {0, L"OK", L"a"}, {0, L"Warn", L"c"}, {0, L"\x00C4rger", L"d"}, {0, L"OK", L"e"}});
    table.SortRows(c.subItem);
    if (c.reverseAfter)
        table.ReverseRows();
    EXPECT_EQ(Labels(table), c.labels);
}

INSTANTIATE_TEST_SUITE_P(Cases, RowSortTest,
                         testing::Values(
                             // code-unit order: upper case before lower case, U+00C4 after every ASCII letter
                             SortCase{0, false, {L"OK", L"OK", L"Warn", L"ok", L"\x00C4rger"}},
                             SortCase{0, true, {L"\x00C4rger", L"ok", L"Warn", L"OK", L"OK"}},
                             SortCase{1, false, {L"OK", L"ok", L"Warn", L"\x00C4rger", L"OK"}},
                             // sub-items without texts: every row compares equal and keeps its place
                             SortCase{5, false, {L"ok", L"OK", L"Warn", L"\x00C4rger", L"OK"}}));

TEST(ResultRowTable, EqualLabelsKeepTheirOrder) {
    CResultRowTable table = Table({{0, L"OK", L"second"}, {0, L"Bad", L"x"}, {0, L"OK", L"first"}});
    table.SortRows(0);
    EXPECT_EQ(table.GetCellText(1, 1), L"second");
    EXPECT_EQ(table.GetCellText(2, 1), L"first");
}

} // namespace
} // namespace Velkora

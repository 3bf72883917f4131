#include "list_accessibility.h"
#include "list_row_text.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct ChildCase {
    long childId;
    AccessibleKind kind;
    int index;
};

class ChildIdTest : public testing::TestWithParam<ChildCase> {};

// Three rows and two columns: IDs 1-3 are the rows, 4-5 the column headers.
TEST_P(ChildIdTest, Resolves) {
    AccessibleChild child = ResolveChildId(GetParam().childId, 3, 2);
    EXPECT_EQ(child.kind, GetParam().kind);
    EXPECT_EQ(child.index, GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChildIdTest,
    testing::Values(ChildCase{0, AccessibleKind::kList, -1}, ChildCase{1, AccessibleKind::kRow, 0},
                    ChildCase{3, AccessibleKind::kRow, 2}, ChildCase{4, AccessibleKind::kColumnHeader, 0},
                    ChildCase{5, AccessibleKind::kColumnHeader, 1},
                    ChildCase{6, AccessibleKind::kInvalid, -1}, ChildCase{-4, AccessibleKind::kInvalid, -1},
                    ChildCase{0x7FFFFFFF, AccessibleKind::kInvalid, -1}));

TEST(ListAccessibility, ChildIdsRoundTrip) {
    EXPECT_EQ(AccessibleChildCount(3, 2), 5);
    EXPECT_EQ(AccessibleChildCount(0, 2), 2);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(ResolveChildId(ChildIdOfRow(row), 3, 2).index, row);
    for (int column = 0; column < 2; ++column) {
        AccessibleChild child = ResolveChildId(ChildIdOfColumn(column, 3), 3, 2);
        EXPECT_EQ(child.kind, AccessibleKind::kColumnHeader);
        EXPECT_EQ(child.index, column);
    }
    EXPECT_EQ(ChildIdOfRow(-1), kChildSelf) << "no row: the list itself";
}

TEST(ListAccessibility, RolesAndStates) {
    EXPECT_EQ(RoleOf(AccessibleKind::kList), 0x21);         // ROLE_SYSTEM_LIST
    EXPECT_EQ(RoleOf(AccessibleKind::kRow), 0x22);          // ROLE_SYSTEM_LISTITEM
    EXPECT_EQ(RoleOf(AccessibleKind::kColumnHeader), 0x19); // ROLE_SYSTEM_COLUMNHEADER
    const std::uint32_t always = 0x100000 | 0x200000;       // focusable, selectable
    EXPECT_EQ(RowStates(false, false, true), always);
    EXPECT_EQ(RowStates(true, false, true), always | 0x2);
    EXPECT_EQ(RowStates(true, true, true), always | 0x2 | 0x4);
    EXPECT_EQ(RowStates(false, true, false), always | 0x4 | 0x10000);
}

TEST(ListRowText, CopyLinesAreTheReportsForm) {
    EXPECT_EQ(RowCopyLine({L"Met", L"The processor supports SSE2."}),
              L"Met: The processor supports SSE2.\r\n");
    EXPECT_EQ(RowCopyLine({L"", L"These results are a guide."}), L"These results are a guide.\r\n");
    EXPECT_EQ(RowCopyLine({L"", L""}), L"\r\n");
    EXPECT_EQ(RowsToCopy({}, 3), (std::vector<int>{0, 1, 2})) << "nothing selected: every row";
    EXPECT_EQ(RowsToCopy({2, 0}, 3), (std::vector<int>{0, 2}));
    EXPECT_EQ(RowsToCopy({7}, 3), (std::vector<int>{0, 1, 2})) << "a row the list no longer has";
    EXPECT_TRUE(RowsToCopy({}, 0).empty());
}

TEST(ListRowText, AccessibleNameSpeaksStatusThenDescription) {
    EXPECT_EQ(RowAccessibleName({L"Warnung", L"Es sind weniger als 16 GB eingebaut."}),
              L"Warnung, Es sind weniger als 16 GB eingebaut.");
    EXPECT_EQ(RowAccessibleName({L"", L"Only a description"}), L"Only a description");
    EXPECT_EQ(RowAccessibleName({L"Met", L""}), L"Met");
    EXPECT_EQ(RowAccessibleName({}), L"");
}

} // namespace
} // namespace Velkora

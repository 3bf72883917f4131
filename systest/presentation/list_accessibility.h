#pragma once
// The result list as assistive technology sees it (Microsoft Active Accessibility): the list
// itself, then one child per row (list items) and one per column title (column headers). The
// numbers are MSAA's; the Win32 side only hands them out.
#include <cstdint>

namespace Velkora {

// Child IDs: 0 the list, 1 to rows the rows, then the column headers.
inline constexpr long kChildSelf = 0;

enum class AccessibleKind { kList, kRow, kColumnHeader, kInvalid };

struct AccessibleChild {
    AccessibleKind kind = AccessibleKind::kInvalid;
    int index = -1; // row or column
};

AccessibleChild ResolveChildId(long childId, int rowCount, int columnCount);
long ChildIdOfRow(int row);
long ChildIdOfColumn(int column, int rowCount);
int AccessibleChildCount(int rowCount, int columnCount);

// MSAA roles and states (oleacc.h values).
inline constexpr long kRoleList = 0x21;
inline constexpr long kRoleListItem = 0x22;
inline constexpr long kRoleColumnHeader = 0x19;

inline constexpr std::uint32_t kStateSelected = 0x2;
inline constexpr std::uint32_t kStateFocused = 0x4;
inline constexpr std::uint32_t kStateOffscreen = 0x10000;
inline constexpr std::uint32_t kStateFocusable = 0x100000;
inline constexpr std::uint32_t kStateSelectable = 0x200000;
inline constexpr std::uint32_t kStateMultiSelectable = 0x1000000;
inline constexpr std::uint32_t kStateExtSelectable = 0x2000000;
inline constexpr std::uint32_t kStateReadOnly = 0x40;

long RoleOf(AccessibleKind kind);

// The list itself allows several rows and Shift ranges to be selected.
inline constexpr std::uint32_t kListSelectionStates = kStateMultiSelectable | kStateExtSelectable;
// A row: always focusable and selectable; selected and focused as it
// stands (focused only while the list has the keyboard focus); off-screen when scrolled away.
std::uint32_t RowStates(bool selected, bool focused, bool visible);
// A column header is read only.
std::uint32_t ColumnHeaderStates(bool visible);

} // namespace Velkora

#include "list_accessibility.h"

namespace Velkora {

AccessibleChild ResolveChildId(long childId, int rowCount, int columnCount) {
    if (childId == kChildSelf)
        return {AccessibleKind::kList, -1};
    if (childId < 0 || rowCount < 0 || columnCount < 0)
        return {};
    long long id = childId;
    if (id <= rowCount)
        return {AccessibleKind::kRow, static_cast<int>(id - 1)};
    if (id <= static_cast<long long>(rowCount) + columnCount)
        return {AccessibleKind::kColumnHeader, static_cast<int>(id - 1 - rowCount)};
    return {};
}

long ChildIdOfRow(int row) {
    return row < 0 ? kChildSelf : static_cast<long>(row) + 1;
}

long ChildIdOfColumn(int column, int rowCount) {
    return static_cast<long>(rowCount) + column + 1;
}

int AccessibleChildCount(int rowCount, int columnCount) {
    return (rowCount > 0 ? rowCount : 0) + (columnCount > 0 ? columnCount : 0);
}

long RoleOf(AccessibleKind kind) {
    switch (kind) {
    case AccessibleKind::kList:
        return kRoleList;
    case AccessibleKind::kRow:
        return kRoleListItem;
    case AccessibleKind::kColumnHeader:
        return kRoleColumnHeader;
    case AccessibleKind::kInvalid:
        break;
    }
    return 0;
}

std::uint32_t RowStates(bool selected, bool focused, bool visible) {
    std::uint32_t states = kStateFocusable | kStateSelectable;
    if (selected)
        states |= kStateSelected;
    if (focused)
        states |= kStateFocused;
    if (!visible)
        states |= kStateOffscreen;
    return states;
}

std::uint32_t ColumnHeaderStates(bool visible) {
    return kStateReadOnly | (visible ? 0 : kStateOffscreen);
}

} // namespace Velkora

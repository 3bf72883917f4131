#include "list_interaction.h"

#include <algorithm>

namespace Velkora {

namespace {
bool SelectFromAnchor(CListSelection& selection, int row) {
    std::set<int> before = selection.SelectedRows();
    if (selection.Anchor() < 0)
        selection.SetAnchor(row);
    selection.SelectRange(selection.Anchor(), row);
    selection.SetFocus(row);
    return before != selection.SelectedRows();
}

bool SelectOnly(CListSelection& selection, int row) {
    bool changed = selection.Count() != 1 || !selection.IsSelected(row);
    selection.SelectOnly(row);
    return changed;
}
} // namespace

bool PressRow(CListSelection& selection, int row, Modifiers modifiers) {
    if (modifiers.shift)
        return SelectFromAnchor(selection, row);
    if (modifiers.ctrl) {
        selection.Toggle(row);
        return true;
    }
    if (selection.IsSelected(row) && selection.Count() > 1)
        return false;
    return SelectOnly(selection, row);
}

void PressBelowRows(CListSelection& selection) {
    selection.SetAnchor(-1);
}

bool ReleaseOnRow(CListSelection& selection, int row, Modifiers modifiers) {
    if (row < 0 || modifiers.Any() || !selection.IsSelected(row) || selection.Count() <= 1)
        return false;
    selection.SelectOnly(row);
    return true;
}

bool RightReleaseOutsideRows(CListSelection& selection) {
    bool changed = selection.Count() > 0;
    selection.Clear();
    return changed;
}

int StartingRow(const CListSelection& selection) {
    if (selection.Focus() >= 0 && selection.IsSelected(selection.Focus()))
        return selection.Focus();
    return selection.FirstSelected();
}

int NavigationStartRow(const CListSelection& selection, Modifiers modifiers) {
    if (modifiers.ctrl && selection.Focus() >= 0)
        return selection.Focus();
    return StartingRow(selection);
}

int NavigatedRow(NavigationKey key, int startRow, int rowCount, int visibleRows) {
    if (rowCount <= 0)
        return -1;
    int last = rowCount - 1;
    int page = std::max(visibleRows, 1) - 1;
    switch (key) {
    case NavigationKey::kUp:
        return std::clamp(startRow - 1, 0, last);
    case NavigationKey::kDown:
        return std::clamp(startRow + 1, 0, last);
    case NavigationKey::kPageUp:
        return std::clamp(startRow - page, 0, last);
    case NavigationKey::kPageDown:
        return std::clamp(startRow + page, 0, last);
    case NavigationKey::kHome:
        return 0;
    case NavigationKey::kEnd:
        return last;
    }
    return -1;
}

bool SelectAfterKey(CListSelection& selection, int focusRow, Modifiers modifiers) {
    if (focusRow < 0)
        return false;
    if (modifiers.ctrl) {
        selection.SetFocus(focusRow);
        return false;
    }
    if (modifiers.shift)
        return SelectFromAnchor(selection, focusRow);
    return SelectOnly(selection, focusRow);
}

int VisibleFocusRow(const CListSelection& selection, int rowCount, bool listHasFocus) {
    if (!listHasFocus || rowCount <= 0)
        return -1;
    int focus = selection.Focus();
    return focus >= 0 && focus < rowCount ? focus : 0;
}

} // namespace Velkora

#pragma once
// What clicks and navigation keys do to the selection of the result list.
#include "list_selection.h"

namespace Velkora {

struct Modifiers {
    bool ctrl = false;
    bool shift = false;
    bool Any() const { return ctrl || shift; }
};

// Left press on a row (and a right press on a row that is not selected). Answers whether the
// selection changed. A plain press on one of several selected rows changes nothing: the
// release decides (so that the rows can still be dragged as a group).
bool PressRow(CListSelection& selection, int row, Modifiers modifiers);
// Left press below the last row: the anchor is forgotten, the selection stays.
void PressBelowRows(CListSelection& selection);
// Left release over a row: a plain release on one of several selected rows keeps only that row.
bool ReleaseOnRow(CListSelection& selection, int row, Modifiers modifiers);
// Right release outside all rows: nothing selected, no anchor, no focus.
bool RightReleaseOutsideRows(CListSelection& selection);

// Where key navigation starts: the focus row if it is selected, else the first selected row, else -1.
int StartingRow(const CListSelection& selection);
// With Ctrl the focus walks on its own (Ctrl+Down twice from row 2 reaches row 4), so it starts
// from the focus row; otherwise from StartingRow.
int NavigationStartRow(const CListSelection& selection, Modifiers modifiers);

enum class NavigationKey { kUp, kDown, kPageUp, kPageDown, kHome, kEnd };
// The new focus row; -1 for an empty list.
int NavigatedRow(NavigationKey key, int startRow, int rowCount, int visibleRows);
// The row that shows the keyboard focus while the list has it: the focus row, or the first row
// when there is none yet (so the focus is always visible); -1 without the focus or without rows.
int VisibleFocusRow(const CListSelection& selection, int rowCount, bool listHasFocus);

// After a key moved or kept the focus row: with Ctrl only the focus moves; with Shift the
// selection becomes anchor to focus; otherwise the focus row alone. Answers whether the selection
// changed.
bool SelectAfterKey(CListSelection& selection, int focusRow, Modifiers modifiers);

} // namespace Velkora

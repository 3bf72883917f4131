#pragma once
// The selected rows of the result list with the anchor (start of a Shift range) and the focus row.
#include <set>

namespace Velkora {

class CListSelection {
  public:
    bool IsSelected(int row) const { return rows.count(row) != 0; }
    const std::set<int>& SelectedRows() const { return rows; }
    int Count() const { return static_cast<int>(rows.size()); }
    int FirstSelected() const { return rows.empty() ? -1 : *rows.begin(); }

    int Anchor() const { return anchor; }
    int Focus() const { return focus; }
    void SetAnchor(int row) { anchor = row; }
    void SetFocus(int row) { focus = row; }

    // Only this row; it becomes anchor and focus.
    void SelectOnly(int row);
    // Toggles one row; it becomes anchor and focus.
    void Toggle(int row);
    // Exactly the rows from first to last in either order; anchor and focus stay.
    void SelectRange(int first, int last);
    // Every row of a list of rowCount rows; anchor and focus stay.
    void SelectAll(int rowCount);
    // No rows, no anchor, no focus.
    void Clear();

  private:
    std::set<int> rows;
    int anchor = -1;
    int focus = -1;
};

} // namespace Velkora

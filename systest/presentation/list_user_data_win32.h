#pragma once
// The result list as the main window uses it: the grid over ResultRow records. Sub-item 0 is the
// status label with the status image, sub-item 1 the description.
#include <string>
#include <vector>

#include "list_impl_win32.h"
#include "result_row_table.h"

namespace Velkora {

class CListUserData : public CListImpl<CListUserData> {
  public:
    // Adds a row at the end; answers its index, or -1 when the window could not be invalidated
    // (the row is kept all the same).
    int AppendRow(const ResultRow& row);
    const std::vector<ResultRow>& Rows() const { return rows.Rows(); }

    // The grid's questions about the rows.
    int CountRows() const { return rows.CountRows(); }
    const std::wstring& GetCellText(int row, int subItem) const { return rows.GetCellText(row, subItem); }
    int GetCellImage(int row, int subItem) const { return rows.GetCellImage(row, subItem); }
    void SortRows(int subItem) { rows.SortRows(subItem); }
    void ReverseRows() { rows.ReverseRows(); }

  private:
    CResultRowTable rows;
};

} // namespace Velkora

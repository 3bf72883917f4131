#pragma once
// The rows of the result list: one ResultRow per verdict, in the order of addition or of the last
// sort. Sub-item 0 is the status label (shown with the image), sub-item 1 the description.
#include <vector>

#include "check_result.h"

namespace Velkora {

class CResultRowTable {
  public:
    int AppendRow(ResultRow row);
    int CountRows() const { return static_cast<int>(rows.size()); }
    const std::vector<ResultRow>& Rows() const { return rows; }

    // Empty for an unknown row or sub-item.
    const std::wstring& GetCellText(int row, int subItem) const;
    // The status image for sub-item 0, -1 for anything else.
    int GetCellImage(int row, int subItem) const;

    // Ascending by the sub-item's text in UTF-16 code-unit order (case-sensitive). Rows with equal
    // texts keep their order, which makes the result repeatable.
    void SortRows(int subItem);
    void ReverseRows();

  private:
    std::vector<ResultRow> rows;
};

} // namespace Velkora

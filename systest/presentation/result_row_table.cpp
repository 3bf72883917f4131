#include "result_row_table.h"

#include <algorithm>

namespace Velkora {

namespace {
const std::wstring kNoText;

const std::wstring& TextOf(const ResultRow& row, int subItem) {
    switch (subItem) {
    case 0:
        return row.label;
    case 1:
        return row.description;
    default:
        return kNoText;
    }
}
} // namespace

int CResultRowTable::AppendRow(ResultRow row) {
    rows.push_back(std::move(row));
    return CountRows() - 1;
}

const std::wstring& CResultRowTable::GetCellText(int row, int subItem) const {
    if (row < 0 || row >= CountRows())
        return kNoText;
    return TextOf(rows[static_cast<std::size_t>(row)], subItem);
}

int CResultRowTable::GetCellImage(int row, int subItem) const {
    if (row < 0 || row >= CountRows() || subItem != 0)
        return -1;
    return rows[static_cast<std::size_t>(row)].image;
}

void CResultRowTable::SortRows(int subItem) {
    // std::wstring compares its code units; they are UTF-16 on every platform here.
    std::stable_sort(rows.begin(), rows.end(), [subItem](const ResultRow& a, const ResultRow& b) {
        return TextOf(a, subItem) < TextOf(b, subItem);
    });
}

void CResultRowTable::ReverseRows() {
    std::reverse(rows.begin(), rows.end());
}

} // namespace Velkora

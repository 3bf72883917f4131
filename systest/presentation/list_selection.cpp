#include "list_selection.h"

#include <algorithm>
#include <utility>

namespace Velkora {

void CListSelection::SelectOnly(int row) {
    rows.clear();
    if (row >= 0)
        rows.insert(row);
    anchor = focus = row;
}

void CListSelection::Toggle(int row) {
    if (row < 0)
        return;
    if (!rows.erase(row))
        rows.insert(row);
    anchor = focus = row;
}

void CListSelection::SelectRange(int first, int last) {
    if (first > last)
        std::swap(first, last);
    rows.clear();
    for (int row = std::max(first, 0); row <= last; ++row)
        rows.insert(rows.end(), row);
}

void CListSelection::SelectAll(int rowCount) {
    rows.clear();
    for (int row = 0; row < rowCount; ++row)
        rows.insert(rows.end(), row);
}

void CListSelection::Clear() {
    rows.clear();
    anchor = focus = -1;
}

} // namespace Velkora

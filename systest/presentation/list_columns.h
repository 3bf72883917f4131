#pragma once
// The ordered columns of the result list; the order of addition is the display order.
#include <vector>

#include "list_column.h"

namespace Velkora {

class CListColumns {
  public:
    // Adds a column at the right and answers its index. An image-only column is made as wide as
    // its glyph plus 5 and centred; contradicting alignment bits are cleared.
    int Append(const std::wstring& title, int width, int image, bool fixed, int format, std::uint32_t flags,
               int glyphWidth);

    int Count() const { return static_cast<int>(columns.size()); }
    // Null for an index out of range.
    const ListColumn* Find(int column) const;
    // False for an unknown column; a negative width becomes 0, a huge one is limited.
    [[nodiscard]] bool SetWidth(int column, int width);

    int TotalWidth() const { return totalWidth; }
    // Left edge of a column in content coordinates; the total width for an index past the end.
    int LeftEdge(int column) const;
    // Index of the column under a content x coordinate, -1 when none.
    int ColumnAt(int x) const;

  private:
    void RecomputeTotalWidth();

    std::vector<ListColumn> columns;
    int totalWidth = 0;
};

} // namespace Velkora

#include "list_columns.h"

#include <algorithm>

namespace Velkora {

namespace {
// Far wider than any screen, small enough that the sum of many columns stays an int.
constexpr int kMaxColumnWidth = 1 << 20;

int ClampWidth(int width) {
    return std::clamp(width, 0, kMaxColumnWidth);
}
} // namespace

TextAlignment AlignmentOf(std::uint32_t flags) {
    if (flags & kColumnAlignCentre)
        return TextAlignment::kCentre;
    if (flags & kColumnAlignRight)
        return TextAlignment::kRight;
    return TextAlignment::kLeft;
}

int CListColumns::Append(const std::wstring& title, int width, int image, bool fixed, int format,
                         std::uint32_t flags, int glyphWidth) {
    ListColumn column;
    column.title = title;
    column.width = ClampWidth(width);
    column.fixed = fixed;
    column.format = format;
    column.image = image;
    if (title.empty() && image >= 0) {
        column.width = glyphWidth + 5;
        flags |= kColumnAlignCentre;
    }
    if (flags & kColumnAlignCentre)
        flags &= ~(kColumnAlignRight | kColumnAlignLeft);
    if (flags & kColumnAlignRight)
        flags &= ~kColumnAlignLeft;
    column.flags = flags;
    column.subItem = Count();
    columns.push_back(std::move(column));
    RecomputeTotalWidth();
    return Count() - 1;
}

const ListColumn* CListColumns::Find(int column) const {
    if (column < 0 || column >= Count())
        return nullptr;
    return &columns[static_cast<std::size_t>(column)];
}

bool CListColumns::SetWidth(int column, int width) {
    if (column < 0 || column >= Count())
        return false;
    columns[static_cast<std::size_t>(column)].width = ClampWidth(width);
    RecomputeTotalWidth();
    return true;
}

int CListColumns::LeftEdge(int column) const {
    int left = 0;
    for (int i = 0; i < column && i < Count(); ++i)
        left += columns[static_cast<std::size_t>(i)].width;
    return left;
}

int CListColumns::ColumnAt(int x) const {
    int left = 0;
    for (int i = 0; i < Count(); ++i) {
        int right = left + columns[static_cast<std::size_t>(i)].width;
        if (x >= left && x < right)
            return i;
        left = right;
    }
    return -1;
}

void CListColumns::RecomputeTotalWidth() {
    totalWidth = 0;
    for (const ListColumn& c : columns)
        totalWidth += c.width;
}

} // namespace Velkora

#include "list_geometry.h"

namespace Velkora {

namespace {
// Where the sort arrow lies in the 16-pixel glyph: from x 0 to kArrowGlyphRight, its point at
// kArrowGlyphPointX, between kArrowGlyphTop and kArrowGlyphBottom.
constexpr int kArrowGlyphRight = 8;
constexpr int kArrowGlyphPointX = 4;
constexpr int kArrowGlyphTop = 1;
constexpr int kArrowGlyphBottom = 5;
} // namespace

int ScaleForDpi(int value, int dpi) {
    if (dpi <= 0)
        return value;
    long long scaled = static_cast<long long>(value) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kBaseDpi / 2) / kBaseDpi
                                        : -((-scaled + kBaseDpi / 2) / kBaseDpi));
}

int RowHeightForTextHeight(int textHeight, int dpi) {
    return std::max(textHeight, 0) + ScaleForDpi(kRowTextPadding, dpi);
}

int FirstVisibleRow(int verticalPosition, int rowHeight) {
    if (rowHeight <= 0 || verticalPosition <= 0)
        return 0;
    return verticalPosition / rowHeight;
}

RowSpan RowsInBand(const RowGrid& grid, int areaTop, int areaBottom) {
    areaTop = std::max(areaTop, grid.headerHeight);
    if (grid.rowHeight <= 0 || grid.rowCount <= 0 || areaBottom <= areaTop)
        return {};
    int firstRow = FirstVisibleRow(grid.verticalPosition, grid.rowHeight);
    RowSpan span;
    span.first = firstRow + (areaTop - grid.headerHeight) / grid.rowHeight;
    span.last = std::min(firstRow + (areaBottom - 1 - grid.headerHeight) / grid.rowHeight, grid.rowCount - 1);
    if (span.first > span.last)
        return {};
    return span;
}

ListRect RowRect(const RowGrid& grid, int row) {
    ListRect r;
    r.top =
        grid.headerHeight + (row - FirstVisibleRow(grid.verticalPosition, grid.rowHeight)) * grid.rowHeight;
    r.bottom = r.top + grid.rowHeight;
    r.left = -grid.horizontalPosition;
    r.right = grid.totalWidth - grid.horizontalPosition;
    return r;
}

int RowAtY(const RowGrid& grid, int y) {
    if (y < grid.headerHeight || grid.rowHeight <= 0)
        return -1;
    int row =
        FirstVisibleRow(grid.verticalPosition, grid.rowHeight) + (y - grid.headerHeight) / grid.rowHeight;
    return row < grid.rowCount ? row : -1;
}

ListRect ColumnSpan(const CListColumns& columns, int column, int horizontalPosition, int top, int bottom) {
    ListRect r;
    r.left = columns.LeftEdge(column) - horizontalPosition;
    const ListColumn* c = columns.Find(column);
    r.right = r.left + (c ? c->width : 0);
    r.top = top;
    r.bottom = bottom;
    return r;
}

CellLayout LayOutCell(const ListRect& cell, bool firstColumn, bool hasImage, bool textEmpty, int imageSize) {
    CellLayout layout;
    int shift = firstColumn ? kFirstColumnCellShift : kCellShift;
    layout.text = {cell.left + shift + kCellTextInset, cell.top, cell.right + shift - kCellTextInset,
                   cell.bottom};
    if (hasImage) {
        layout.hasImage = true;
        layout.imageTop = cell.top + (cell.Height() - imageSize) / 2;
        layout.imageLeft =
            textEmpty ? layout.text.left + (layout.text.Width() - imageSize) / 2 : layout.text.left;
        layout.text.left += imageSize + kImageTextGap;
    }
    return layout;
}

bool ShowsSortArrow(bool isSortColumn, bool fixed, bool sortingOn, int columnWidth) {
    return isSortColumn && !fixed && sortingOn && columnWidth > kSortArrowRoom;
}

HeaderCellLayout LayOutHeaderCell(const ListRect& column, bool firstColumn, bool hasImage, bool titleEmpty,
                                  bool showsArrow, int imageSize) {
    HeaderCellLayout layout;
    auto glyphScaled = [imageSize](int pixels) {
        return (pixels * imageSize + kListImageSize / 2) / kListImageSize;
    };
    layout.text = {
        column.left + kHeaderTextShift + (firstColumn ? kFirstColumnHeaderExtra : 0) + kHeaderTextInset,
        column.top, column.right - kHeaderTextRightInset - (showsArrow ? glyphScaled(kSortArrowRoom) : 0),
        column.bottom};
    if (hasImage) {
        layout.hasImage = true;
        layout.imageTop = column.top + (column.Height() - imageSize) / 2;
        layout.imageLeft = titleEmpty ? column.left + (column.Width() - imageSize) / 2 : layout.text.left;
        layout.text.left += imageSize + kImageTextGap;
    }
    if (showsArrow) {
        layout.hasArrow = true;
        layout.arrowLeft = layout.text.right + kSortArrowGap;
        layout.arrowTop = (column.top + column.bottom) / 2 - glyphScaled(kSortArrowLift);
    }
    layout.darkLineX = column.right - 1;
    layout.lightLineX = column.right;
    layout.lineTop = column.top + kHeaderLineInset;
    layout.lineBottom = column.bottom - kHeaderLineInset;
    return layout;
}

ArrowTriangle SortArrowTriangle(int left, int top, int glyphSize, bool pointsDown) {
    auto at = [glyphSize](int glyphPixels) {
        return (glyphPixels * glyphSize + kListImageSize / 2) / kListImageSize;
    };
    int wide = top + at(pointsDown ? kArrowGlyphTop : kArrowGlyphBottom);
    int point = top + at(pointsDown ? kArrowGlyphBottom : kArrowGlyphTop);
    return ArrowTriangle{{left, left + at(kArrowGlyphRight), left + at(kArrowGlyphPointX)},
                         {wide, wide, point}};
}

int FittedCellWidth(int textWidth, bool hasImage, int imageSize) {
    return textWidth + (hasImage ? imageSize : 0) + kFitPadding;
}

int FittedTitleWidth(int titleWidth) {
    return titleWidth + kFitPadding;
}

bool InDividerZone(int x, int columnRight) {
    return x >= columnRight - kDividerZoneLeft && x <= columnRight + kDividerZoneRight;
}

int DividerColumnAt(const CListColumns& columns, int x) {
    int found = -1;
    for (int i = 0; i < columns.Count(); ++i) {
        const ListColumn& column = *columns.Find(i);
        if (!column.fixed && InDividerZone(x, columns.LeftEdge(i) + column.width))
            found = i;
    }
    return found;
}

int ResizedColumnWidth(int startWidth, int startX, int x) {
    return std::max(startWidth + (x - startX), 0);
}

int ContentY(int clientY, int verticalPosition, int rowHeight) {
    return clientY + FirstVisibleRow(verticalPosition, rowHeight) * std::max(rowHeight, 0);
}

RowSpan RowsUnderBand(const RowGrid& grid, int y0, int y1) {
    if (grid.rowHeight <= 0 || grid.rowCount <= 0)
        return {};
    int top = std::min(y0, y1) - grid.headerHeight, bottom = std::max(y0, y1) - grid.headerHeight;
    if (bottom < 0 || top >= grid.rowCount * grid.rowHeight)
        return {};
    RowSpan span;
    span.first = std::max(top, 0) / grid.rowHeight;
    span.last = std::min(bottom / grid.rowHeight, grid.rowCount - 1);
    return span;
}

bool NeedsTitleTip(int textWidth, const ListRect& textRect) {
    return textWidth > textRect.Width() - 1;
}

ListRect TitleTipRect(int textWidth, const ListRect& textRect) {
    int left = textRect.left - kTitleTipTextInset;
    return {left, textRect.top, left + textWidth + kTitleTipExtraWidth, textRect.bottom};
}

ListRect KeepInsideArea(const ListRect& popup, const ListRect& area) {
    if (area.Width() <= 0 || area.Height() <= 0)
        return popup; // no area known: leave it where it is
    int width = std::clamp(popup.Width(), 0, area.Width());
    int height = std::clamp(popup.Height(), 0, area.Height());
    int left = std::clamp(popup.left, area.left, area.right - width);
    int top = std::clamp(popup.top, area.top, area.bottom - height);
    return {left, top, left + width, top + height};
}

} // namespace Velkora

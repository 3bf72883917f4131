#include "list_geometry.h"

namespace Velkora {

int ScaleForDpi(int value, int dpi) {
    if (dpi <= 0)
        return value;
    long long scaled = static_cast<long long>(value) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kBaseDpi / 2) / kBaseDpi
                                        : -((-scaled + kBaseDpi / 2) / kBaseDpi));
}

int RowHeightForTextHeight(int textHeight, int dpi) {
    return std::max(textHeight, 0) + ScaleForDpi(6, dpi);
}

int FirstVisibleRow(int verticalPosition, int rowHeight) {
    if (rowHeight <= 0 || verticalPosition <= 0)
        return 0;
    return verticalPosition / rowHeight;
}

RowSpan RowsInBand(int areaTop, int areaBottom, int headerHeight, int rowHeight, int verticalPosition,
                   int rowCount) {
    areaTop = std::max(areaTop, headerHeight);
    if (rowHeight <= 0 || rowCount <= 0 || areaBottom <= areaTop)
        return {};
    int firstRow = FirstVisibleRow(verticalPosition, rowHeight);
    RowSpan span;
    span.first = firstRow + (areaTop - headerHeight) / rowHeight;
    span.last = std::min(firstRow + (areaBottom - 1 - headerHeight) / rowHeight, rowCount - 1);
    if (span.first > span.last)
        return {};
    return span;
}

ListRect RowRect(int row, int headerHeight, int rowHeight, int verticalPosition, int horizontalPosition,
                 int totalWidth) {
    ListRect r;
    r.top = headerHeight + (row - FirstVisibleRow(verticalPosition, rowHeight)) * rowHeight;
    r.bottom = r.top + rowHeight;
    r.left = -horizontalPosition;
    r.right = totalWidth - horizontalPosition;
    return r;
}

int RowAtY(int y, int headerHeight, int rowHeight, int verticalPosition, int rowCount) {
    if (y < headerHeight || rowHeight <= 0)
        return -1;
    int row = FirstVisibleRow(verticalPosition, rowHeight) + (y - headerHeight) / rowHeight;
    return row < rowCount ? row : -1;
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
    int shift = firstColumn ? 4 : 3;
    layout.text = {cell.left + shift + 4, cell.top, cell.right + shift - 4, cell.bottom};
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
    return isSortColumn && !fixed && sortingOn && columnWidth > 15;
}

HeaderCellLayout LayOutHeaderCell(const ListRect& column, bool firstColumn, bool hasImage, bool titleEmpty,
                                  bool showsArrow, int imageSize) {
    HeaderCellLayout layout;
    auto glyphScaled = [imageSize](int pixels) {
        return (pixels * imageSize + kListImageSize / 2) / kListImageSize;
    };
    layout.text = {column.left + 3 + (firstColumn ? 1 : 0) + 4, column.top,
                   column.right - 5 - (showsArrow ? glyphScaled(15) : 0), column.bottom};
    if (hasImage) {
        layout.hasImage = true;
        layout.imageTop = column.top + (column.Height() - imageSize) / 2;
        layout.imageLeft = titleEmpty ? column.left + (column.Width() - imageSize) / 2 : layout.text.left;
        layout.text.left += imageSize + kImageTextGap;
    }
    if (showsArrow) {
        layout.hasArrow = true;
        layout.arrowLeft = layout.text.right + 4;
        layout.arrowTop = (column.top + column.bottom) / 2 - glyphScaled(3);
    }
    layout.darkLineX = column.right - 1;
    layout.lightLineX = column.right;
    layout.lineTop = column.top + 4;
    layout.lineBottom = column.bottom - 4;
    return layout;
}

ArrowTriangle SortArrowTriangle(int left, int top, int glyphSize, bool pointsDown) {
    // In the 16-pixel glyph the arrow spans x 0 to 8 and y 1 to 5, its point at x 4.
    auto at = [glyphSize](int glyphPixels) { return (glyphPixels * glyphSize + 8) / 16; };
    int wide = top + at(pointsDown ? 1 : 5), point = top + at(pointsDown ? 5 : 1);
    return ArrowTriangle{{left, left + at(8), left + at(4)}, {wide, wide, point}};
}

int FittedCellWidth(int textWidth, bool hasImage, int imageSize) {
    return textWidth + (hasImage ? imageSize : 0) + 20;
}

int FittedTitleWidth(int titleWidth) {
    return titleWidth + 20;
}

bool InDividerZone(int x, int columnRight) {
    return x >= columnRight - 5 && x <= columnRight + 4;
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

RowSpan RowsUnderBand(int y0, int y1, int headerHeight, int rowHeight, int rowCount) {
    if (rowHeight <= 0 || rowCount <= 0)
        return {};
    int top = std::min(y0, y1) - headerHeight, bottom = std::max(y0, y1) - headerHeight;
    if (bottom < 0 || top >= rowCount * rowHeight)
        return {};
    RowSpan span;
    span.first = std::max(top, 0) / rowHeight;
    span.last = std::min(bottom / rowHeight, rowCount - 1);
    return span;
}

bool NeedsTitleTip(int textWidth, const ListRect& textRect) {
    return textWidth > textRect.Width() - 1;
}

ListRect TitleTipRect(int textWidth, const ListRect& textRect) {
    int left = textRect.left - 4;
    return {left, textRect.top, left + textWidth + 11, textRect.bottom};
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

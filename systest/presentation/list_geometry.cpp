#include "list_geometry.h"

namespace Velkora {

int RowHeightForTextHeight(int textHeight) { return std::max(textHeight, 0) + 6; }

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

CellLayout LayOutCell(const ListRect& cell, bool firstColumn, bool hasImage, bool textEmpty) {
    CellLayout layout;
    int shift = firstColumn ? 4 : 3;
    layout.text = {cell.left + shift + 4, cell.top, cell.right + shift - 4, cell.bottom};
    if (hasImage) {
        layout.hasImage = true;
        layout.imageTop = cell.top + (cell.Height() - kListImageSize) / 2;
        layout.imageLeft =
            textEmpty ? layout.text.left + (layout.text.Width() - kListImageSize) / 2 : layout.text.left;
        layout.text.left += kListImageSize + kImageTextGap;
    }
    return layout;
}

bool ShowsSortArrow(bool isSortColumn, bool fixed, bool sortingOn, int columnWidth) {
    return isSortColumn && !fixed && sortingOn && columnWidth > 15;
}

HeaderCellLayout LayOutHeaderCell(const ListRect& column, bool firstColumn, bool hasImage, bool titleEmpty,
                                  bool showsArrow) {
    HeaderCellLayout layout;
    layout.text = {column.left + 3 + (firstColumn ? 1 : 0) + 4, column.top,
                   column.right - 5 - (showsArrow ? 15 : 0), column.bottom};
    if (hasImage) {
        layout.hasImage = true;
        layout.imageTop = column.top + (column.Height() - kListImageSize) / 2;
        layout.imageLeft =
            titleEmpty ? column.left + (column.Width() - kListImageSize) / 2 : layout.text.left;
        layout.text.left += kListImageSize + kImageTextGap;
    }
    if (showsArrow) {
        layout.hasArrow = true;
        layout.arrowLeft = layout.text.right + 4;
        layout.arrowTop = (column.top + column.bottom) / 2 - 3;
    }
    layout.darkLineX = column.right - 1;
    layout.lightLineX = column.right;
    layout.lineTop = column.top + 4;
    layout.lineBottom = column.bottom - 4;
    return layout;
}

int FittedCellWidth(int textWidth, bool hasImage) { return textWidth + (hasImage ? kListImageSize : 0) + 20; }

int FittedTitleWidth(int titleWidth) { return titleWidth + 20; }

bool InDividerZone(int x, int columnRight) { return x >= columnRight - 5 && x <= columnRight + 4; }

int DividerColumnAt(const CListColumns& columns, int x) {
    int found = -1;
    for (int i = 0; i < columns.Count(); ++i) {
        const ListColumn& column = *columns.Find(i);
        if (!column.fixed && InDividerZone(x, columns.LeftEdge(i) + column.width))
            found = i;
    }
    return found;
}

int ResizedColumnWidth(int startWidth, int startX, int x) { return std::max(startWidth + (x - startX), 0); }

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

bool NeedsTitleTip(int textWidth, const ListRect& textRect) { return textWidth > textRect.Width() - 1; }

ListRect TitleTipRect(int textWidth, const ListRect& textRect) {
    int left = textRect.left - 4;
    return {left, textRect.top, left + textWidth + 11, textRect.bottom};
}

} // namespace Velkora

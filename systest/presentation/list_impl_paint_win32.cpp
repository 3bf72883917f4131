// Painting the result list into the off-screen bitmap: background, rows, rubber band, header.
// The places come from list_geometry.h, the strokes from list_painter_win32.h.
#include <algorithm>

#include "list_impl_win32.h"
#include "list_painter_win32.h"
#include "list_user_data_win32.h"

namespace Velkora {

template <typename T> void CListImpl<T>::DoPaint(HDC dc, const RECT& area) {
    ListRect band = ToListRect(area);
    FillSolid(dc, band, settings.colours.background);
    PaintRows(dc, band, verticalPosition);
    if (bandActive)
        PaintBand(dc);
    if (kShowHeader)
        PaintHeaderStrip(dc, band);
}

// Rows as they stand at the vertical position `rowsPosition` (the slide renders other positions).
template <typename T> void CListImpl<T>::PaintRows(HDC dc, const ListRect& area, int rowsPosition) {
    RowGrid grid = CurrentRowGrid();
    grid.verticalPosition = rowsPosition;
    RowSpan span = RowsInBand(grid, area.top, area.bottom);
    const ListColours& colours = settings.colours;
    int focusRow = VisibleFocusRow(selection, grid.rowCount, HasFocus());
    for (int row = span.first; row <= span.last; ++row) {
        ListRect rowRect = RowRect(grid, row);
        bool selected = selection.IsSelected(row);
        if (selected)
            FillSolid(dc, rowRect, colours.selectedBackground);
        COLORREF textColour = selected ? colours.selectedText : colours.rowText;
        for (int i = 0; i < columns.Count(); ++i) {
            const ListColumn& column = *columns.Find(i);
            ListRect cell = ColumnSpan(columns, i, horizontalPosition, rowRect.top, rowRect.bottom);
            if (!DrawsCells(column.width) || !cell.Intersects(area))
                continue;
            PaintCell(dc, {.cell = cell,
                           .firstColumn = i == 0,
                           .text = Derived().GetCellText(row, column.subItem),
                           .image = Derived().GetCellImage(row, column.subItem),
                           .images = resources.rowImages.Get(),
                           .font = settings.font.Get(),
                           .textColour = textColour,
                           .alignment = AlignmentOf(column.flags),
                           .imageSize = resources.imageSize});
        }
        // The keyboard focus is always visible, whatever the system's keyboard-cue setting.
        if (row == focusRow) {
            RECT focus = ToRect(rowRect);
            DrawFocusRect(dc, &focus);
        }
    }
}

template <typename T> void CListImpl<T>::PaintBand(HDC dc) {
    int top = FirstVisibleRow(verticalPosition, RowHeight()) * RowHeight();
    ListRect rubber{std::min(pressPoint.x, bandEnd.x) - horizontalPosition,
                    std::min(pressPoint.y, bandEnd.y) - top,
                    std::max(pressPoint.x, bandEnd.x) - horizontalPosition + 1,
                    std::max(pressPoint.y, bandEnd.y) - top + 1};
    PaintRubberBand(dc, rubber, settings.colours);
}

template <typename T> void CListImpl<T>::PaintHeaderStrip(HDC dc, const ListRect& area) {
    PaintHeader(dc,
                {.columns = &columns,
                 .horizontalPosition = horizontalPosition,
                 .clientWidth = ClientRect().right,
                 .headerHeight = HeaderHeight(),
                 .sortColumn = sortState.column,
                 .sortDescending = sortState.directionFlag,
                 .sortingOn = kSortOnHeaderClick,
                 .pressedColumn = pressedColumn,
                 .colours = &settings.colours,
                 .font = settings.font.Get(),
                 .glyphs = resources.glyphs.Get(),
                 .glyphSize = resources.imageSize},
                area);
}

// The list's one use.
template void CListImpl<CListUserData>::DoPaint(HDC, const RECT&);
template void CListImpl<CListUserData>::PaintRows(HDC, const ListRect&, int);
template void CListImpl<CListUserData>::PaintBand(HDC);
template void CListImpl<CListUserData>::PaintHeaderStrip(HDC, const ListRect&);

} // namespace Velkora

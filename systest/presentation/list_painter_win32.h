#pragma once
// Painting of the result list's parts at the places the portable layout gives.
#include <windows.h>

#include <string_view>

#include "list_columns.h"
#include "list_geometry.h"
#include "list_settings_win32.h"

namespace Velkora {

inline RECT ToRect(const ListRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}
inline ListRect ToListRect(const RECT& r) {
    return ListRect{r.left, r.top, r.right, r.bottom};
}

void FillSolid(HDC dc, const ListRect& area, COLORREF colour);

// Single line, vertically centred, no prefix characters, an ellipsis when it does not fit.
void DrawCellText(HDC dc, const ListRect& area, std::wstring_view text, HFONT font, COLORREF colour,
                  TextAlignment alignment);

struct CellPaint {
    ListRect cell;
    bool firstColumn = false;
    std::wstring_view text;
    int image = -1; // in `images`, -1 none
    HIMAGELIST images = nullptr;
    HFONT font = nullptr;
    COLORREF textColour = 0;
    TextAlignment alignment = TextAlignment::kLeft;
    int imageSize = kListImageSize;
};

// One cell of a row; drawing stays inside the cell.
void PaintCell(HDC dc, const CellPaint& cell);

struct HeaderPaint {
    const CListColumns* columns = nullptr;
    int horizontalPosition = 0;
    int clientWidth = 0;
    int headerHeight = 0;
    int sortColumn = -1;
    bool sortDescending = true; // the direction flag: down arrow while set
    bool sortingOn = true;
    int pressedColumn = -1;
    const ListColours* colours = nullptr;
    HFONT font = nullptr;
    HIMAGELIST glyphs = nullptr;
    int glyphSize = kListImageSize;
};

// The header strip: background, pressed column, dividers, titles, sort arrow, frame.
void PaintHeader(HDC dc, const HeaderPaint& header, const ListRect& area);

// The rubber band: filled with the selection-rectangle colour and framed in the window text colour.
void PaintRubberBand(HDC dc, const ListRect& band, const ListColours& colours);

} // namespace Velkora

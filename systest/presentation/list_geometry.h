#pragma once
// Where the result list draws what: rows, cells, header cells, sort arrows, and how wide a
// column must be to show its content. All in client pixels; the Win32 side only paints these.
#include <algorithm>

#include "list_columns.h"

namespace Velkora {

struct ListRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Intersects(const ListRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    friend bool operator==(const ListRect&, const ListRect&) = default;
};

inline constexpr int kListImageSize = 16; // row images and header glyphs at 96 DPI
inline constexpr int kImageTextGap = 4;   // between an image and its text
inline constexpr int kBaseDpi = 96;

// A length of the 96-DPI layout at another DPI, rounded to the nearest pixel.
int ScaleForDpi(int value, int dpi);

// Rows and header are as tall as the text "Height" in the list font plus 6 pixels (at 96 DPI;
// the padding grows with the DPI as the font does).
int RowHeightForTextHeight(int textHeight, int dpi = kBaseDpi);

// The row on top of the row area: the list shows whole rows only.
int FirstVisibleRow(int verticalPosition, int rowHeight);

// Rows (inclusive) that touch the client band [areaTop, areaBottom); first > last when none.
struct RowSpan {
    int first = 0;
    int last = -1;
    friend bool operator==(const RowSpan&, const RowSpan&) = default;
};
RowSpan RowsInBand(int areaTop, int areaBottom, int headerHeight, int rowHeight, int verticalPosition,
                   int rowCount);

// The whole row's rectangle: from minus the horizontal position to the end of the last column.
ListRect RowRect(int row, int headerHeight, int rowHeight, int verticalPosition, int horizontalPosition,
                 int totalWidth);
// Index of the row under a client y, -1 on the header or below the last row.
int RowAtY(int y, int headerHeight, int rowHeight, int verticalPosition, int rowCount);

// A column's span in client x (the band's top and bottom are the caller's).
ListRect ColumnSpan(const CListColumns& columns, int column, int horizontalPosition, int top, int bottom);

// A column exactly 1 pixel wide is a placeholder: its cells are not drawn.
inline bool DrawsCells(int columnWidth) {
    return columnWidth != 1 && columnWidth > 0;
}

struct CellLayout {
    ListRect text; // where the text goes (single line, vertically centred)
    bool hasImage = false;
    int imageLeft = 0;
    int imageTop = 0;
    friend bool operator==(const CellLayout&, const CellLayout&) = default;
};
// The text rectangle is the cell moved 3 pixels right (4 in the first column) and narrowed by
// 4 pixels on each side; an image sits at its left (centred when there is no text) and pushes
// the text right by its width plus 4.
// imageSize: the images' edge at the window's DPI.
CellLayout LayOutCell(const ListRect& cell, bool firstColumn, bool hasImage, bool textEmpty,
                      int imageSize = kListImageSize);

// The sort arrow shows in the sort column unless it is fixed, sorting is off or it is too narrow.
bool ShowsSortArrow(bool isSortColumn, bool fixed, bool sortingOn, int columnWidth);

struct HeaderCellLayout {
    ListRect text;
    bool hasImage = false;
    int imageLeft = 0;
    int imageTop = 0;
    bool hasArrow = false;
    int arrowLeft = 0;
    int arrowTop = 0;
    int darkLineX = 0;  // right edge - 1
    int lightLineX = 0; // right edge
    int lineTop = 0;    // both lines run from 4 below the top to 4 above the bottom
    int lineBottom = 0;
    friend bool operator==(const HeaderCellLayout&, const HeaderCellLayout&) = default;
};
// The arrow's room (15 pixels at 16-pixel glyphs) and its lift (3) grow with the glyphs.
HeaderCellLayout LayOutHeaderCell(const ListRect& column, bool firstColumn, bool hasImage, bool titleEmpty,
                                  bool showsArrow, int imageSize = kListImageSize);

// The sort arrow of a glyph cell of `glyphSize` pixels at (left, top) as a triangle (used when the
// arrow is drawn in a system colour): the same place and size as the arrow in the glyph strip.
struct ArrowTriangle {
    int x[3];
    int y[3];
    friend bool operator==(const ArrowTriangle&, const ArrowTriangle&) = default;
};
ArrowTriangle SortArrowTriangle(int left, int top, int glyphSize, bool pointsDown);

// The width that shows a cell (or a title) without cutting it.
int FittedCellWidth(int textWidth, bool hasImage, int imageSize = kListImageSize);
int FittedTitleWidth(int titleWidth);

// Whether x is in the divider zone of a column's right edge: 5 pixels left to 4 pixels right.
bool InDividerZone(int x, int columnRight);
// The column that a content x would resize, -1 when none: the last non-fixed column whose divider
// zone holds x (so that a column shrunk to 0 pixels can be widened again).
int DividerColumnAt(const CListColumns& columns, int x);
// Resizing follows the mouse from where the drag started, never below 0 pixels.
int ResizedColumnWidth(int startWidth, int startX, int x);

// Content coordinates include the scroll positions: rows start at the header's bottom and the
// vertical position counts in whole rows, as they are drawn.
int ContentY(int clientY, int verticalPosition, int rowHeight);
// The rows a rubber band from content y0 to y1 (either order) spans; first > last when none.
RowSpan RowsUnderBand(int y0, int y1, int headerHeight, int rowHeight, int rowCount);

// The title tip for a cut cell text: none when the text fits the text rectangle's width - 1;
// else a window from 4 pixels left of the text, as high as the text rectangle, text width + 11 wide.
bool NeedsTitleTip(int textWidth, const ListRect& textRect);
ListRect TitleTipRect(int textWidth, const ListRect& textRect);
// A popup moved (never grown) so that it lies inside an area such as the monitor's work area; one
// wider or taller than the area is cut to it, keeping its left or top part.
ListRect KeepInsideArea(const ListRect& popup, const ListRect& area);

} // namespace Velkora

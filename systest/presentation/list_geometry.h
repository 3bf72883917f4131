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

// The pixel offsets of the layout, at 96 DPI and 16-pixel glyphs.
inline constexpr int kRowTextPadding = 6;         // rows: the text "Height" in the list font plus this
inline constexpr int kCellShift = 3;              // a cell's text rectangle moves right by this...
inline constexpr int kFirstColumnCellShift = 4;   // ...and by this in the first column
inline constexpr int kCellTextInset = 4;          // then it is narrowed by this on each side
inline constexpr int kHeaderTextShift = 3;        // a header title starts this far right of the column...
inline constexpr int kFirstColumnHeaderExtra = 1; // ...one more in the first column...
inline constexpr int kHeaderTextInset = 4;        // ...plus this
inline constexpr int kHeaderTextRightInset = 5;   // and ends this far left of the column's right edge
inline constexpr int kSortArrowRoom = 15;   // room kept for the sort arrow, and the column width it needs
inline constexpr int kSortArrowGap = 4;     // between the title and the sort arrow
inline constexpr int kSortArrowLift = 3;    // the arrow sits this far above the vertical middle
inline constexpr int kHeaderLineInset = 4;  // divider lines: from this below the top to this above the bottom
inline constexpr int kFitPadding = 20;      // a fitted column: its widest text plus this
inline constexpr int kDividerZoneLeft = 5;  // a divider is grabbed from this left of a column's edge...
inline constexpr int kDividerZoneRight = 4; // ...to this right of it
inline constexpr int kTitleTipTextInset = 4;      // the title tip starts this far left of the text...
inline constexpr int kTitleTipExtraWidth = 11;    // ...and is the text width plus this wide
inline constexpr int kPlaceholderColumnWidth = 1; // such a column's cells are not drawn

// A length of the 96-DPI layout at another DPI, rounded to the nearest pixel.
int ScaleForDpi(int value, int dpi);

// Rows and header are as tall as the text "Height" in the list font plus kRowTextPadding (the
// padding grows with the DPI as the font does).
int RowHeightForTextHeight(int textHeight, int dpi = kBaseDpi);

// The row on top of the row area: the list shows whole rows only.
int FirstVisibleRow(int verticalPosition, int rowHeight);

// The rows as they lie in the client area: below the header, from the first visible row on.
struct RowGrid {
    int headerHeight = 0;
    int rowHeight = 0;
    int verticalPosition = 0;   // pixels
    int horizontalPosition = 0; // pixels
    int totalWidth = 0;         // of all columns
    int rowCount = 0;
};

// Rows (inclusive) that touch the client band [areaTop, areaBottom); first > last when none.
struct RowSpan {
    int first = 0;
    int last = -1;
    friend bool operator==(const RowSpan&, const RowSpan&) = default;
};
RowSpan RowsInBand(const RowGrid& grid, int areaTop, int areaBottom);

// The whole row's rectangle: from minus the horizontal position to the end of the last column.
ListRect RowRect(const RowGrid& grid, int row);
// Index of the row under a client y, -1 on the header or below the last row.
int RowAtY(const RowGrid& grid, int y);

// A column's span in client x (the band's top and bottom are the caller's).
ListRect ColumnSpan(const CListColumns& columns, int column, int horizontalPosition, int top, int bottom);

// A column exactly kPlaceholderColumnWidth wide is a placeholder: its cells are not drawn.
inline bool DrawsCells(int columnWidth) {
    return columnWidth != kPlaceholderColumnWidth && columnWidth > 0;
}

struct CellLayout {
    ListRect text; // where the text goes (single line, vertically centred)
    bool hasImage = false;
    int imageLeft = 0;
    int imageTop = 0;
    friend bool operator==(const CellLayout&, const CellLayout&) = default;
};
// The text rectangle is the cell moved kCellShift right (kFirstColumnCellShift in the first
// column) and narrowed by kCellTextInset on each side; an image sits at its left (centred when
// there is no text) and pushes the text right by its width plus kImageTextGap.
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
    int lineTop = 0;    // both lines run kHeaderLineInset in from the top and the bottom
    int lineBottom = 0;
    friend bool operator==(const HeaderCellLayout&, const HeaderCellLayout&) = default;
};
// The arrow's room (kSortArrowRoom) and its lift (kSortArrowLift) grow with the glyphs.
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

// Whether x is in the divider zone of a column's right edge (kDividerZoneLeft to kDividerZoneRight).
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
// The grid's scroll positions play no part (content coordinates include them).
RowSpan RowsUnderBand(const RowGrid& grid, int y0, int y1);

// The title tip for a cut cell text: none when the text fits the text rectangle's width - 1;
// else a window from kTitleTipTextInset left of the text, as high as the text rectangle and
// kTitleTipExtraWidth wider than the text.
bool NeedsTitleTip(int textWidth, const ListRect& textRect);
ListRect TitleTipRect(int textWidth, const ListRect& textRect);
// A popup moved (never grown) so that it lies inside an area such as the monitor's work area; one
// wider or taller than the area is cut to it, keeping its left or top part.
ListRect KeepInsideArea(const ListRect& popup, const ListRect& area);

} // namespace Velkora

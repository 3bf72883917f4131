#include "list_painter_win32.h"

#include "gdi_objects_win32.h"

namespace Velkora {

namespace {
// Glyphs of the control's own strip.
constexpr int kGlyphArrowUp = 0;
constexpr int kGlyphArrowDown = 1;

UINT AlignmentFlag(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::kCentre:
        return DT_CENTER;
    case TextAlignment::kRight:
        return DT_RIGHT;
    case TextAlignment::kLeft:
        break;
    }
    return DT_LEFT;
}

void ClipTo(HDC dc, const ListRect& r) {
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
}

// A sort arrow in one colour, where the glyph would be: a triangle across the glyph's middle.
void PaintArrowTriangle(HDC dc, int left, int top, int glyphSize, bool pointsDown, COLORREF colour) {
    ArrowTriangle t = SortArrowTriangle(left, top, glyphSize, pointsDown);
    POINT points[3] = {{t.x[0], t.y[0]}, {t.x[1], t.y[1]}, {t.x[2], t.y[2]}};
    CBrushHandle brush(CreateSolidBrush(colour));
    CGdiObject pen(CreatePen(PS_SOLID, 1, colour));
    CSelection brushSelected(dc, brush.Get());
    CSelection penSelected(dc, pen.Get());
    Polygon(dc, points, 3);
}
} // namespace

void FillSolid(HDC dc, const ListRect& area, COLORREF colour) {
    RECT r = ToRect(area);
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void DrawCellText(HDC dc, const ListRect& area, std::wstring_view text, HFONT font, COLORREF colour,
                  TextAlignment alignment) {
    if (text.empty() || area.Width() <= 0)
        return;
    CSelection selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    RECT r = ToRect(area);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | AlignmentFlag(alignment));
}

void PaintCell(HDC dc, const CellPaint& cell) {
    CSavedDc saved(dc);
    ClipTo(dc, cell.cell);
    bool hasImage = cell.image >= 0 && cell.images;
    CellLayout layout = LayOutCell(cell.cell, cell.firstColumn, hasImage, cell.text.empty(), cell.imageSize);
    if (layout.hasImage)
        ImageList_Draw(cell.images, cell.image, dc, layout.imageLeft, layout.imageTop, ILD_TRANSPARENT);
    DrawCellText(dc, layout.text, cell.text, cell.font, cell.textColour, cell.alignment);
}

void PaintHeader(HDC dc, const HeaderPaint& header, const ListRect& area) {
    const ListColours& colours = *header.colours;
    const CListColumns& columns = *header.columns;
    ListRect strip{0, 0, header.clientWidth, header.headerHeight};
    if (!strip.Intersects(area))
        return;
    FillSolid(dc, strip, colours.headerBackground);
    for (int i = 0; i < columns.Count(); ++i) {
        const ListColumn& column = *columns.Find(i);
        ListRect span = ColumnSpan(columns, i, header.horizontalPosition, 0, header.headerHeight);
        // The light divider line sits one pixel right of the column.
        ListRect touched{span.left, span.top, span.right + 1, span.bottom};
        if (!touched.Intersects(area))
            continue;
        bool arrow = ShowsSortArrow(i == header.sortColumn, column.fixed, header.sortingOn, column.width);
        bool hasImage = column.image >= 0 && header.glyphs;
        HeaderCellLayout layout =
            LayOutHeaderCell(span, i == 0, hasImage, column.title.empty(), arrow, header.glyphSize);
        if (i == header.pressedColumn)
            FillSolid(dc, span, colours.pressedHeader);
        FillSolid(dc, {layout.darkLineX, layout.lineTop, layout.darkLineX + 1, layout.lineBottom},
                  colours.headerDark);
        FillSolid(dc, {layout.lightLineX, layout.lineTop, layout.lightLineX + 1, layout.lineBottom},
                  colours.headerLight);
        CSavedDc saved(dc);
        ClipTo(dc, span);
        if (layout.hasImage)
            ImageList_Draw(header.glyphs, column.image, dc, layout.imageLeft, layout.imageTop,
                           ILD_TRANSPARENT);
        bool pressed = i == header.pressedColumn;
        DrawCellText(dc, layout.text, column.title, header.font,
                     pressed ? colours.pressedHeaderText : colours.headerText, AlignmentOf(column.flags));
        if (layout.hasArrow && !colours.sortArrowGlyphs)
            PaintArrowTriangle(dc, layout.arrowLeft, layout.arrowTop, header.glyphSize, header.sortDescending,
                               pressed ? colours.pressedHeaderText : colours.headerText);
        else if (layout.hasArrow && header.glyphs)
            ImageList_Draw(header.glyphs, header.sortDescending ? kGlyphArrowDown : kGlyphArrowUp, dc,
                           layout.arrowLeft, layout.arrowTop, ILD_TRANSPARENT);
    }
    // Frame: light along the top and the left edge, dark along the bottom.
    FillSolid(dc, {0, 0, header.clientWidth, 1}, colours.headerLight);
    FillSolid(dc, {0, 0, 1, header.headerHeight}, colours.headerLight);
    FillSolid(dc, {0, header.headerHeight - 1, header.clientWidth, header.headerHeight}, colours.headerDark);
}

void PaintRubberBand(HDC dc, const ListRect& band, const ListColours& colours) {
    FillSolid(dc, band, colours.selectionRectangle);
    RECT r = ToRect(band);
    CBrushHandle frame(CreateSolidBrush(colours.selectionFrame));
    FrameRect(dc, &r, frame.Get());
}

} // namespace Velkora

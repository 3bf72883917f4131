#pragma once
// The grid window of the result list. T (the derived class) answers the grid's questions about
// its rows at compile time: CountRows(), GetCellText(row, subItem), GetCellImage(row, subItem),
// SortRows(subItem), ReverseRows(). The grid draws header, rows and selection itself, through
// an off-screen bitmap, at the places that list_geometry.h computes.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "double_buffer_win32.h"
#include "list_columns.h"
#include "list_geometry.h"
#include "list_painter_win32.h"
#include "list_resources_win32.h"
#include "list_scroll_bars_win32.h"
#include "list_scrolling.h"
#include "list_selection.h"
#include "list_settings_win32.h"
#include "message_window_win32.h"
#include "title_tip_win32.h"
#include "user_list_class_win32.h"

namespace Velkora {

// Child, visible, clip siblings, clip children.
inline constexpr DWORD kListWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// Arrows, Tab and characters stay in the list.
inline constexpr LRESULT kListDialogCode = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;

template <typename T>
class CListImpl : public CMessageWindow, public CDoubleBufferImpl<CListImpl<T>> {
public:
    // Creates a list window of its own and initialises it like AttachResultList.
    bool Create(HWND parent, const RECT& rect, int controlId);
    // Takes over a dialog's "UserList" window and initialises the control. False when the window
    // cannot be taken over or a picture cannot be loaded.
    bool AttachResultList(HWND window);
    bool AttachResultList(HWND dialog, int controlId) { return AttachResultList(GetDlgItem(dialog, controlId)); }

    // Adds a column at the right; answers its index.
    int AppendColumn(const std::wstring& title, int width, int image = -1, bool fixed = false,
                     int format = kFormatText, std::uint32_t flags = 0);
    // Makes a column as wide as its title and every cell need; false for an unknown or fixed column.
    bool FitColumnToContent(int column);

    const CListColumns& Columns() const { return columns; }
    const CListSelection& Selection() const { return selection; }
    int RowHeight() const { return settings.rowHeight; }
    int HeaderHeight() const { return settings.rowHeight; }
    int VerticalPosition() const { return verticalPosition; }
    int HorizontalPosition() const { return horizontalPosition; }
    int SortColumn() const { return sortColumn; }
    bool SortDescending() const { return sortDescending; }
    HFONT Font() const { return settings.font.Get(); }
    HIMAGELIST RowImages() const { return resources.rowImages.Get(); }

    LRESULT ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoPaint(HDC dc, const RECT& area);

protected:
    // After rows were added: new scroll ranges and a repaint. False when the window could not be
    // invalidated.
    bool OnRowsChanged();

    // Options this system sets at construction and never changes.
    static constexpr bool kShowHeader = true;
    static constexpr bool kSortOnHeaderClick = true;

private:
    T& Derived() { return static_cast<T&>(*this); }
    const T& Derived() const { return static_cast<const T&>(*this); }

    bool Initialise();
    void ReloadSettings();
    void UpdateScrollBars();
    void Repaint() {
        if (Handle())
            InvalidateRect(Handle(), nullptr, FALSE);
    }
    RECT ClientRect() const;
    ScrollBarLayout CurrentVerticalBar() const;
    ScrollBarLayout CurrentHorizontalBar() const;
    void SetVerticalPosition(int position);
    void SetHorizontalPosition(int position);
    void OnVerticalScroll(WORD code);
    void OnHorizontalScroll(WORD code);
    void OnMouseWheel(int delta);
    void PaintRows(HDC dc, const ListRect& area);

    CListColumns columns;
    CListSelection selection;
    ListSettings settings;
    ListResources resources;
    CTitleTip titleTip;
    int sortColumn = -1;
    bool sortDescending = true; // the direction flag: set at construction and for a new sort column
    int pressedColumn = -1;
    int verticalPosition = 0;   // pixels
    int horizontalPosition = 0; // pixels
    bool updatingScrollBars = false;
};

template <typename T>
bool CListImpl<T>::Create(HWND parent, const RECT& rect, int controlId) {
    HWND window = CreateWindowExW(0, kUserListClass, L"", kListWindowStyle, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                  GetModuleHandleW(nullptr), nullptr);
    return window && AttachResultList(window);
}

template <typename T>
bool CListImpl<T>::AttachResultList(HWND window) {
    return SubclassWindow(window) && Initialise();
}

template <typename T>
bool CListImpl<T>::Initialise() {
    if (!LoadListResources(GetModuleHandleW(nullptr), resources))
        return false;
    ReloadSettings();
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~WS_BORDER) | WS_CLIPCHILDREN);
    LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, (exStyle & ~WS_EX_CLIENTEDGE) | WS_EX_STATICEDGE);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateScrollBars();
    return true;
}

template <typename T>
void CListImpl<T>::ReloadSettings() {
    settings = LoadListSettings();
    // The title tip takes the new font with it.
    if (Handle())
        titleTip.Create(Handle());
}

template <typename T>
int CListImpl<T>::AppendColumn(const std::wstring& title, int width, int image, bool fixed, int format,
                               std::uint32_t flags) {
    int glyphWidth = kListImageSize;
    int index = columns.Append(title, width, image, fixed, format, flags, glyphWidth);
    UpdateScrollBars();
    Repaint();
    return index;
}

template <typename T>
bool CListImpl<T>::FitColumnToContent(int column) {
    const ListColumn* c = columns.Find(column);
    if (!c || c->fixed)
        return false;
    CWindowDc dc(Handle());
    CSelection selected(dc.Get(), settings.font ? static_cast<HGDIOBJ>(settings.font.Get())
                                                : GetStockObject(DEFAULT_GUI_FONT));
    auto measure = [&](const std::wstring& text) {
        SIZE size{0, 0};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    int width = FittedTitleWidth(measure(c->title));
    for (int row = 0; row < Derived().CountRows(); ++row) {
        bool hasImage = Derived().GetCellImage(row, c->subItem) >= 0;
        width = std::max(width, FittedCellWidth(measure(Derived().GetCellText(row, c->subItem)), hasImage));
    }
    columns.SetWidth(column, width);
    UpdateScrollBars();
    Repaint();
    return true;
}

template <typename T>
bool CListImpl<T>::OnRowsChanged() {
    UpdateScrollBars();
    return Handle() && InvalidateRect(Handle(), nullptr, FALSE);
}

template <typename T>
RECT CListImpl<T>::ClientRect() const {
    RECT client{0, 0, 0, 0};
    if (Handle())
        GetClientRect(Handle(), &client);
    return client;
}

template <typename T>
ScrollBarLayout CListImpl<T>::CurrentVerticalBar() const {
    RECT client = ClientRect();
    return VerticalScrollBar(client.bottom, HeaderHeight(), Derived().CountRows(), RowHeight(), verticalPosition);
}

template <typename T>
ScrollBarLayout CListImpl<T>::CurrentHorizontalBar() const {
    return HorizontalScrollBar(ClientRect().right, columns.TotalWidth(), horizontalPosition);
}

template <typename T>
void CListImpl<T>::UpdateScrollBars() {
    // Showing or hiding one bar changes the client area and so the other bar: repeat until stable.
    // The size messages that the bars cause meanwhile are ignored.
    if (!Handle() || updatingScrollBars)
        return;
    updatingScrollBars = true;
    for (int pass = 0; pass < 3; ++pass) {
        RECT before = ClientRect();
        ScrollBarLayout vertical = CurrentVerticalBar();
        ScrollBarLayout horizontal = CurrentHorizontalBar();
        verticalPosition = vertical.position;
        horizontalPosition = horizontal.position;
        ApplyScrollBar(Handle(), SB_VERT, vertical);
        ApplyScrollBar(Handle(), SB_HORZ, horizontal);
        RECT after = ClientRect();
        if (EqualRect(&before, &after))
            break;
    }
    updatingScrollBars = false;
}

template <typename T>
void CListImpl<T>::SetVerticalPosition(int position) {
    if (position == verticalPosition)
        return;
    verticalPosition = position;
    SetScrollPos(Handle(), SB_VERT, position, TRUE);
    Repaint();
}

template <typename T>
void CListImpl<T>::SetHorizontalPosition(int position) {
    if (position == horizontalPosition)
        return;
    horizontalPosition = position;
    SetScrollPos(Handle(), SB_HORZ, position, TRUE);
    Repaint();
}

template <typename T>
void CListImpl<T>::OnVerticalScroll(WORD code) {
    titleTip.Hide();
    ScrollBarLayout bar = CurrentVerticalBar();
    RECT client = ClientRect();
    int position = ScrollRequestPosition(RequestFromScrollCode(code), verticalPosition,
                                         TrackPosition(Handle(), SB_VERT), RowHeight(),
                                         client.bottom - HeaderHeight(), MaxScrollPosition(bar));
    SetVerticalPosition(position);
}

template <typename T>
void CListImpl<T>::OnHorizontalScroll(WORD code) {
    titleTip.Hide();
    ScrollBarLayout bar = CurrentHorizontalBar();
    RECT client = ClientRect();
    int position = ScrollRequestPosition(RequestFromScrollCode(code), horizontalPosition,
                                         TrackPosition(Handle(), SB_HORZ), kHorizontalScrollLine, client.right,
                                         MaxScrollPosition(bar));
    SetHorizontalPosition(position);
}

template <typename T>
void CListImpl<T>::OnMouseWheel(int delta) {
    titleTip.Hide();
    RECT client = ClientRect();
    int visibleRows = VisibleRowCount(client.bottom, HeaderHeight(), RowHeight());
    SetVerticalPosition(WheelScrollPosition(verticalPosition, RowHeight(), settings.wheelLines, delta, visibleRows,
                                            MaxScrollPosition(CurrentVerticalBar())));
}

template <typename T>
void CListImpl<T>::DoPaint(HDC dc, const RECT& area) {
    ListRect band = ToListRect(area);
    FillSolid(dc, band, settings.colours.background);
    PaintRows(dc, band);
    if (kShowHeader) {
        HeaderPaint header;
        header.columns = &columns;
        header.horizontalPosition = horizontalPosition;
        header.clientWidth = ClientRect().right;
        header.headerHeight = HeaderHeight();
        header.sortColumn = sortColumn;
        header.sortDescending = sortDescending;
        header.sortingOn = kSortOnHeaderClick;
        header.pressedColumn = pressedColumn;
        header.colours = &settings.colours;
        header.font = settings.font.Get();
        header.glyphs = resources.glyphs.Get();
        PaintHeader(dc, header, band);
    }
}

template <typename T>
void CListImpl<T>::PaintRows(HDC dc, const ListRect& area) {
    RowSpan span = RowsInBand(area.top, area.bottom, HeaderHeight(), RowHeight(), verticalPosition,
                              Derived().CountRows());
    const ListColours& colours = settings.colours;
    for (int row = span.first; row <= span.last; ++row) {
        ListRect rowRect =
            RowRect(row, HeaderHeight(), RowHeight(), verticalPosition, horizontalPosition, columns.TotalWidth());
        bool selected = selection.IsSelected(row);
        if (selected)
            FillSolid(dc, rowRect, colours.selectedBackground);
        COLORREF textColour = selected ? colours.selectedText : colours.rowText;
        for (int i = 0; i < columns.Count(); ++i) {
            const ListColumn& column = *columns.Find(i);
            ListRect cell = ColumnSpan(columns, i, horizontalPosition, rowRect.top, rowRect.bottom);
            if (!DrawsCells(column.width) || !cell.Intersects(area))
                continue;
            PaintCell(dc, cell, i == 0, Derived().GetCellText(row, column.subItem),
                      Derived().GetCellImage(row, column.subItem), resources.rowImages.Get(), settings.font.Get(),
                      textColour, AlignmentOf(column.flags));
        }
    }
}

template <typename T>
LRESULT CListImpl<T>::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
    case WM_DESTROY:
        titleTip.Destroy();
        break;
    case WM_SIZE:
        titleTip.Hide();
        UpdateScrollBars();
        Repaint();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Repaint();
        return 0;
    case WM_CANCELMODE:
        titleTip.Hide();
        pressedColumn = -1;
        break;
    case WM_GETDLGCODE:
        return kListDialogCode;
    case WM_VSCROLL:
        OnVerticalScroll(LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        OnHorizontalScroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_FONTCHANGE:
        ReloadSettings();
        UpdateScrollBars();
        Repaint();
        break;
    default:
        if (this->HandleDoubleBufferMessage(Handle(), message, wParam, result))
            return result;
        break;
    }
    return DefaultWindowProc(message, wParam, lParam);
}

} // namespace Velkora

#pragma once
// The grid window of the result list. T (the derived class) answers the grid's questions about
// its rows at compile time: CountRows(), GetCellText(row, subItem), GetCellImage(row, subItem),
// SortRows(subItem), ReverseRows(). The grid draws header, rows and selection itself, through
// an off-screen bitmap, at the places that list_geometry.h computes.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "double_buffer_win32.h"
#include "dpi_messages_win32.h"
#include "list_accessible_win32.h"
#include "list_columns.h"
#include "list_geometry.h"
#include "list_interaction.h"
#include "list_painter_win32.h"
#include "list_resources_win32.h"
#include "list_row_text.h"
#include "list_scroll_bars_win32.h"
#include "list_scrolling.h"
#include "list_selection.h"
#include "list_settings_win32.h"
#include "list_slide.h"
#include "list_sorting.h"
#include "message_window_win32.h"
#include "oleacc_functions_win32.h"
#include "title_tip_win32.h"
#include "type_ahead.h"
#include "user_list_class_win32.h"

namespace Velkora {

// Child, visible, clip siblings, clip children.
inline constexpr DWORD kListWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// Arrows, Tab and characters stay in the list.
inline constexpr LRESULT kListDialogCode = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;

// Notifications to the parent (WM_NOTIFY with the control's ID).
inline constexpr int kListSelectionChanged = -1501;
inline constexpr int kListLeftClick = -1502;
inline constexpr int kListRightClick = -1503;
inline constexpr int kListDoubleClick = -1504;

struct ListNotification {
    NMHDR header;
    int row;     // -1 when none
    int subItem; // -1 when none
};

// Timers of the list window.
inline constexpr UINT_PTR kTimerResize = 1001;     // keeps a resize following the mouse, 20 ms
inline constexpr UINT_PTR kTimerScrollInto = 1002; // delayed scroll of the focus row into view, 250 ms
inline constexpr UINT_PTR kTimerBand = 1003;       // rubber-band scrolling, 20 ms
inline constexpr UINT_PTR kTimerSlide = 1004;      // smooth scrolling, 20 ms

// Commands of the list's context menu.
inline constexpr UINT kListCommandCopy = 1;
inline constexpr UINT kListCommandSelectAll = 2;

template <typename T>
class CListImpl : public CMessageWindow, public CDoubleBufferImpl<CListImpl<T>>, private IListAccessModel {
  public:
    // Creates a list window of its own and initialises it like AttachResultList.
    bool Create(HWND parent, const RECT& rect, int controlId);
    // Takes over a dialog's "UserList" window and initialises the control. False when the window
    // cannot be taken over or a picture cannot be loaded.
    bool AttachResultList(HWND window);
    bool AttachResultList(HWND dialog, int controlId) {
        return AttachResultList(GetDlgItem(dialog, controlId));
    }

    // Adds a column at the right; answers its index.
    int AppendColumn(const std::wstring& title, int width, int image = -1, bool fixed = false,
                     int format = kFormatText, std::uint32_t flags = 0);
    // Makes a column as wide as its title and every cell need; false for an unknown or fixed column.
    bool FitColumnToContent(int column);
    // Sorts by a column on a header click: a new column ascending, the same column reversed.
    // Clears the selection.
    void SortRowsByColumn(int column);
    // Ctrl+C: the selected rows (every row when none is selected) as text, one line per row in
    // the report's form. False when the clipboard could not take it.
    bool CopyRowsToClipboard();
    // The items of the context menu (right click, Shift+F10, the menu key), with access keys.
    void SetContextMenuTexts(std::wstring copy, std::wstring selectAll) {
        menuCopyText = std::move(copy);
        menuSelectAllText = std::move(selectAll);
    }
    // The texts of a row's cells in column order.
    std::vector<std::wstring> CellTextsOf(int row) const;

    const CListColumns& Columns() const { return columns; }
    const CListSelection& Selection() const { return selection; }
    int RowHeight() const { return settings.rowHeight; }
    int HeaderHeight() const { return settings.rowHeight; }
    int VerticalPosition() const { return verticalPosition; }
    int HorizontalPosition() const { return horizontalPosition; }
    int SortColumn() const { return sortState.column; }
    bool SortDescending() const { return sortState.directionFlag; }
    bool IsSliding() const { return slide.Running(); }
    const CTitleTip& TitleTip() const { return titleTip; }
    HFONT Font() const { return settings.font.Get(); }
    HIMAGELIST RowImages() const { return resources.rowImages.Get(); }
    int Dpi() const { return dpi; }
    int ImageSize() const { return resources.imageSize; }

    LRESULT ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoPaint(HDC dc, const RECT& area);

  protected:
    // After rows were added: new scroll ranges and a repaint. False when the window could not be
    // invalidated.
    bool OnRowsChanged();

    // Options this system sets at construction and never changes.
    static constexpr bool kShowHeader = true;
    static constexpr bool kSortOnHeaderClick = true;
    static constexpr bool kSmoothScrolling = true;

  private:
    T& Derived() { return static_cast<T&>(*this); }
    const T& Derived() const { return static_cast<const T&>(*this); }

    bool Initialise();
    void ReloadSettings();
    // The list moved to a monitor of another DPI (or the DPI changed): font, row height, images
    // and column widths follow.
    void OnDpiChanged(int newDpi);
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
    void PaintRows(HDC dc, const ListRect& area, int rowsPosition);

    // Input (list_impl_input_win32.h).
    POINT ContentPoint(POINT client) const;
    int VisibleRows() const;
    void Notify(int code, int row, int subItem);
    void NotifyAtPoint(int code, POINT client);
    void ScrollRowIntoView(int row);
    void SelectionChangedByClick();
    void SelectionChangedByKey();
    void OnLeftDown(WPARAM keys, POINT client);
    void OnLeftUp(WPARAM keys, POINT client);
    void OnLeftDoubleClick(WPARAM keys, POINT client);
    void OnRightDown(WPARAM keys, POINT client);
    void OnRightUp(POINT client);
    void OnMouseMove(WPARAM keys, POINT client);
    void OnKeyDown(UINT key);
    void OnTimer(UINT_PTR id);
    void OnCancelMode();
    bool OnSetCursor();
    void ApplyResize(POINT client);
    void FollowBand(POINT client, bool scroll);
    void ScrollBandTowards(POINT client);
    void EndBand();
    void UpdateTitleTip(POINT client);
    void HideTitleTip();
    void OnContextMenu(LPARAM lParam);
    void SelectAllRows();
    // Tells assistive technology what changed in focus and selection since it was last told.
    void AnnounceChanges();
    // Smooth scrolling (list_impl_slide_win32.h).
    void StartSlide(int newPosition);
    void DrawSlideFrame();
    // Stops a slide; one that was still running is replaced by the current rows at once, so that
    // no stale frame stays on the screen.
    void EndSlide(bool repaintNow = true);

    CListColumns columns;
    CListSelection selection;
    ListSettings settings;
    ListResources resources;
    int dpi = kBaseDpi;
    CTitleTip titleTip;
    SortState sortState;
    int pressedColumn = -1;
    int verticalPosition = 0;   // pixels
    int horizontalPosition = 0; // pixels
    bool updatingScrollBars = false;

    bool buttonDown = false;
    bool pressOnHeader = false;
    POINT pressPoint{}; // content coordinates
    int resizingColumn = -1;
    int resizeStartWidth = 0;
    int resizeStartX = 0; // content x
    bool bandActive = false;
    bool bandSelects = false; // the band started left of the last column's right edge
    POINT bandEnd{};          // content coordinates
    DWORD lastBandScroll = 0;
    CTypeAhead typeAhead;
    int tipRow = -1;
    int tipColumn = -1;
    bool trackingLeave = false;

    std::wstring menuCopyText = L"&Copy\tCtrl+C";
    std::wstring menuSelectAllText = L"Select &all\tCtrl+A";

    // Accessibility (list_impl_access_win32.h).
    HWND AccessWindow() const override { return Handle(); }
    int AccessRowCount() const override { return Derived().CountRows(); }
    int AccessColumnCount() const override { return columns.Count(); }
    std::wstring AccessRowName(int row) const override { return RowAccessibleName(CellTextsOf(row)); }
    std::wstring AccessColumnTitle(int column) const override;
    bool AccessRowSelected(int row) const override { return selection.IsSelected(row); }
    int AccessFocusRow() const override {
        return VisibleFocusRow(selection, Derived().CountRows(), HasFocus());
    }
    RECT AccessItemRect(const AccessibleChild& child) const override;
    AccessibleChild AccessHitTest(POINT client) const override;
    bool AccessSelect(int row, long flags) override;
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    bool HasFocus() const { return Handle() && GetFocus() == Handle(); }

    CComPtr<CListAccessible> accessible;
    std::set<int> announcedSelection;
    int announcedFocus = -1;

    CSlide slide;
    CBitmapHandle slideBitmap;
    bool slideDown = false;
    bool scrollPressSliding = false; // the first request of one press on the bar slides
};

template <typename T> bool CListImpl<T>::Create(HWND parent, const RECT& rect, int controlId) {
    HWND window = CreateWindowExW(0, kUserListClass, L"", kListWindowStyle, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                  GetModuleHandleW(nullptr), nullptr);
    return window && AttachResultList(window);
}

template <typename T> bool CListImpl<T>::AttachResultList(HWND window) {
    return SubclassWindow(window) && Initialise();
}

template <typename T> bool CListImpl<T>::Initialise() {
    dpi = WindowDpi(Handle());
    if (!LoadListResources(GetModuleHandleW(nullptr), resources, ScaleForDpi(kListImageSize, dpi)))
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

template <typename T> void CListImpl<T>::ReloadSettings() {
    settings = LoadListSettings(dpi);
    // The title tip takes the new font with it.
    if (Handle())
        titleTip.Create(Handle(), dpi);
}

template <typename T> void CListImpl<T>::OnDpiChanged(int newDpi) {
    if (newDpi <= 0 || newDpi == dpi)
        return;
    HideTitleTip();
    EndSlide(false);
    int oldDpi = std::exchange(dpi, newDpi);
    ListResources scaled;
    if (LoadListResources(GetModuleHandleW(nullptr), scaled, ScaleForDpi(kListImageSize, dpi)))
        resources = std::move(scaled);
    ReloadSettings();
    // Widths the content or the user gave keep their proportion; placeholders stay 1 pixel.
    for (int i = 0; i < columns.Count(); ++i) {
        int width = columns.Find(i)->width;
        if (width > 1)
            columns.SetWidth(i, MulDiv(width, dpi, oldDpi));
    }
    verticalPosition = FirstVisibleRow(verticalPosition, RowHeight()) * RowHeight();
    UpdateScrollBars();
    Repaint();
}

template <typename T>
int CListImpl<T>::AppendColumn(const std::wstring& title, int width, int image, bool fixed, int format,
                               std::uint32_t flags) {
    int glyphWidth = resources.imageSize;
    int index = columns.Append(title, width, image, fixed, format, flags, glyphWidth);
    UpdateScrollBars();
    Repaint();
    NotifyListEvent(Handle(), EVENT_OBJECT_REORDER, kChildSelf);
    return index;
}

template <typename T> bool CListImpl<T>::FitColumnToContent(int column) {
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
        width = std::max(width, FittedCellWidth(measure(Derived().GetCellText(row, c->subItem)), hasImage,
                                                resources.imageSize));
    }
    columns.SetWidth(column, width);
    UpdateScrollBars();
    Repaint();
    return true;
}

template <typename T> bool CListImpl<T>::OnRowsChanged() {
    UpdateScrollBars();
    NotifyListEvent(Handle(), EVENT_OBJECT_REORDER, kChildSelf);
    return Handle() && InvalidateRect(Handle(), nullptr, FALSE);
}

template <typename T> RECT CListImpl<T>::ClientRect() const {
    RECT client{0, 0, 0, 0};
    if (Handle())
        GetClientRect(Handle(), &client);
    return client;
}

template <typename T> ScrollBarLayout CListImpl<T>::CurrentVerticalBar() const {
    RECT client = ClientRect();
    return VerticalScrollBar(client.bottom, HeaderHeight(), Derived().CountRows(), RowHeight(),
                             verticalPosition);
}

template <typename T> ScrollBarLayout CListImpl<T>::CurrentHorizontalBar() const {
    return HorizontalScrollBar(ClientRect().right, columns.TotalWidth(), horizontalPosition);
}

template <typename T> void CListImpl<T>::UpdateScrollBars() {
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

template <typename T> void CListImpl<T>::SetVerticalPosition(int position) {
    if (position == verticalPosition)
        return;
    verticalPosition = position;
    SetScrollPos(Handle(), SB_VERT, position, TRUE);
    Repaint();
}

template <typename T> void CListImpl<T>::SetHorizontalPosition(int position) {
    if (position == horizontalPosition)
        return;
    horizontalPosition = position;
    SetScrollPos(Handle(), SB_HORZ, position, TRUE);
    Repaint();
}

template <typename T> void CListImpl<T>::OnVerticalScroll(WORD code) {
    HideTitleTip();
    if (code == SB_ENDSCROLL) {
        scrollPressSliding = false;
        return;
    }
    ScrollBarLayout bar = CurrentVerticalBar();
    RECT client = ClientRect();
    int position =
        ScrollRequestPosition(RequestFromScrollCode(code), verticalPosition, TrackPosition(Handle(), SB_VERT),
                              RowHeight(), client.bottom - HeaderHeight(), MaxScrollPosition(bar));
    bool linesOrPages = code == SB_LINEUP || code == SB_LINEDOWN || code == SB_PAGEUP || code == SB_PAGEDOWN;
    if (kSmoothScrolling && linesOrPages && !scrollPressSliding) {
        scrollPressSliding = true;
        StartSlide(position);
        return;
    }
    // Further requests of the same press, and the thumb, jump.
    EndSlide();
    SetVerticalPosition(position);
}

template <typename T> void CListImpl<T>::OnHorizontalScroll(WORD code) {
    HideTitleTip();
    EndSlide();
    ScrollBarLayout bar = CurrentHorizontalBar();
    RECT client = ClientRect();
    int position = ScrollRequestPosition(RequestFromScrollCode(code), horizontalPosition,
                                         TrackPosition(Handle(), SB_HORZ), kHorizontalScrollLine,
                                         client.right, MaxScrollPosition(bar));
    SetHorizontalPosition(position);
}

template <typename T> void CListImpl<T>::OnMouseWheel(int delta) {
    HideTitleTip();
    // A slide still running would paint its old bitmap over the new position.
    EndSlide();
    RECT client = ClientRect();
    int visibleRows = VisibleRowCount(client.bottom, HeaderHeight(), RowHeight());
    SetVerticalPosition(WheelScrollPosition(verticalPosition, RowHeight(), settings.wheelLines, delta,
                                            visibleRows, MaxScrollPosition(CurrentVerticalBar())));
}

template <typename T> void CListImpl<T>::DoPaint(HDC dc, const RECT& area) {
    ListRect band = ToListRect(area);
    FillSolid(dc, band, settings.colours.background);
    PaintRows(dc, band, verticalPosition);
    if (bandActive) {
        int top = FirstVisibleRow(verticalPosition, RowHeight()) * RowHeight();
        ListRect rubber{std::min(pressPoint.x, bandEnd.x) - horizontalPosition,
                        std::min(pressPoint.y, bandEnd.y) - top,
                        std::max(pressPoint.x, bandEnd.x) - horizontalPosition + 1,
                        std::max(pressPoint.y, bandEnd.y) - top + 1};
        PaintRubberBand(dc, rubber, settings.colours);
    }
    if (kShowHeader) {
        HeaderPaint header;
        header.columns = &columns;
        header.horizontalPosition = horizontalPosition;
        header.clientWidth = ClientRect().right;
        header.headerHeight = HeaderHeight();
        header.sortColumn = sortState.column;
        header.sortDescending = sortState.directionFlag;
        header.sortingOn = kSortOnHeaderClick;
        header.pressedColumn = pressedColumn;
        header.colours = &settings.colours;
        header.font = settings.font.Get();
        header.glyphs = resources.glyphs.Get();
        header.glyphSize = resources.imageSize;
        PaintHeader(dc, header, band);
    }
}

// Rows as they stand at the vertical position `rowsPosition` (the slide renders other positions).
template <typename T> void CListImpl<T>::PaintRows(HDC dc, const ListRect& area, int rowsPosition) {
    RowSpan span =
        RowsInBand(area.top, area.bottom, HeaderHeight(), RowHeight(), rowsPosition, Derived().CountRows());
    const ListColours& colours = settings.colours;
    int focusRow = VisibleFocusRow(selection, Derived().CountRows(), HasFocus());
    for (int row = span.first; row <= span.last; ++row) {
        ListRect rowRect =
            RowRect(row, HeaderHeight(), RowHeight(), rowsPosition, horizontalPosition, columns.TotalWidth());
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
                      Derived().GetCellImage(row, column.subItem), resources.rowImages.Get(),
                      settings.font.Get(), textColour, AlignmentOf(column.flags), resources.imageSize);
        }
        // The keyboard focus is always visible, whatever the system's keyboard-cue setting.
        if (row == focusRow) {
            RECT focus = ToRect(rowRect);
            DrawFocusRect(dc, &focus);
        }
    }
}

template <typename T> LRESULT CListImpl<T>::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_DESTROY:
        if (accessible) {
            accessible->Disconnect();
            accessible.Reset();
        }
        EndSlide(false);
        for (UINT_PTR timer : {kTimerResize, kTimerScrollInto, kTimerBand})
            KillTimer(Handle(), timer);
        titleTip.Destroy();
        break;
    case WM_SIZE:
        HideTitleTip();
        EndSlide();
        UpdateScrollBars();
        Repaint();
        return 0;
    case WM_SETFOCUS:
        announcedFocus = -1;
        AnnounceChanges();
        Repaint();
        return 0;
    case WM_KILLFOCUS:
        announcedFocus = -1;
        Repaint();
        return 0;
    case WM_GETOBJECT:
        if (LRESULT object = OnGetObject(wParam, lParam))
            return object;
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(lParam);
        return 0;
    case WM_CANCELMODE:
        OnCancelMode();
        break;
    case WM_CAPTURECHANGED:
        // Someone else took the mouse in the middle of a drag: the drag ends without effect.
        if (buttonDown && reinterpret_cast<HWND>(lParam) != Handle())
            OnCancelMode();
        break;
    case WM_GETDLGCODE:
        return kListDialogCode;
    case WM_VSCROLL:
        OnVerticalScroll(LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        OnHorizontalScroll(LOWORD(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftDown(wParam, point);
        return 0;
    case WM_LBUTTONUP:
        OnLeftUp(wParam, point);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLeftDoubleClick(wParam, point);
        return 0;
    case WM_RBUTTONDOWN:
        OnRightDown(wParam, point);
        return 0;
    case WM_RBUTTONUP:
        OnRightUp(point);
        break; // the default handling asks for the context menu
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, point);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && OnSetCursor())
            return TRUE;
        break;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        HideTitleTip();
        if (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
            OnContextMenu(-1); // Shift+F10
            return 0;
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // The menu came with the key press; the default handling would ask for it a second time.
        if (wParam == VK_APPS || (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0))
            return 0;
        break;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_MOUSELEAVE:
        // The hot header column and the hot cell are not drawn differently for plain text.
        trackingLeave = false;
        return 0;
    case kMessageDpiChanged:
        OnDpiChanged(LOWORD(wParam));
        return 0;
    case kMessageDpiChangedAfterParent:
        OnDpiChanged(WindowDpi(Handle()));
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

#include "list_impl_access_win32.h"
#include "list_impl_clipboard_win32.h"
#include "list_impl_input_win32.h"
#include "list_impl_slide_win32.h"

#pragma once
// The grid window of the result list. T (the derived class) answers the grid's questions about
// its rows at compile time: CountRows(), GetCellText(row, subItem), GetCellImage(row, subItem),
// SortRows(subItem), ReverseRows(). The grid draws header, rows and selection itself, through
// an off-screen bitmap, at the places that list_geometry.h computes.
//
// Declarations only. The members are defined by concern, each file instantiating them for
// CListUserData (the one use): list_impl_win32.cpp (set-up, columns, message dispatch),
// list_impl_paint_win32.cpp, list_impl_scroll_win32.cpp, list_impl_mouse_win32.cpp,
// list_impl_keys_win32.cpp, list_impl_title_tip_win32.cpp, list_impl_access_win32.cpp,
// list_impl_clipboard_win32.cpp and list_impl_slide_win32.cpp.
#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "double_buffer_win32.h"
#include "list_accessible_win32.h"
#include "list_columns.h"
#include "list_geometry.h"
#include "list_interaction.h"
#include "list_resources_win32.h"
#include "list_scrolling.h"
#include "list_selection.h"
#include "list_settings_win32.h"
#include "list_slide.h"
#include "list_sorting.h"
#include "message_window_win32.h"
#include "title_tip_win32.h"
#include "type_ahead.h"

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

// Timers of the list window, with their periods.
inline constexpr UINT_PTR kTimerResize = 1001; // keeps a resize following the mouse
inline constexpr UINT kResizeFollowMs = 20;
inline constexpr UINT_PTR kTimerScrollInto = 1002; // delayed scroll of the focus row into view
inline constexpr UINT kScrollIntoViewDelayMs = 250;
inline constexpr UINT_PTR kTimerBand = 1003; // rubber-band scrolling
inline constexpr UINT kBandScrollMs = 20;
inline constexpr UINT_PTR kTimerSlide = 1004; // smooth scrolling, every kSlideFrameMs

// A press becomes a rubber band once the mouse moved more than this many pixels either way.
inline constexpr int kBandStartDistance = 3;
// While the band is dragged outside the rows, the list moves at most one line this often.
inline constexpr DWORD kBandScrollMinIntervalMs = 10;
// Left and right move this many horizontal scroll lines at a time with Ctrl.
inline constexpr int kCtrlHorizontalLines = 10;

// Commands of the list's context menu.
inline constexpr UINT kListCommandCopy = 1;
inline constexpr UINT kListCommandSelectAll = 2;

template <typename T>
class CListImpl : public CMessageWindow, public CDoubleBufferImpl<CListImpl<T>>, private IListAccessModel {
  public:
    // Creates a list window of its own and initialises it like AttachResultList.
    [[nodiscard]] bool Create(HWND parent, const RECT& rect, int controlId);
    // Takes over a dialog's "UserList" window and initialises the control. False when the window
    // cannot be taken over or a picture cannot be loaded.
    [[nodiscard]] bool AttachResultList(HWND window);
    [[nodiscard]] bool AttachResultList(HWND dialog, int controlId);

    // Adds a column at the right; answers its index.
    int AppendColumn(const std::wstring& title, int width, int image = kNoHeaderImage,
                     bool fixed = kColumnSizeable, int format = kFormatText,
                     std::uint32_t flags = kNoColumnFlags);
    // Makes a column as wide as its title and every cell need; false for an unknown or fixed column.
    [[nodiscard]] bool FitColumnToContent(int column);
    // Sorts by a column on a header click: a new column ascending, the same column reversed.
    // Clears the selection.
    void SortRowsByColumn(int column);
    // Ctrl+C: the selected rows (every row when none is selected) as text, one line per row in
    // the report's form. False when the clipboard could not take it.
    [[nodiscard]] bool CopyRowsToClipboard();
    // The items of the context menu (right click, Shift+F10, the menu key), with access keys.
    void SetContextMenuTexts(std::wstring copy, std::wstring selectAll);
    // The texts of a row's cells in column order.
    std::vector<std::wstring> CellTextsOf(int row) const;

    // State as the user and the tests see it (list_impl_win32.cpp).
    const CListColumns& Columns() const;
    const CListSelection& Selection() const;
    int RowHeight() const;
    int HeaderHeight() const;
    int VerticalPosition() const;
    int HorizontalPosition() const;
    int SortColumn() const;
    bool SortDescending() const;
    bool IsSliding() const;
    const CTitleTip& TitleTip() const;
    HFONT Font() const;
    HIMAGELIST RowImages() const;
    int Dpi() const;
    int ImageSize() const;

    LRESULT ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Paints the area (client coordinates) into the off-screen bitmap (list_impl_paint_win32.cpp).
    void DoPaint(HDC dc, const RECT& area);

  protected:
    // After rows were added: new scroll ranges and a repaint. False when the window could not be
    // invalidated.
    [[nodiscard]] bool OnRowsChanged();

    // Options this system sets at construction and never changes.
    static constexpr bool kShowHeader = true;
    static constexpr bool kSortOnHeaderClick = true;
    static constexpr bool kSmoothScrolling = true;

  private:
    T& Derived();
    const T& Derived() const;

    // Set-up and settings (list_impl_win32.cpp).
    [[nodiscard]] bool Initialise();
    void ReloadSettings();
    // The list moved to a monitor of another DPI (or the DPI changed): font, row height, images
    // and column widths follow.
    void OnDpiChanged(int newDpi);
    void OnDestroy();
    void Repaint();
    // The rows' arrangement at the current scroll positions, for list_geometry.h.
    RowGrid CurrentRowGrid() const;

    // Painting (list_impl_paint_win32.cpp).
    void PaintRows(HDC dc, const ListRect& area, int rowsPosition);
    void PaintBand(HDC dc);
    void PaintHeaderStrip(HDC dc, const ListRect& area);

    // Scroll bars, scroll requests and the wheel (list_impl_scroll_win32.cpp).
    RECT ClientRect() const;
    ScrollBarLayout CurrentVerticalBar() const;
    ScrollBarLayout CurrentHorizontalBar() const;
    void UpdateScrollBars();
    void SetVerticalPosition(int position);
    void SetHorizontalPosition(int position);
    void OnVerticalScroll(WORD code);
    void OnHorizontalScroll(WORD code);
    void OnMouseWheel(int delta);
    int VisibleRows() const;
    // Where the rows stand now, for the scrolling rules.
    RowView CurrentRowView() const;
    void ScrollRowIntoView(int row);
    // Above the rows, below the client area or beyond a side, the list moves one line towards the mouse.
    void ScrollBandTowards(POINT client);

    // The mouse: clicks, drags, column resizing and the rubber band (list_impl_mouse_win32.cpp).
    POINT ContentPoint(POINT client) const;
    void Notify(int code, int row, int subItem);
    void NotifyAtPoint(int code, POINT client);
    void SelectionChangedByClick();
    void SelectionChangedByKey();
    void OnLeftDown(WPARAM keys, POINT client);
    void OnLeftUp(WPARAM keys, POINT client);
    void OnLeftDoubleClick(WPARAM keys, POINT client);
    void OnRightDown(WPARAM keys, POINT client);
    void OnRightUp(POINT client);
    void OnMouseMove(WPARAM keys, POINT client);
    void OnTimer(UINT_PTR id);
    void OnCancelMode();
    bool OnSetCursor();
    void ApplyResize(POINT client);
    void FollowBand(POINT client, bool scroll);
    void EndBand();

    // Keys, type-ahead and header sorting (list_impl_keys_win32.cpp).
    void OnKeyDown(UINT key);
    void OnNavigationKey(NavigationKey navigation, int start, Modifiers modifiers);
    void ReselectFocus(Modifiers modifiers);
    void TypeAhead(UINT key, int start);

    // The title tip over cut cell texts (list_impl_title_tip_win32.cpp).
    void UpdateTitleTip(POINT client);
    void HideTitleTip();

    // Clipboard and context menu (list_impl_clipboard_win32.cpp).
    void OnContextMenu(LPARAM lParam);
    void SelectAllRows();

    // Smooth scrolling (list_impl_slide_win32.cpp).
    void StartSlide(int newPosition);
    void DrawSlideFrame();
    // Stops a slide; one that was still running is replaced by the current rows at once, so that
    // no stale frame stays on the screen.
    void EndSlide(bool repaintNow = true);

    // Accessibility (list_impl_access_win32.cpp).
    HWND AccessWindow() const override;
    int AccessRowCount() const override;
    int AccessColumnCount() const override;
    std::wstring AccessRowName(int row) const override;
    std::wstring AccessColumnTitle(int column) const override;
    bool AccessRowSelected(int row) const override;
    int AccessFocusRow() const override;
    RECT AccessItemRect(const AccessibleChild& child) const override;
    AccessibleChild AccessHitTest(POINT client) const override;
    bool AccessSelect(int row, long flags) override;
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    bool HasFocus() const;
    // Tells assistive technology what changed in focus and selection since it was last told.
    void AnnounceChanges();

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

    CComPtr<CListAccessible> accessible;
    std::set<int> announcedSelection;
    int announcedFocus = -1;

    CSlide slide;
    CBitmapHandle slideBitmap;
    bool slideDown = false;
    bool scrollPressSliding = false; // the first request of one press on the bar slides
};

} // namespace Velkora

// The result list's set-up, settings, columns and its one message dispatch.
#include "list_impl_win32.h"

#include <algorithm>
#include <utility>

#include "dpi_messages_win32.h"
#include "gdi_objects_win32.h"
#include "list_user_data_win32.h"
#include "user_list_class_win32.h"

namespace Velkora {

template <typename T> T& CListImpl<T>::Derived() {
    return static_cast<T&>(*this);
}

template <typename T> const T& CListImpl<T>::Derived() const {
    return static_cast<const T&>(*this);
}

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

template <typename T> bool CListImpl<T>::AttachResultList(HWND dialog, int controlId) {
    return AttachResultList(GetDlgItem(dialog, controlId));
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
    // The title tip takes the new font with it. Without its popup the list works on: a cut text
    // just shows no tip.
    if (Handle())
        static_cast<void>(titleTip.Create(Handle(), dpi));
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
        // Every index of the loop is a column: the width is always taken.
        if (width > kPlaceholderColumnWidth)
            static_cast<void>(columns.SetWidth(i, MulDiv(width, dpi, oldDpi)));
    }
    verticalPosition = FirstVisibleRow(verticalPosition, RowHeight()) * RowHeight();
    UpdateScrollBars();
    Repaint();
}

template <typename T> void CListImpl<T>::OnDestroy() {
    if (accessible) {
        accessible->Disconnect();
        accessible.Reset();
    }
    EndSlide(false);
    for (UINT_PTR timer : {kTimerResize, kTimerScrollInto, kTimerBand})
        KillTimer(Handle(), timer);
    titleTip.Destroy();
}

template <typename T> void CListImpl<T>::Repaint() {
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
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
    static_cast<void>(columns.SetWidth(column, width)); // found above: always taken
    UpdateScrollBars();
    Repaint();
    return true;
}

template <typename T> bool CListImpl<T>::OnRowsChanged() {
    UpdateScrollBars();
    NotifyListEvent(Handle(), EVENT_OBJECT_REORDER, kChildSelf);
    return Handle() && InvalidateRect(Handle(), nullptr, FALSE);
}

template <typename T> void CListImpl<T>::SetContextMenuTexts(std::wstring copy, std::wstring selectAll) {
    menuCopyText = std::move(copy);
    menuSelectAllText = std::move(selectAll);
}

template <typename T> RowGrid CListImpl<T>::CurrentRowGrid() const {
    return {.headerHeight = HeaderHeight(),
            .rowHeight = RowHeight(),
            .verticalPosition = verticalPosition,
            .horizontalPosition = horizontalPosition,
            .totalWidth = columns.TotalWidth(),
            .rowCount = Derived().CountRows()};
}

template <typename T> const CListColumns& CListImpl<T>::Columns() const {
    return columns;
}
template <typename T> const CListSelection& CListImpl<T>::Selection() const {
    return selection;
}
template <typename T> int CListImpl<T>::RowHeight() const {
    return settings.rowHeight;
}
template <typename T> int CListImpl<T>::HeaderHeight() const {
    return settings.rowHeight;
}
template <typename T> int CListImpl<T>::VerticalPosition() const {
    return verticalPosition;
}
template <typename T> int CListImpl<T>::HorizontalPosition() const {
    return horizontalPosition;
}
template <typename T> int CListImpl<T>::SortColumn() const {
    return sortState.column;
}
template <typename T> bool CListImpl<T>::SortDescending() const {
    return sortState.directionFlag;
}
template <typename T> bool CListImpl<T>::IsSliding() const {
    return slide.Running();
}
template <typename T> const CTitleTip& CListImpl<T>::TitleTip() const {
    return titleTip;
}
template <typename T> HFONT CListImpl<T>::Font() const {
    return settings.font.Get();
}
template <typename T> HIMAGELIST CListImpl<T>::RowImages() const {
    return resources.rowImages.Get();
}
template <typename T> int CListImpl<T>::Dpi() const {
    return dpi;
}
template <typename T> int CListImpl<T>::ImageSize() const {
    return resources.imageSize;
}

template <typename T> LRESULT CListImpl<T>::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_DESTROY:
        OnDestroy();
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

// The list's one use.
template CListUserData& CListImpl<CListUserData>::Derived();
template const CListUserData& CListImpl<CListUserData>::Derived() const;
template bool CListImpl<CListUserData>::Create(HWND, const RECT&, int);
template bool CListImpl<CListUserData>::AttachResultList(HWND);
template bool CListImpl<CListUserData>::AttachResultList(HWND, int);
template bool CListImpl<CListUserData>::Initialise();
template void CListImpl<CListUserData>::ReloadSettings();
template void CListImpl<CListUserData>::OnDpiChanged(int);
template void CListImpl<CListUserData>::OnDestroy();
template void CListImpl<CListUserData>::Repaint();
template int CListImpl<CListUserData>::AppendColumn(const std::wstring&, int, int, bool, int, std::uint32_t);
template bool CListImpl<CListUserData>::FitColumnToContent(int);
template bool CListImpl<CListUserData>::OnRowsChanged();
template void CListImpl<CListUserData>::SetContextMenuTexts(std::wstring, std::wstring);
template RowGrid CListImpl<CListUserData>::CurrentRowGrid() const;
template const CListColumns& CListImpl<CListUserData>::Columns() const;
template const CListSelection& CListImpl<CListUserData>::Selection() const;
template int CListImpl<CListUserData>::RowHeight() const;
template int CListImpl<CListUserData>::HeaderHeight() const;
template int CListImpl<CListUserData>::VerticalPosition() const;
template int CListImpl<CListUserData>::HorizontalPosition() const;
template int CListImpl<CListUserData>::SortColumn() const;
template bool CListImpl<CListUserData>::SortDescending() const;
template bool CListImpl<CListUserData>::IsSliding() const;
template const CTitleTip& CListImpl<CListUserData>::TitleTip() const;
template HFONT CListImpl<CListUserData>::Font() const;
template HIMAGELIST CListImpl<CListUserData>::RowImages() const;
template int CListImpl<CListUserData>::Dpi() const;
template int CListImpl<CListUserData>::ImageSize() const;
template LRESULT CListImpl<CListUserData>::ProcessWindowMessage(UINT, WPARAM, LPARAM);

} // namespace Velkora

// What the mouse does with the result list: clicks, header presses, column resizing and the
// rubber band, and the notifications the parent gets for them. The decisions are the portable
// ones of list_interaction.h and list_geometry.h; this part reads the messages and applies them.
#include <cstdlib>
#include <utility>

#include "list_impl_win32.h"
#include "list_user_data_win32.h"

namespace Velkora {

namespace {
Modifiers ModifiersOf(WPARAM keys) {
    return {(keys & MK_CONTROL) != 0, (keys & MK_SHIFT) != 0};
}

// The client point under the mouse now (timers have no message point of their own).
POINT CursorInClient(HWND window) {
    POINT client{};
    GetCursorPos(&client);
    ScreenToClient(window, &client);
    return client;
}
} // namespace

template <typename T> POINT CListImpl<T>::ContentPoint(POINT client) const {
    return {client.x + horizontalPosition, ContentY(client.y, verticalPosition, RowHeight())};
}

template <typename T> void CListImpl<T>::Notify(int code, int row, int subItem) {
    HWND parent = GetParent(Handle());
    if (!parent)
        return;
    ListNotification notification{};
    notification.header.hwndFrom = Handle();
    notification.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Handle()));
    notification.header.code = static_cast<UINT>(code);
    notification.row = row;
    notification.subItem = subItem;
    AnnounceChanges();
    SendMessageW(parent, WM_NOTIFY, notification.header.idFrom, reinterpret_cast<LPARAM>(&notification));
}

template <typename T> void CListImpl<T>::NotifyAtPoint(int code, POINT client) {
    int row = RowAtY(CurrentRowGrid(), client.y);
    const ListColumn* column = columns.Find(columns.ColumnAt(client.x + horizontalPosition));
    Notify(code, row, row >= 0 && column ? column->subItem : -1);
}

// A click scrolls a row that is cut at the edge only after a delay, so that a double click is not
// disturbed by the rows moving under the mouse.
template <typename T> void CListImpl<T>::SelectionChangedByClick() {
    Repaint();
    Notify(kListSelectionChanged, selection.Focus(), -1);
    int focus = selection.Focus();
    if (focus >= 0 && !IsRowFullyVisible(focus, CurrentRowView()))
        SetTimer(Handle(), kTimerScrollInto, kScrollIntoViewDelayMs, nullptr);
}

template <typename T> void CListImpl<T>::SelectionChangedByKey() {
    Repaint();
    Notify(kListSelectionChanged, selection.Focus(), -1);
}

template <typename T> void CListImpl<T>::OnLeftDown(WPARAM keys, POINT client) {
    HideTitleTip();
    EndSlide();
    SetFocus(Handle());
    SetCapture(Handle());
    buttonDown = true;
    pressPoint = ContentPoint(client);
    bandEnd = pressPoint;
    pressOnHeader = kShowHeader && client.y < HeaderHeight();
    if (pressOnHeader) {
        int divider = DividerColumnAt(columns, pressPoint.x);
        if (divider >= 0) {
            resizingColumn = divider;
            resizeStartWidth = columns.Find(divider)->width;
            resizeStartX = pressPoint.x;
            SetCursor(resources.divider);
        } else {
            pressedColumn = columns.ColumnAt(pressPoint.x);
            Repaint();
        }
        return;
    }
    int row = RowAtY(CurrentRowGrid(), client.y);
    if (row < 0) {
        PressBelowRows(selection);
        return;
    }
    if (PressRow(selection, row, ModifiersOf(keys)))
        SelectionChangedByClick();
}

template <typename T> void CListImpl<T>::OnLeftUp(WPARAM keys, POINT client) {
    // Not down any more before the capture goes, so that losing it is no cancellation.
    bool wasDown = std::exchange(buttonDown, false);
    if (GetCapture() == Handle())
        ReleaseCapture();
    if (wasDown && pressedColumn >= 0 && resizingColumn < 0)
        SortRowsByColumn(pressedColumn);
    resizingColumn = -1;
    pressedColumn = -1;
    KillTimer(Handle(), kTimerResize);
    Repaint();
    if (bandActive) {
        EndBand();
        return;
    }
    int row = RowAtY(CurrentRowGrid(), client.y);
    if (ReleaseOnRow(selection, row, ModifiersOf(keys)))
        SelectionChangedByClick();
    NotifyAtPoint(kListLeftClick, client);
}

template <typename T> void CListImpl<T>::OnLeftDoubleClick(WPARAM keys, POINT client) {
    OnLeftDown(keys, client);
    // A double click on a divider fits the column; on a fixed one nothing happens.
    if (resizingColumn >= 0 && FitColumnToContent(resizingColumn)) {
        // A drag after the double click starts from the fitted width.
        resizeStartWidth = columns.Find(resizingColumn)->width;
    }
    NotifyAtPoint(kListDoubleClick, client);
}

template <typename T> void CListImpl<T>::OnRightDown(WPARAM keys, POINT client) {
    HideTitleTip();
    EndSlide();
    SetFocus(Handle());
    if (kShowHeader && client.y < HeaderHeight())
        return;
    int row = RowAtY(CurrentRowGrid(), client.y);
    if (row >= 0 && !selection.IsSelected(row) && PressRow(selection, row, ModifiersOf(keys)))
        SelectionChangedByClick();
}

template <typename T> void CListImpl<T>::OnRightUp(POINT client) {
    bool onRow = client.y >= HeaderHeight() && RowAtY(CurrentRowGrid(), client.y) >= 0;
    if (!onRow && RightReleaseOutsideRows(selection))
        SelectionChangedByClick();
    NotifyAtPoint(kListRightClick, client);
}

template <typename T> void CListImpl<T>::OnMouseMove(WPARAM keys, POINT client) {
    if (!trackingLeave) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    if (buttonDown && (keys & MK_LBUTTON)) {
        if (resizingColumn >= 0) {
            ApplyResize(client);
            return;
        }
        if (pressOnHeader)
            return;
        POINT content = ContentPoint(client);
        if (!bandActive && std::abs(content.x - pressPoint.x) <= kBandStartDistance &&
            std::abs(content.y - pressPoint.y) <= kBandStartDistance)
            return;
        if (!bandActive) {
            bandActive = true;
            bandSelects = pressPoint.x < columns.TotalWidth();
            SetTimer(Handle(), kTimerBand, kBandScrollMs, nullptr);
        }
        DWORD now = GetTickCount();
        bool scroll = now - lastBandScroll >= kBandScrollMinIntervalMs;
        if (scroll)
            lastBandScroll = now;
        FollowBand(client, scroll);
        return;
    }
    if (kShowHeader && client.y < HeaderHeight()) {
        HideTitleTip();
        tipRow = tipColumn = -1;
        return;
    }
    UpdateTitleTip(client);
}

template <typename T> bool CListImpl<T>::OnSetCursor() {
    POINT client = CursorInClient(Handle());
    bool overDivider = kShowHeader && client.y >= 0 && client.y < HeaderHeight() &&
                       DividerColumnAt(columns, client.x + horizontalPosition) >= 0;
    if (resizingColumn < 0 && !overDivider)
        return false;
    SetCursor(resources.divider);
    return true;
}

template <typename T> void CListImpl<T>::ApplyResize(POINT client) {
    int width = ResizedColumnWidth(resizeStartWidth, resizeStartX, client.x + horizontalPosition);
    static_cast<void>(columns.SetWidth(resizingColumn, width)); // a column while resizing: always taken
    UpdateScrollBars();
    Repaint();
    // Scrolled to the right end, the columns move under a resting mouse as one shrinks: keep following.
    ScrollBarLayout bar = CurrentHorizontalBar();
    if (horizontalPosition > 0 && horizontalPosition == MaxScrollPosition(bar))
        SetTimer(Handle(), kTimerResize, kResizeFollowMs, nullptr);
    else
        KillTimer(Handle(), kTimerResize);
}

template <typename T> void CListImpl<T>::FollowBand(POINT client, bool scroll) {
    if (scroll)
        ScrollBandTowards(client);
    bandEnd = ContentPoint(client);
    if (bandSelects) {
        RowSpan rows = RowsUnderBand(CurrentRowGrid(), pressPoint.y, bandEnd.y);
        std::set<int> before = selection.SelectedRows();
        if (rows.first <= rows.last) {
            selection.SelectRange(rows.first, rows.last);
            selection.SetAnchor(rows.first);
            selection.SetFocus(rows.last);
        } else {
            selection.Clear();
        }
        if (before != selection.SelectedRows())
            Notify(kListSelectionChanged, selection.Focus(), -1);
    }
    Repaint();
}

template <typename T> void CListImpl<T>::EndBand() {
    bandActive = false;
    KillTimer(Handle(), kTimerBand);
    Repaint();
}

template <typename T> void CListImpl<T>::OnTimer(UINT_PTR id) {
    switch (id) {
    case kTimerResize:
        if (resizingColumn < 0)
            KillTimer(Handle(), kTimerResize);
        else
            ApplyResize(CursorInClient(Handle()));
        return;
    case kTimerScrollInto:
        KillTimer(Handle(), kTimerScrollInto);
        ScrollRowIntoView(selection.Focus());
        return;
    case kTimerBand: {
        if (!bandActive) {
            KillTimer(Handle(), kTimerBand);
            return;
        }
        POINT client = CursorInClient(Handle());
        RECT area = ClientRect();
        bool outside =
            client.y < HeaderHeight() || client.y >= area.bottom || client.x < 0 || client.x >= area.right;
        if (outside) {
            lastBandScroll = GetTickCount();
            FollowBand(client, true);
        }
        return;
    }
    case kTimerSlide:
        if (!slide.Advance()) {
            EndSlide();
            Repaint();
            return;
        }
        DrawSlideFrame();
        return;
    default:
        return;
    }
}

template <typename T> void CListImpl<T>::OnCancelMode() {
    bool wasDown = std::exchange(buttonDown, false);
    if (wasDown && GetCapture() == Handle())
        ReleaseCapture();
    resizingColumn = -1;
    KillTimer(Handle(), kTimerResize);
    if (bandActive)
        EndBand();
    tipRow = tipColumn = -1;
    titleTip.Hide();
    pressedColumn = -1;
    Repaint();
}

// The list's one use.
template POINT CListImpl<CListUserData>::ContentPoint(POINT) const;
template void CListImpl<CListUserData>::Notify(int, int, int);
template void CListImpl<CListUserData>::NotifyAtPoint(int, POINT);
template void CListImpl<CListUserData>::SelectionChangedByClick();
template void CListImpl<CListUserData>::SelectionChangedByKey();
template void CListImpl<CListUserData>::OnLeftDown(WPARAM, POINT);
template void CListImpl<CListUserData>::OnLeftUp(WPARAM, POINT);
template void CListImpl<CListUserData>::OnLeftDoubleClick(WPARAM, POINT);
template void CListImpl<CListUserData>::OnRightDown(WPARAM, POINT);
template void CListImpl<CListUserData>::OnRightUp(POINT);
template void CListImpl<CListUserData>::OnMouseMove(WPARAM, POINT);
template bool CListImpl<CListUserData>::OnSetCursor();
template void CListImpl<CListUserData>::ApplyResize(POINT);
template void CListImpl<CListUserData>::FollowBand(POINT, bool);
template void CListImpl<CListUserData>::EndBand();
template void CListImpl<CListUserData>::OnTimer(UINT_PTR);
template void CListImpl<CListUserData>::OnCancelMode();

} // namespace Velkora

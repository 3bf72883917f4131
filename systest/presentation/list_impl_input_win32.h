#pragma once
// What the user does with the result list: clicks, drags, keys, type-ahead, header sorting and
// the title tip. The decisions are the portable ones of list_interaction.h, type_ahead.h,
// list_sorting.h and list_geometry.h; this part reads the messages and applies them.
// Included at the end of list_impl_win32.h.

namespace Velkora {

namespace ListInput {
inline Modifiers ModifiersOf(WPARAM keys) {
    return {(keys & MK_CONTROL) != 0, (keys & MK_SHIFT) != 0};
}
inline Modifiers KeyboardModifiers() {
    return {GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0};
}
} // namespace ListInput

template <typename T> POINT CListImpl<T>::ContentPoint(POINT client) const {
    return {client.x + horizontalPosition, ContentY(client.y, verticalPosition, RowHeight())};
}

template <typename T> int CListImpl<T>::VisibleRows() const {
    return VisibleRowCount(ClientRect().bottom, HeaderHeight(), RowHeight());
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
    int row = RowAtY(client.y, HeaderHeight(), RowHeight(), verticalPosition, Derived().CountRows());
    const ListColumn* column = columns.Find(columns.ColumnAt(client.x + horizontalPosition));
    Notify(code, row, row >= 0 && column ? column->subItem : -1);
}

template <typename T> void CListImpl<T>::ScrollRowIntoView(int row) {
    SetVerticalPosition(ScrollIntoViewPosition(row, verticalPosition, RowHeight(), VisibleRows(),
                                               MaxScrollPosition(CurrentVerticalBar())));
}

// A click scrolls a row that is cut at the edge only after 250 ms, so that a double click is not
// disturbed by the rows moving under the mouse.
template <typename T> void CListImpl<T>::SelectionChangedByClick() {
    Repaint();
    Notify(kListSelectionChanged, selection.Focus(), -1);
    int focus = selection.Focus();
    if (focus >= 0 && !IsRowFullyVisible(focus, verticalPosition, RowHeight(), VisibleRows()))
        SetTimer(Handle(), kTimerScrollInto, 250, nullptr);
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
    int row = RowAtY(client.y, HeaderHeight(), RowHeight(), verticalPosition, Derived().CountRows());
    if (row < 0) {
        PressBelowRows(selection);
        return;
    }
    if (PressRow(selection, row, ListInput::ModifiersOf(keys)))
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
    int row = RowAtY(client.y, HeaderHeight(), RowHeight(), verticalPosition, Derived().CountRows());
    if (ReleaseOnRow(selection, row, ListInput::ModifiersOf(keys)))
        SelectionChangedByClick();
    NotifyAtPoint(kListLeftClick, client);
}

template <typename T> void CListImpl<T>::OnLeftDoubleClick(WPARAM keys, POINT client) {
    OnLeftDown(keys, client);
    if (resizingColumn >= 0) {
        FitColumnToContent(resizingColumn);
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
    int row = RowAtY(client.y, HeaderHeight(), RowHeight(), verticalPosition, Derived().CountRows());
    if (row >= 0 && !selection.IsSelected(row) && PressRow(selection, row, ListInput::ModifiersOf(keys)))
        SelectionChangedByClick();
}

template <typename T> void CListImpl<T>::OnRightUp(POINT client) {
    bool onRow = client.y >= HeaderHeight() &&
                 RowAtY(client.y, HeaderHeight(), RowHeight(), verticalPosition, Derived().CountRows()) >= 0;
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
        if (!bandActive && std::abs(content.x - pressPoint.x) <= 3 && std::abs(content.y - pressPoint.y) <= 3)
            return;
        if (!bandActive) {
            bandActive = true;
            bandSelects = pressPoint.x < columns.TotalWidth();
            SetTimer(Handle(), kTimerBand, 20, nullptr);
        }
        DWORD now = GetTickCount();
        bool scroll = now - lastBandScroll >= 10;
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
    POINT client{};
    GetCursorPos(&client);
    ScreenToClient(Handle(), &client);
    bool overDivider = kShowHeader && client.y >= 0 && client.y < HeaderHeight() &&
                       DividerColumnAt(columns, client.x + horizontalPosition) >= 0;
    if (resizingColumn < 0 && !overDivider)
        return false;
    SetCursor(resources.divider);
    return true;
}

template <typename T> void CListImpl<T>::ApplyResize(POINT client) {
    int width = ResizedColumnWidth(resizeStartWidth, resizeStartX, client.x + horizontalPosition);
    columns.SetWidth(resizingColumn, width);
    UpdateScrollBars();
    Repaint();
    // Scrolled to the right end, the columns move under a resting mouse as one shrinks: keep following.
    ScrollBarLayout bar = CurrentHorizontalBar();
    if (horizontalPosition > 0 && horizontalPosition == MaxScrollPosition(bar))
        SetTimer(Handle(), kTimerResize, 20, nullptr);
    else
        KillTimer(Handle(), kTimerResize);
}

template <typename T> void CListImpl<T>::FollowBand(POINT client, bool scroll) {
    if (scroll)
        ScrollBandTowards(client);
    bandEnd = ContentPoint(client);
    if (bandSelects) {
        RowSpan rows =
            RowsUnderBand(pressPoint.y, bandEnd.y, HeaderHeight(), RowHeight(), Derived().CountRows());
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

// Above the rows, below the client area or beyond a side, the list moves one line towards the mouse.
template <typename T> void CListImpl<T>::ScrollBandTowards(POINT client) {
    RECT area = ClientRect();
    if (client.y < HeaderHeight())
        SetVerticalPosition(ScrollRequestPosition(ScrollRequest::LineBack, verticalPosition, 0, RowHeight(),
                                                  0, MaxScrollPosition(CurrentVerticalBar())));
    else if (client.y >= area.bottom)
        SetVerticalPosition(ScrollRequestPosition(ScrollRequest::LineForward, verticalPosition, 0,
                                                  RowHeight(), 0, MaxScrollPosition(CurrentVerticalBar())));
    if (client.x < 0)
        SetHorizontalPosition(ScrollRequestPosition(ScrollRequest::LineBack, horizontalPosition, 0,
                                                    kHorizontalScrollLine, 0,
                                                    MaxScrollPosition(CurrentHorizontalBar())));
    else if (client.x >= area.right)
        SetHorizontalPosition(ScrollRequestPosition(ScrollRequest::LineForward, horizontalPosition, 0,
                                                    kHorizontalScrollLine, 0,
                                                    MaxScrollPosition(CurrentHorizontalBar())));
}

template <typename T> void CListImpl<T>::EndBand() {
    bandActive = false;
    KillTimer(Handle(), kTimerBand);
    Repaint();
}

template <typename T> void CListImpl<T>::OnKeyDown(UINT key) {
    HideTitleTip();
    EndSlide();
    Modifiers modifiers = ListInput::KeyboardModifiers();
    int start = NavigationStartRow(selection, modifiers);
    int rowCount = Derived().CountRows();
    auto navigate = [&](NavigationKey navigation) {
        int focus = NavigatedRow(navigation, start, rowCount, VisibleRows());
        if (focus < 0)
            return;
        ScrollRowIntoView(focus);
        bool changed = SelectAfterKey(selection, focus, modifiers);
        Repaint();
        if (changed)
            Notify(kListSelectionChanged, focus, -1);
        else
            AnnounceChanges(); // the focus alone moved
    };
    auto reselectFocus = [&]() {
        if (!modifiers.ctrl && SelectAfterKey(selection, selection.Focus(), modifiers))
            SelectionChangedByKey();
    };
    switch (key) {
    case VK_UP:
        return navigate(NavigationKey::Up);
    case VK_DOWN:
        return navigate(NavigationKey::Down);
    case VK_PRIOR:
        return navigate(NavigationKey::PageUp);
    case VK_NEXT:
        return navigate(NavigationKey::PageDown);
    case VK_HOME:
        return navigate(NavigationKey::Home);
    case VK_END:
        return navigate(NavigationKey::End);
    case VK_LEFT:
    case VK_RIGHT: {
        int line = modifiers.ctrl ? 10 * kHorizontalScrollLine : kHorizontalScrollLine;
        SetHorizontalPosition(
            ScrollRequestPosition(key == VK_LEFT ? ScrollRequest::LineBack : ScrollRequest::LineForward,
                                  horizontalPosition, 0, line, 0, MaxScrollPosition(CurrentHorizontalBar())));
        return reselectFocus();
    }
    case VK_TAB:
        return reselectFocus();
    case VK_APPS:
        return OnContextMenu(-1);
    case VK_F10:
        if (modifiers.shift)
            OnContextMenu(-1);
        return;
    default:
        break;
    }
    if (key < 'A' || key > 'Z')
        return;
    if (modifiers.ctrl) {
        if (key == 'A')
            SelectAllRows();
        else if (key == 'C')
            CopyRowsToClipboard();
        return;
    }
    const ListColumn* column = columns.Find(sortState.column >= 0 ? sortState.column : 0);
    int subItem = column ? column->subItem : 0;
    // The key's own time, not the time it is handled: a busy machine must not break a word apart.
    int found = typeAhead.Type(static_cast<wchar_t>(key), GetMessageTime(), start, rowCount,
                               [&](int row) { return std::wstring(Derived().GetCellText(row, subItem)); });
    if (found < 0)
        return;
    selection.SelectOnly(found);
    ScrollRowIntoView(found);
    SelectionChangedByKey();
}

template <typename T> void CListImpl<T>::OnTimer(UINT_PTR id) {
    switch (id) {
    case kTimerResize: {
        if (resizingColumn < 0) {
            KillTimer(Handle(), kTimerResize);
            return;
        }
        POINT client{};
        GetCursorPos(&client);
        ScreenToClient(Handle(), &client);
        ApplyResize(client);
        return;
    }
    case kTimerScrollInto:
        KillTimer(Handle(), kTimerScrollInto);
        ScrollRowIntoView(selection.Focus());
        return;
    case kTimerBand: {
        if (!bandActive) {
            KillTimer(Handle(), kTimerBand);
            return;
        }
        POINT client{};
        GetCursorPos(&client);
        ScreenToClient(Handle(), &client);
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

template <typename T> void CListImpl<T>::SortRowsByColumn(int column) {
    const ListColumn* c = columns.Find(column);
    if (!kShowHeader || !kSortOnHeaderClick || !c)
        return;
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (NextSortStep(sortState, column) == SortStep::Reverse)
        Derived().ReverseRows();
    else
        Derived().SortRows(c->subItem);
    SetCursor(previous);
    selection.Clear();
    Repaint();
    NotifyListEvent(Handle(), EVENT_OBJECT_REORDER, kChildSelf);
    AnnounceChanges();
}

template <typename T> void CListImpl<T>::HideTitleTip() {
    titleTip.Hide();
}

// Over the text part of a cell whose text is cut, the tip shows the whole text in place.
template <typename T> void CListImpl<T>::UpdateTitleTip(POINT client) {
    int row = RowAtY(client.y, HeaderHeight(), RowHeight(), verticalPosition, Derived().CountRows());
    int column = columns.ColumnAt(client.x + horizontalPosition);
    const ListColumn* c = columns.Find(column);
    if (row < 0 || !c || !DrawsCells(c->width)) {
        HideTitleTip();
        tipRow = tipColumn = -1;
        return;
    }
    if (row == tipRow && column == tipColumn && titleTip.IsShown())
        return;
    ListRect rowRect =
        RowRect(row, HeaderHeight(), RowHeight(), verticalPosition, horizontalPosition, columns.TotalWidth());
    ListRect cell = ColumnSpan(columns, column, horizontalPosition, rowRect.top, rowRect.bottom);
    const std::wstring& text = Derived().GetCellText(row, c->subItem);
    bool hasImage = Derived().GetCellImage(row, c->subItem) >= 0 && resources.rowImages;
    CellLayout layout = LayOutCell(cell, column == 0, hasImage, text.empty(), resources.imageSize);
    bool overText = client.x >= layout.text.left && client.x < std::min(layout.text.right, cell.right);
    int textWidth = 0;
    if (overText && !text.empty()) {
        CWindowDc dc(Handle());
        CSelection selected(dc.Get(), titleTip.Font() ? static_cast<HGDIOBJ>(titleTip.Font())
                                                      : GetStockObject(DEFAULT_GUI_FONT));
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        textWidth = size.cx;
    }
    if (!overText || !NeedsTitleTip(textWidth, layout.text)) {
        HideTitleTip();
        tipRow = tipColumn = -1;
        return;
    }
    RECT tip = ToRect(TitleTipRect(textWidth, layout.text));
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&tip), 2);
    // A cell near the screen's edge must not push its tip off the monitor or under the task bar.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromRect(&tip, MONITOR_DEFAULTTONEAREST), &monitor))
        tip = ToRect(KeepInsideArea(ToListRect(tip), ToListRect(monitor.rcWork)));
    tipRow = row;
    tipColumn = column;
    titleTip.Show(tip, text);
}

} // namespace Velkora

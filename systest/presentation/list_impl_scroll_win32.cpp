// The result list's scroll bars, scroll requests and the mouse wheel. Positions are pixels; the
// decisions are list_scrolling.h's.
#include "list_impl_win32.h"
#include "list_scroll_bars_win32.h"
#include "list_user_data_win32.h"

namespace Velkora {

template <typename T> RECT CListImpl<T>::ClientRect() const {
    RECT client{0, 0, 0, 0};
    if (Handle())
        GetClientRect(Handle(), &client);
    return client;
}

template <typename T> ScrollBarLayout CListImpl<T>::CurrentVerticalBar() const {
    RECT client = ClientRect();
    return VerticalScrollBar({.clientHeight = client.bottom,
                              .headerHeight = HeaderHeight(),
                              .rowCount = Derived().CountRows(),
                              .rowHeight = RowHeight()},
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
        ScrollRequestPosition(RequestFromScrollCode(code), {.position = verticalPosition,
                                                            .trackPosition = TrackPosition(Handle(), SB_VERT),
                                                            .line = RowHeight(),
                                                            .page = client.bottom - HeaderHeight(),
                                                            .maxPosition = MaxScrollPosition(bar)});
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
    int position =
        ScrollRequestPosition(RequestFromScrollCode(code), {.position = horizontalPosition,
                                                            .trackPosition = TrackPosition(Handle(), SB_HORZ),
                                                            .line = kHorizontalScrollLine,
                                                            .page = client.right,
                                                            .maxPosition = MaxScrollPosition(bar)});
    SetHorizontalPosition(position);
}

template <typename T> void CListImpl<T>::OnMouseWheel(int delta) {
    HideTitleTip();
    // A slide still running would paint its old bitmap over the new position.
    EndSlide();
    SetVerticalPosition(
        WheelScrollPosition(CurrentRowView(), {.lines = settings.wheelLines, .delta = delta}));
}

template <typename T> int CListImpl<T>::VisibleRows() const {
    return VisibleRowCount(ClientRect().bottom, HeaderHeight(), RowHeight());
}

template <typename T> void CListImpl<T>::ScrollRowIntoView(int row) {
    SetVerticalPosition(ScrollIntoViewPosition(row, CurrentRowView()));
}

template <typename T> RowView CListImpl<T>::CurrentRowView() const {
    return {.position = verticalPosition,
            .rowHeight = RowHeight(),
            .visibleRows = VisibleRows(),
            .maxPosition = MaxScrollPosition(CurrentVerticalBar())};
}

template <typename T> void CListImpl<T>::ScrollBandTowards(POINT client) {
    RECT area = ClientRect();
    ScrollMotion vertical{.position = verticalPosition,
                          .line = RowHeight(),
                          .maxPosition = MaxScrollPosition(CurrentVerticalBar())};
    if (client.y < HeaderHeight())
        SetVerticalPosition(ScrollRequestPosition(ScrollRequest::kLineBack, vertical));
    else if (client.y >= area.bottom)
        SetVerticalPosition(ScrollRequestPosition(ScrollRequest::kLineForward, vertical));
    ScrollMotion horizontal{.position = horizontalPosition,
                            .line = kHorizontalScrollLine,
                            .maxPosition = MaxScrollPosition(CurrentHorizontalBar())};
    if (client.x < 0)
        SetHorizontalPosition(ScrollRequestPosition(ScrollRequest::kLineBack, horizontal));
    else if (client.x >= area.right)
        SetHorizontalPosition(ScrollRequestPosition(ScrollRequest::kLineForward, horizontal));
}

// The list's one use.
template RECT CListImpl<CListUserData>::ClientRect() const;
template ScrollBarLayout CListImpl<CListUserData>::CurrentVerticalBar() const;
template ScrollBarLayout CListImpl<CListUserData>::CurrentHorizontalBar() const;
template void CListImpl<CListUserData>::UpdateScrollBars();
template void CListImpl<CListUserData>::SetVerticalPosition(int);
template void CListImpl<CListUserData>::SetHorizontalPosition(int);
template void CListImpl<CListUserData>::OnVerticalScroll(WORD);
template void CListImpl<CListUserData>::OnHorizontalScroll(WORD);
template void CListImpl<CListUserData>::OnMouseWheel(int);
template int CListImpl<CListUserData>::VisibleRows() const;
template void CListImpl<CListUserData>::ScrollRowIntoView(int);
template RowView CListImpl<CListUserData>::CurrentRowView() const;
template void CListImpl<CListUserData>::ScrollBandTowards(POINT);

} // namespace Velkora

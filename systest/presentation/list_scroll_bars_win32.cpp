#include "list_scroll_bars_win32.h"

namespace Velkora {

void ApplyScrollBar(HWND window, int bar, const ScrollBarLayout& layout) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (layout.visible) {
        info.nMax = layout.maximum;
        info.nPage = static_cast<UINT>(layout.page);
        info.nPos = layout.position;
    }
    SetScrollInfo(window, bar, &info, TRUE);
    ShowScrollBar(window, bar, layout.visible ? TRUE : FALSE);
}

ScrollRequest RequestFromScrollCode(WORD code) {
    switch (code) {
    case SB_LINEUP:
        return ScrollRequest::kLineBack;
    case SB_LINEDOWN:
        return ScrollRequest::kLineForward;
    case SB_PAGEUP:
        return ScrollRequest::kPageBack;
    case SB_PAGEDOWN:
        return ScrollRequest::kPageForward;
    case SB_TOP:
        return ScrollRequest::kToStart;
    case SB_BOTTOM:
        return ScrollRequest::kToEnd;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return ScrollRequest::kTrack;
    default:
        return ScrollRequest::kStay;
    }
}

int TrackPosition(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window, bar, &info);
    return info.nTrackPos;
}

} // namespace Velkora

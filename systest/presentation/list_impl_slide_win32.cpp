// Smooth scrolling of the result list: a line or page request moves the position at once, then
// the rows between the old and the new first row, rendered once into a bitmap, slide into place
// in frames of kSlideFrameMs (CSlide says how far each frame is).
#include <algorithm>
#include <cstdlib>

#include "gdi_objects_win32.h"
#include "list_impl_win32.h"
#include "list_painter_win32.h"
#include "list_user_data_win32.h"

namespace Velkora {

template <typename T> void CListImpl<T>::StartSlide(int newPosition) {
    EndSlide(false);
    int rowHeight = RowHeight();
    int oldFirst = FirstVisibleRow(verticalPosition, rowHeight);
    int newFirst = FirstVisibleRow(newPosition, rowHeight);
    verticalPosition = newPosition;
    SetScrollPos(Handle(), SB_VERT, newPosition, TRUE);
    RECT client = ClientRect();
    int rowArea = client.bottom - HeaderHeight();
    if (rowArea <= 0 || client.right <= 0 || !slide.Start(newFirst - oldFirst, rowHeight)) {
        Repaint();
        return;
    }
    // Enough rows for the distance plus a full (also partly shown) row area.
    int height = (std::abs(newFirst - oldFirst) + rowArea / rowHeight + 1) * rowHeight;
    CWindowDc windowDc(Handle());
    slideBitmap.Reset(CreateCompatibleBitmap(windowDc.Get(), client.right, height));
    if (!slideBitmap) {
        EndSlide();
        Repaint();
        return;
    }
    {
        CMemoryDc memory(windowDc.Get());
        CSelection selected(memory.Get(), slideBitmap.Get());
        // The upper of the two first rows lands at the bitmap's top.
        SetViewportOrgEx(memory.Get(), 0, -HeaderHeight(), nullptr);
        ListRect area{0, HeaderHeight(), client.right, HeaderHeight() + height};
        FillSolid(memory.Get(), area, settings.colours.background);
        PaintRows(memory.Get(), area, std::min(oldFirst, newFirst) * rowHeight);
    }
    slideDown = newFirst > oldFirst;
    DrawSlideFrame();
    SetTimer(Handle(), kTimerSlide, kSlideFrameMs, nullptr);
}

template <typename T> void CListImpl<T>::DrawSlideFrame() {
    if (!slideBitmap)
        return;
    RECT client = ClientRect();
    // From the old towards the new position: the remaining distance is what is still to go.
    int offset = slideDown ? slide.Distance() - slide.Remaining() : slide.Remaining();
    CWindowDc windowDc(Handle());
    CMemoryDc memory(windowDc.Get());
    CSelection selected(memory.Get(), slideBitmap.Get());
    BitBlt(windowDc.Get(), 0, HeaderHeight(), client.right, client.bottom - HeaderHeight(), memory.Get(), 0,
           offset, SRCCOPY);
}

template <typename T> void CListImpl<T>::EndSlide(bool repaintNow) {
    if (!slide.Running() && !slideBitmap)
        return;
    if (Handle())
        KillTimer(Handle(), kTimerSlide);
    slide.Stop();
    slideBitmap.Reset();
    // The screen still shows the last frame: a click must hit the row it shows.
    if (repaintNow && Handle()) {
        InvalidateRect(Handle(), nullptr, FALSE);
        UpdateWindow(Handle());
    }
}

// The list's one use.
template void CListImpl<CListUserData>::StartSlide(int);
template void CListImpl<CListUserData>::DrawSlideFrame();
template void CListImpl<CListUserData>::EndSlide(bool);

} // namespace Velkora

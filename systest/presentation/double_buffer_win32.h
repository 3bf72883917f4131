#pragma once
// Painting through an off-screen bitmap: the window's paint routine draws into a memory DC in
// client coordinates, and the finished picture is copied to the screen at once, so nothing
// flickers. T provides `void DoPaint(HDC dc, const RECT& area)`.
#include <windows.h>

#include <functional>

namespace Velkora {

// Paints `area` (client coordinates) of `target` through a bitmap of the area's size.
// Falls back to painting directly when the bitmap cannot be made.
void PaintOffScreen(HDC target, const RECT& area, const std::function<void(HDC)>& paint);

// Handles paint, print-client and erase-background for T; answers whether it handled the message.
bool HandleBufferedPaint(HWND window, UINT message, WPARAM wParam,
                         const std::function<void(HDC, const RECT&)>& paint, LRESULT& result);

template <typename T> class CDoubleBufferImpl {
  protected:
    bool HandleDoubleBufferMessage(HWND window, UINT message, WPARAM wParam, LRESULT& result) {
        return HandleBufferedPaint(
            window, message, wParam,
            [this](HDC dc, const RECT& area) { static_cast<T*>(this)->DoPaint(dc, area); }, result);
    }
};

} // namespace Velkora

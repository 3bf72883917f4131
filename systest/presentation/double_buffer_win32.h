#pragma once
// Painting through an off-screen bitmap: the window's paint routine draws into a memory DC in
// client coordinates, and the finished picture is copied to the screen at once, so nothing
// flickers. T provides `void DoPaint(HDC dc, const RECT& area)`, called directly.
#include <windows.h>

#include <optional>

#include "gdi_objects_win32.h"

namespace Velkora {

// The bitmap of one paint of `area` (client coordinates) of `target`: Dc() draws in client
// coordinates, and the destructor copies the picture to the target. Without a bitmap Dc() is the
// target itself; for an empty area it is null and nothing is to be painted.
class COffScreenPaint {
  public:
    COffScreenPaint(HDC target, const RECT& area);
    ~COffScreenPaint();
    COffScreenPaint(const COffScreenPaint&) = delete;
    COffScreenPaint& operator=(const COffScreenPaint&) = delete;

    HDC Dc() const { return dc; }

  private:
    HDC target;
    RECT area;
    CMemoryDc memory;
    CBitmapHandle bitmap;
    std::optional<CSelection> selected; // the bitmap in the memory DC
    HDC dc = nullptr;
};

// The whole client area, which WM_PRINTCLIENT asks for.
RECT ClientArea(HWND window);

template <typename T> class CDoubleBufferImpl {
  protected:
    // Paint, print-client and erase-background; answers whether it handled the message.
    bool HandleDoubleBufferMessage(HWND window, UINT message, WPARAM wParam, LRESULT& result) {
        switch (message) {
        case WM_ERASEBKGND:
            result = 1; // the paint fills the background itself
            return true;
        case WM_PAINT: {
            CPaintScope scope(window);
            PaintThroughBitmap(scope.Get(), scope.Area());
            result = 0;
            return true;
        }
        case WM_PRINTCLIENT:
            PaintThroughBitmap(reinterpret_cast<HDC>(wParam), ClientArea(window));
            result = 0;
            return true;
        default:
            return false;
        }
    }

  private:
    void PaintThroughBitmap(HDC target, const RECT& area) {
        COffScreenPaint buffer(target, area);
        if (buffer.Dc())
            static_cast<T*>(this)->DoPaint(buffer.Dc(), area);
    }
};

} // namespace Velkora

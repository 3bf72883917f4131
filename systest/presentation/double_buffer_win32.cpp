#include "double_buffer_win32.h"

#include "gdi_objects_win32.h"

namespace Velkora {

void PaintOffScreen(HDC target, const RECT& area, const std::function<void(HDC)>& paint) {
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    CMemoryDc memory(target);
    CBitmapHandle bitmap(memory.Get() ? CreateCompatibleBitmap(target, width, height) : nullptr);
    if (!bitmap) {
        paint(target);
        return;
    }
    {
        CSelection selected(memory.Get(), bitmap.Get());
        // The painter works in client coordinates.
        SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
        paint(memory.Get());
        SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
        BitBlt(target, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
    }
}

bool HandleBufferedPaint(HWND window, UINT message, WPARAM wParam,
                         const std::function<void(HDC, const RECT&)>& paint, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND:
        result = 1; // the paint fills the background itself
        return true;
    case WM_PAINT: {
        CPaintScope scope(window);
        RECT area = scope.Area();
        PaintOffScreen(scope.Get(), area, [&](HDC dc) { paint(dc, area); });
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(window, &client);
        PaintOffScreen(reinterpret_cast<HDC>(wParam), client, [&](HDC dc) { paint(dc, client); });
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

} // namespace Velkora

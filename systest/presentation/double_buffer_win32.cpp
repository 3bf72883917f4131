#include "double_buffer_win32.h"

namespace Velkora {

COffScreenPaint::COffScreenPaint(HDC target, const RECT& area) : target(target), area(area), memory(target) {
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    if (memory.Get())
        bitmap.Reset(CreateCompatibleBitmap(target, width, height));
    if (!bitmap) {
        dc = target; // painted directly: it may flicker, but it shows
        return;
    }
    selected.emplace(memory.Get(), bitmap.Get());
    // The painter works in client coordinates.
    SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
    dc = memory.Get();
}

COffScreenPaint::~COffScreenPaint() {
    if (!selected)
        return;
    SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), 0, 0,
           SRCCOPY);
}

RECT ClientArea(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

} // namespace Velkora

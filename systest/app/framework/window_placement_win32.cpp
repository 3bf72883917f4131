#include "window_placement_win32.h"

#include <algorithm>

namespace Velkora {

void CenterWindowInWorkArea(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT area = monitor.rcWork;
    RECT centreOn = area;
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &centreOn);

    LONG width = box.right - box.left, height = box.bottom - box.top;
    LONG left = (centreOn.left + centreOn.right - width) / 2;
    LONG top = (centreOn.top + centreOn.bottom - height) / 2;
    left = std::max(area.left, std::min(left, area.right - width));
    top = std::max(area.top, std::min(top, area.bottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetWindowIcons(HWND window, HINSTANCE module, int iconId) {
    // Shared icons: the system owns them, so nothing is left to release with the window.
    auto load = [&](int cx, int cy) {
        return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                             GetSystemMetrics(cx), GetSystemMetrics(cy),
                                             LR_DEFAULTCOLOR | LR_SHARED));
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(load(SM_CXICON, SM_CYICON)));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(load(SM_CXSMICON, SM_CYSMICON)));
}

} // namespace Velkora

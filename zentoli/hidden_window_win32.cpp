#include "hidden_window_win32.h"

namespace Zentoli {

bool CHiddenWindow::Create() {
    Destroy();
    window = CreateWindowExW(0, L"STATIC", L"zentoli", 0, 0, 0, 100, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    // Without a window GetDC would hand out the whole screen's device context.
    if (window)
        dc = GetDC(window);
    return dc != nullptr;
}

void CHiddenWindow::Destroy() {
    if (dc)
        ReleaseDC(window, dc);
    if (window)
        DestroyWindow(window);
    dc = nullptr;
    window = nullptr;
}

} // namespace Zentoli

#pragma once
// The invisible window whose device context carries the OpenGL context.
#include <windows.h>

namespace Zentoli {

class CHiddenWindow {
  public:
    CHiddenWindow() = default;
    ~CHiddenWindow() { Destroy(); }
    CHiddenWindow(const CHiddenWindow&) = delete;
    CHiddenWindow& operator=(const CHiddenWindow&) = delete;

    // A "STATIC" window titled "zentoli", 100 by 100, never shown; true when it has a device context.
    [[nodiscard]] bool Create();
    void Destroy();
    HDC Dc() const { return dc; }

  private:
    HWND window = nullptr;
    HDC dc = nullptr;
};

} // namespace Zentoli

#pragma once
// Placing and decorating top-level windows.
#include <windows.h>

namespace Velkora {

// Centres the window over its visible, not minimised owner, or else in the work area of the
// monitor nearest to it; either way it stays inside that work area.
void CenterWindowInWorkArea(HWND window);

// The large and small window icons, loaded from the module at the system's icon sizes.
void SetWindowIcons(HWND window, HINSTANCE module, int iconId);

} // namespace Velkora

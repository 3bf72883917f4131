#pragma once
// DPI messages (Windows 8.1 and 10; defined here as the programs are built for Windows 7).
#include <windows.h>

namespace Velkora {

inline constexpr UINT kMessageDpiChanged = 0x02E0;            // WM_DPICHANGED, the new DPI in wParam
inline constexpr UINT kMessageDpiChangedAfterParent = 0x02E3; // WM_DPICHANGED_AFTERPARENT

} // namespace Velkora

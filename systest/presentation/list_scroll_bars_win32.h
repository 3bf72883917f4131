#pragma once
// The result list's scroll bars on the window.
#include <windows.h>

#include "list_scrolling.h"

namespace Velkora {

// Sets range, page and position; hides the bar when the layout says so.
void ApplyScrollBar(HWND window, int bar, const ScrollBarLayout& layout);
// A scroll bar code (SB_LINEUP ...) as a request; SB_ENDSCROLL and unknown codes stay.
ScrollRequest RequestFromScrollCode(WORD code);
// The 32-bit thumb position while dragging (the message carries only 16 bits).
int TrackPosition(HWND window, int bar);

} // namespace Velkora

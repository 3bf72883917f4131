#pragma once
// What the result list takes from the system: colours, the message font, the wheel setting and
// the row height that follows from the font. Loaded at initialisation and on every settings,
// colour or font change.
#include <windows.h>

#include <cstdint>

#include "gdi_objects_win32.h"

namespace Velkora {

struct ListColours {
    COLORREF background = 0;
    COLORREF headerBackground = 0;
    COLORREF headerLight = 0;
    COLORREF headerDark = 0;
    COLORREF headerText = 0;
    COLORREF rowText = 0;
    COLORREF selectedBackground = 0;
    COLORREF selectedText = 0;
    COLORREF pressedHeader = 0;
    COLORREF pressedHeaderText = 0;
    COLORREF selectionRectangle = 0;
    COLORREF selectionFrame = 0;
    bool sortArrowGlyphs = true; // else triangles in the header text colour
};

struct ListSettings {
    ListColours colours;
    std::uint32_t wheelLines = 3;
    CFontHandle font;     // the system's message font
    CFontHandle linkFont; // same face, underlined; only link cells would use it
    int rowHeight = 0;    // also the header height
};

// From the system colours, and in high contrast from nothing else.
ListColours LoadListColours();
bool IsHighContrastOn();
// For a window at `dpi`. Null fonts and a row height from the stock GUI font when the system
// metrics cannot be read.
ListSettings LoadListSettings(int dpi = 0);
// The system's message font as a new font object, at `dpi` (0: the system's DPI).
CFontHandle CreateMessageFont(bool underline = false, int dpi = 0);
// The DPI the window is shown at: its monitor's for a per-monitor aware program on Windows 10,
// else the system's.
int WindowDpi(HWND window);
int SystemDpi();

} // namespace Velkora

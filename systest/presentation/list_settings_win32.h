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
    COLORREF selectionRectangle = 0;
};

struct ListSettings {
    ListColours colours;
    std::uint32_t wheelLines = 3;
    CFontHandle font;     // the system's message font
    CFontHandle linkFont; // same face, underlined; only link cells would use it
    int rowHeight = 0;    // also the header height
};

ListColours LoadListColours();
// Null fonts and a row height from the stock GUI font when the system metrics cannot be read.
ListSettings LoadListSettings();
// The system's message font as a new font object.
CFontHandle CreateMessageFont(bool underline = false);

} // namespace Velkora

#pragma once
// Where each colour of the result list comes from: a system colour, or one of the list's own.
// In high contrast every colour is a system colour, so the user's scheme decides them all.
#include <cstdint>

namespace Velkora {

// The system colours the list uses (the Win32 side maps them to COLOR_* indices).
enum class SystemColour {
    kWindow,
    kWindowText,
    kButtonFace,
    kButtonHighlight,
    kButtonShadow,
    kHighlight,
    kHighlightText
};

struct ColourSource {
    bool system = true;
    SystemColour systemColour = SystemColour::kWindow;
    std::uint32_t rgb = 0; // 0x00BBGGRR like COLORREF, when not a system colour
    friend bool operator==(const ColourSource&, const ColourSource&) = default;
};

struct ListColourSources {
    ColourSource background;
    ColourSource headerBackground;
    ColourSource headerLight;
    ColourSource headerDark;
    ColourSource headerText;
    ColourSource rowText;
    ColourSource selectedBackground;
    ColourSource selectedText;
    ColourSource pressedHeader;
    ColourSource pressedHeaderText;
    ColourSource selectionRectangle;
    ColourSource selectionFrame;
    // The sort arrows: the control's own coloured glyphs, or triangles in the header text colour.
    bool sortArrowGlyphs = true;
};

ListColourSources ListColourScheme(bool highContrast);

} // namespace Velkora

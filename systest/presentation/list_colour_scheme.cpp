#include "list_colour_scheme.h"

namespace Velkora {

namespace {
constexpr ColourSource System(SystemColour colour) {
    return {true, colour, 0};
}
constexpr ColourSource Own(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {false, SystemColour::kWindow, static_cast<std::uint32_t>(r | (g << 8) | (b << 16))};
}
} // namespace

ListColourSources ListColourScheme(bool highContrast) {
    ListColourSources s;
    s.background = System(SystemColour::kWindow);
    s.headerBackground = System(SystemColour::kButtonFace);
    s.headerLight = System(SystemColour::kButtonHighlight);
    s.headerDark = System(SystemColour::kButtonShadow);
    s.headerText = System(SystemColour::kWindowText);
    s.rowText = System(SystemColour::kWindowText);
    s.selectedBackground = System(SystemColour::kHighlight);
    s.selectedText = System(SystemColour::kHighlightText);
    s.selectionFrame = System(SystemColour::kWindowText);
    if (highContrast) {
        // The pressed column and the band look like a selection; the arrows take the text colour.
        s.pressedHeader = System(SystemColour::kHighlight);
        s.pressedHeaderText = System(SystemColour::kHighlightText);
        s.selectionRectangle = System(SystemColour::kHighlight);
        s.sortArrowGlyphs = false;
    } else {
        s.pressedHeader = Own(130, 140, 180);
        s.pressedHeaderText = System(SystemColour::kWindowText);
        s.selectionRectangle = Own(180, 190, 210);
        s.sortArrowGlyphs = true;
    }
    return s;
}

} // namespace Velkora

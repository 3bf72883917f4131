#include "list_colour_scheme.h"

namespace Velkora {

namespace {
constexpr ColourSource System(SystemColour colour) {
    return {true, colour, 0};
}
constexpr ColourSource Own(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {false, SystemColour::Window, static_cast<std::uint32_t>(r | (g << 8) | (b << 16))};
}
} // namespace

ListColourSources ListColourScheme(bool highContrast) {
    ListColourSources s;
    s.background = System(SystemColour::Window);
    s.headerBackground = System(SystemColour::ButtonFace);
    s.headerLight = System(SystemColour::ButtonHighlight);
    s.headerDark = System(SystemColour::ButtonShadow);
    s.headerText = System(SystemColour::WindowText);
    s.rowText = System(SystemColour::WindowText);
    s.selectedBackground = System(SystemColour::Highlight);
    s.selectedText = System(SystemColour::HighlightText);
    s.selectionFrame = System(SystemColour::WindowText);
    if (highContrast) {
        // The pressed column and the band look like a selection; the arrows take the text colour.
        s.pressedHeader = System(SystemColour::Highlight);
        s.pressedHeaderText = System(SystemColour::HighlightText);
        s.selectionRectangle = System(SystemColour::Highlight);
        s.sortArrowGlyphs = false;
    } else {
        s.pressedHeader = Own(130, 140, 180);
        s.pressedHeaderText = System(SystemColour::WindowText);
        s.selectionRectangle = Own(180, 190, 210);
        s.sortArrowGlyphs = true;
    }
    return s;
}

} // namespace Velkora

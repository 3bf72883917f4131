#include "list_colour_scheme.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

constexpr ColourSource ListColourSources::*kAllColours[] = {
    &ListColourSources::background,         &ListColourSources::headerBackground,
    &ListColourSources::headerLight,        &ListColourSources::headerDark,
    &ListColourSources::headerText,         &ListColourSources::rowText,
    &ListColourSources::selectedBackground, &ListColourSources::selectedText,
    &ListColourSources::pressedHeader,      &ListColourSources::pressedHeaderText,
    &ListColourSources::selectionRectangle, &ListColourSources::selectionFrame,
};

TEST(ListColourScheme, HighContrastTakesEveryColourFromTheSystem) {
    ListColourSources scheme = ListColourScheme(true);
    for (auto colour : kAllColours)
        EXPECT_TRUE((scheme.*colour).system) << "colour " << (&colour - kAllColours);
    EXPECT_FALSE(scheme.sortArrowGlyphs) << "the coloured arrow glyphs are fixed colours";
    // what is drawn on the pressed column and in the band stays readable: a selection's pair
    EXPECT_EQ(scheme.pressedHeader.systemColour, SystemColour::kHighlight);
    EXPECT_EQ(scheme.pressedHeaderText.systemColour, SystemColour::kHighlightText);
}

TEST(ListColourScheme, NormalSchemeKeepsTheListsOwnColours) {
    ListColourSources scheme = ListColourScheme(false);
    EXPECT_EQ(scheme.pressedHeader,
              (ColourSource{false, SystemColour::kWindow, 0xB48C82u})); // RGB(130, 140, 180)
    EXPECT_EQ(scheme.selectionRectangle,
              (ColourSource{false, SystemColour::kWindow, 0xD2BEB4u})); // RGB(180, 190, 210)
    EXPECT_TRUE(scheme.sortArrowGlyphs);
    EXPECT_EQ(scheme.background.systemColour, SystemColour::kWindow);
    EXPECT_EQ(scheme.selectedBackground.systemColour, SystemColour::kHighlight);
}

} // namespace
} // namespace Velkora

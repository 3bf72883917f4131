#pragma once
// Where to break a line of text so that every piece fits a width, whatever measures the width
// (a font on screen, a character count in a test).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Velkora {

// The width of a piece of text, in the caller's units.
using TextWidthMeasure = std::function<int(std::wstring_view)>;

// The line in pieces, in order, each as wide as maxWidth at most: breaks fall between words
// (the spaces at a break are dropped; leading spaces indent the first piece when it fits), and a word wider
// than maxWidth is broken between characters. A piece always holds at least one character, so a width too
// small for any character still ends. An empty line stays one empty piece.
std::vector<std::wstring> WrapLine(std::wstring_view line, int maxWidth, const TextWidthMeasure& measure);

} // namespace Velkora

#pragma once
// The summary line of the main window: a verdict label ("Not met: ") and the summary text after
// it, side by side. The template leaves the label room for the English words; a language with
// longer ones widens the label and moves the text's start, its end kept, so nothing is cut.

namespace Velkora {

// Left and right edge of a control, in pixels of the window's client area.
struct HorizontalExtent {
    int left = 0;
    int right = 0;
    int Width() const { return right - left; }
};

struct SummaryLine {
    HorizontalExtent label;
    HorizontalExtent text;
};

// The line with the label at least neededLabelWidth wide. The gap between label and text stays;
// the text keeps its right edge and never grows narrower than nothing.
SummaryLine FitSummaryLabel(SummaryLine designed, int neededLabelWidth);

} // namespace Velkora

#include "summary_line_layout.h"

#include <algorithm>

namespace Velkora {

SummaryLine FitSummaryLabel(SummaryLine designed, int neededLabelWidth) {
    if (designed.label.Width() >= neededLabelWidth)
        return designed;
    SummaryLine fitted = designed;
    const int gap = std::max(0, designed.text.left - designed.label.right);
    fitted.label.right = designed.label.left + neededLabelWidth;
    fitted.text.left = std::min(fitted.label.right + gap, designed.text.right);
    return fitted;
}

} // namespace Velkora

#include "list_slide.h"

#include <algorithm>
#include <cstdlib>

namespace Velkora {

bool CSlide::Start(int rows, int rowHeight) {
    rows = std::abs(rows);
    running = rows > 0 && rowHeight > 0;
    if (!running)
        return false;
    distance = rows * rowHeight;
    steps = std::clamp(rows, 4, 8);
    // At least a pixel per step, so that the slide always ends (tiny rows, many of them).
    step = std::max((distance - steps) / steps, 1);
    remaining = distance;
    return true;
}

bool CSlide::Advance() {
    if (!running)
        return false;
    // Big steps until less than one step would be left, then the last n pixels one by one.
    if (remaining > steps)
        remaining = remaining - step < step ? steps : remaining - step;
    else
        remaining -= 1;
    if (remaining < 0)
        running = false;
    return running;
}

} // namespace Velkora

#include "list_sorting.h"

namespace Velkora {

SortStep NextSortStep(SortState& state, int column) {
    if (column == state.column) {
        state.directionFlag = !state.directionFlag;
        return SortStep::kReverse;
    }
    state.column = column;
    state.directionFlag = true;
    return SortStep::kSortAscending;
}

} // namespace Velkora

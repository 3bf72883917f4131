#pragma once
// Sorting by a header click: a new column sorts ascending and sets the direction flag; the same
// column again reverses the rows and toggles the flag. The header shows the down arrow while
// the flag is set.
namespace Velkora {

enum class SortStep { kSortAscending, kReverse };

struct SortState {
    int column = -1;
    bool directionFlag = true; // set at construction
};

// Updates the state for a click on `column` and answers what to do with the rows.
SortStep NextSortStep(SortState& state, int column);

} // namespace Velkora

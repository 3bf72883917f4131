#pragma once
// A row of the result list as text: copied to the clipboard in the report's form, and spoken by
// a screen reader as one name.
#include <set>
#include <string>
#include <vector>

namespace Velkora {

// The texts of a row's cells in column order, one line as the report writes it: the list shows
// the bare label, so the report label's separator ": " stands between the non-empty texts; CR LF.
std::wstring RowCopyLine(const std::vector<std::wstring>& cellTexts);

// The rows Ctrl+C copies: the selected ones in display order, every row when none is selected.
std::vector<int> RowsToCopy(const std::set<int>& selected, int rowCount);

// What assistive technology reads for a row: the non-empty cell texts, joined by ", " so that a
// screen reader pauses between the status and the description.
std::wstring RowAccessibleName(const std::vector<std::wstring>& cellTexts);

} // namespace Velkora

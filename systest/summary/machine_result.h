#pragma once
// One workstation's run as the site summary keeps it, whether it was read from a result document
// or from a row of the shared results table.
#include <cstdint>
#include <string>
#include <vector>

#include "shared_table_row.h"

namespace Velkora {

// Worst first, so that ordering by it puts the machines that need attention first.
enum class MachineState { kNotReady, kNotJudged, kWarnings, kReady };

// A check's verdict, worst first.
enum class Verdict { kNotMet, kWarning, kUnknown, kMet };

struct CheckOutcome {
    std::string id; // "graphicsCard", ...; as read, so that a later check id still shows
    Verdict verdict = Verdict::kUnknown;
    std::string text; // what the row said (empty when met, or when only the verdict was known)
};

struct MachineResult {
    std::string source;       // where it was read
    std::int64_t instant = 0; // when it ran, seconds since 1970 UTC
    MachineState state = MachineState::kNotJudged;
    std::vector<TableCell> cells;     // the shared table's columns (SharedTableColumns), in order
    std::vector<CheckOutcome> checks; // every row, in the run's order

    const std::string& Cell(std::size_t column) const { return cells[column].text; }
};

// The state a summary severity gives (1 not met ... 6 nothing judged); other values judge nothing.
MachineState StateOfSeverity(int severity);

// "notMet", "warning", "met", "unknown" as the documents write them; any other word is unknown.
Verdict VerdictOfName(std::string_view name);
std::string_view NameOfVerdict(Verdict verdict);

// The column of the shared table of that name.
std::size_t TableColumn(std::string_view name);

} // namespace Velkora

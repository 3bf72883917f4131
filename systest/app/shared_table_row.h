#pragma once
// One run as a row of the results table that many workstations append to: the columns, the
// cells of a run, and the bytes that add the row (and the header, where one is due) to a file.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "result_json.h"

namespace Velkora {

// The first column: a table whose header begins with it is ours, whatever else it holds.
inline constexpr std::string_view kFirstTableColumn = "computerName";

struct TableCell {
    std::string text;    // UTF-8
    bool number = false; // written as it is, never guarded as a formula
};
using TableRecord = std::map<std::string, TableCell, std::less<>>;

// Our columns in their order: the run, one per check id, the graphics adapter, the diagnostics.
std::vector<std::string> SharedTableColumns();

// The cells of a run; a check without a row has no cell (its column stays empty).
TableRecord SharedTableRecord(const ResultDocument& document);

// Whether a spreadsheet would begin a formula (or a cell that runs into the next) with this text.
bool StartsLikeAFormula(std::string_view text);

// A cell as the file holds it: text that a spreadsheet would take as a formula gets a leading
// apostrophe; a cell holding the separator, a quote or a line break is quoted (RFC 4180).
std::string TableField(const TableCell& cell, char separator);

// The fields of one line of a table, quotes undone; nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitTableLine(std::string_view line, char separator);

// The separator a new table gets: the user's list separator (LOCALE_SLIST: "," in English, ";" in
// German, what a spreadsheet expects), when it is one of the characters tables are split at.
char TableSeparatorFor(std::wstring_view localeListSeparator);

struct TableAppend {
    bool refused = false; // the file holds something that is not our table: nothing is written
    std::string bytes;    // what to append, in one write
};

// What to append to a file that begins with `head` (its first bytes, at least its first line when
// it has one) and is `size` bytes long, ending in `lastByte`. A new or empty file gets the
// byte-order mark and our header with the locale's separator; an existing table keeps its own
// separator and columns: the row follows them, the columns it lacks are left out.
TableAppend PlanTableAppend(std::string_view head, std::uint64_t size, char lastByte,
                            const TableRecord& record, char localeSeparator);

} // namespace Velkora

#include "result_table_read.h"

#include "checked_at_instant.h"
#include "csv_reader.h"

namespace Velkora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    return bytes.substr(0, 3) == kByteOrderMark ? bytes.substr(3) : bytes;
}

// The writer guards text that a spreadsheet would take as a formula with an apostrophe.
std::string Unguarded(std::string text) {
    if (text.size() >= 2 && text[0] == '\'' && StartsLikeAFormula(std::string_view(text).substr(1)))
        text.erase(0, 1);
    return text;
}

bool IsNumberColumn(std::string_view name) {
    return name == "summarySeverity" || name == "diagnosticsExitCode" || name == "schemaVersion";
}

// The table has no countsForSummary: its note columns are known by name, as the run makes them.
bool IsNoteColumn(std::string_view name) {
    return name == CheckIdName(CheckId::kClosingNote) || name == CheckIdName(CheckId::kListReplaced);
}

std::optional<int> SmallNumber(const std::string& text) {
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Row fields by the file's header, into the shared table's columns.
struct ColumnMap {
    std::vector<std::size_t> ourColumn; // per field of the file: our column, or npos
};

ColumnMap MapColumns(const std::vector<std::string>& header) {
    const std::size_t ours = SharedTableColumns().size();
    ColumnMap map;
    for (const std::string& name : header) {
        const std::size_t column = TableColumn(name);
        map.ourColumn.push_back(column < ours ? column : std::string::npos);
    }
    return map;
}

} // namespace

bool LooksLikeResultTable(std::string_view bytes) {
    return WithoutByteOrderMark(bytes).substr(0, kFirstTableColumn.size()) == kFirstTableColumn;
}

void ReadResultTable(std::string_view bytes, const std::string& source,
                     const std::function<void(MachineResult)>& take,
                     const std::function<void(SkippedInput)>& skip) {
    const std::string_view text = WithoutByteOrderMark(bytes);
    if (!LooksLikeResultTable(text)) {
        skip({source, SkipReason::kNotTable, 0});
        return;
    }
    // The separator is the character after the first column's name: each table keeps its own.
    const char next = text.size() > kFirstTableColumn.size() ? text[kFirstTableColumn.size()] : '\n';
    const char separator = next == ';' || next == '\t' ? next : ',';
    CCsvReader reader(text, separator);
    CsvRecord record;
    if (!reader.Next(record))
        return;
    const ColumnMap map = MapColumns(record.fields);
    const std::size_t nameColumn = TableColumn(kFirstTableColumn);
    const std::size_t timeColumn = TableColumn("checkedAt");
    const std::size_t severityColumn = TableColumn("summarySeverity");
    const std::size_t firstCheck = TableColumn(CheckIdName(kAllCheckIds[0]));
    const std::size_t endOfChecks = firstCheck + std::size(kAllCheckIds);
    const std::vector<std::string> columns = SharedTableColumns();
    while (reader.Next(record)) {
        const bool blank = record.fields.size() == 1 && record.fields[0].empty();
        if (blank && !record.cutShort)
            continue;
        const std::string where = source + ", line " + std::to_string(record.line);
        if (record.cutShort || record.fields.size() > map.ourColumn.size()) {
            skip({where, SkipReason::kRowMalformed, 0});
            continue;
        }
        MachineResult result;
        result.source = where;
        result.cells.resize(columns.size());
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            const std::size_t column = map.ourColumn[i];
            if (column == std::string::npos)
                continue;
            const bool number = IsNumberColumn(columns[column]);
            result.cells[column] = {number ? record.fields[i] : Unguarded(std::move(record.fields[i])),
                                    number};
        }
        const std::optional<std::int64_t> instant = ParseCheckedAtInstant(result.Cell(timeColumn));
        if (result.Cell(nameColumn).empty() || !instant) {
            skip({where, SkipReason::kIncomplete, 0});
            continue;
        }
        result.instant = *instant;
        if (const std::optional<int> severity = SmallNumber(result.Cell(severityColumn)))
            result.state = StateOfSeverity(*severity);
        for (std::size_t column = firstCheck; column < endOfChecks; ++column)
            if (!result.Cell(column).empty() && !IsNoteColumn(columns[column]))
                result.checks.push_back({columns[column], VerdictOfName(result.Cell(column)), {}});
        take(std::move(result));
    }
}

} // namespace Velkora

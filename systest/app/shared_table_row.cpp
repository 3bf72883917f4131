#include "shared_table_row.h"

#include <algorithm>

namespace Velkora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

TableCell Text(std::string text) {
    return {std::move(text), false};
}

TableCell Number(std::int64_t value) {
    return {std::to_string(value), true};
}

std::string Joined(const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        line += fields[i];
    }
    return line + "\r\n";
}

std::string_view FirstLine(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(0, end);
}

} // namespace

bool StartsLikeAFormula(std::string_view text) {
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::vector<std::string> SharedTableColumns() {
    std::vector<std::string> columns{std::string(kFirstTableColumn),
                                     "checkedAt",
                                     "checkerVersion",
                                     "language",
                                     "summary",
                                     "summarySeverity"};
    for (CheckId id : kAllCheckIds)
        columns.emplace_back(CheckIdName(id));
    for (const char* column : {"graphicsAdapter", "driverVersion", "driverDate", "diagnosticsExitCode",
                               "diagnosticsTimedOut", "schemaVersion"})
        columns.emplace_back(column);
    return columns;
}

TableRecord SharedTableRecord(const ResultDocument& d) {
    TableRecord record;
    record[std::string(kFirstTableColumn)] = Text(DocumentText(d.computerName));
    record["checkedAt"] = Text(FormatIsoDateTime(d.checkedAt));
    record["checkerVersion"] = Text(d.checkerVersion);
    record["language"] = Text(DocumentText(d.languageCode));
    if (d.run) {
        record["summary"] = Text(std::string(VerdictName(d.run->level)));
        record["summarySeverity"] = Number(d.run->level);
        // The first row of a check speaks for it.
        for (const RunEntry& entry : d.run->entries)
            record.emplace(std::string(CheckIdName(entry.id)),
                           Text(std::string(VerdictName(entry.result.severity))));
    }
    record["graphicsAdapter"] = Text(DocumentText(d.adapter.caption));
    record["driverVersion"] = Text(DriverVersionText(d.adapter.driverVersion));
    record["driverDate"] = Text(DriverDateText(d.adapter.driverDate));
    if (std::optional<std::int32_t> code = ReportedExitCode(d.diagnostics))
        record["diagnosticsExitCode"] = Number(*code);
    record["diagnosticsTimedOut"] = Text(d.diagnostics.timedOut ? "true" : "false");
    record["schemaVersion"] = Number(kResultSchemaVersion);
    return record;
}

std::string TableField(const TableCell& cell, char separator) {
    std::string text = cell.text;
    if (!cell.number && StartsLikeAFormula(text))
        text.insert(0, 1, '\'');
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::optional<std::vector<std::string>> SplitTableLine(std::string_view line, char separator) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted)
        return std::nullopt;
    return fields;
}

char TableSeparatorFor(std::wstring_view localeListSeparator) {
    if (localeListSeparator.size() == 1 &&
        std::wstring_view(L",;\t|").find(localeListSeparator[0]) != std::wstring_view::npos)
        return static_cast<char>(localeListSeparator[0]);
    return ',';
}

TableAppend PlanTableAppend(std::string_view head, std::uint64_t size, char lastByte,
                            const TableRecord& record, char localeSeparator) {
    TableAppend append;
    std::string_view text = head;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    const bool empty = size == 0 || (size == kByteOrderMark.size() && head == kByteOrderMark);
    std::vector<std::string> columns;
    char separator = localeSeparator;
    if (empty) {
        columns = SharedTableColumns();
        if (size == 0)
            append.bytes = kByteOrderMark;
        append.bytes += Joined(columns, separator);
    } else {
        // Ours when it begins with our first column; its separator is the character after it.
        const std::string_view header = FirstLine(text);
        if (header.substr(0, kFirstTableColumn.size()) != kFirstTableColumn) {
            append.refused = true;
            return append;
        }
        if (header.size() > kFirstTableColumn.size())
            separator = header[kFirstTableColumn.size()];
        const std::wstring asWide(1, static_cast<wchar_t>(static_cast<unsigned char>(separator)));
        if (TableSeparatorFor(asWide) != separator) {
            append.refused = true;
            return append;
        }
        std::optional<std::vector<std::string>> fields = SplitTableLine(header, separator);
        if (!fields || fields->front() != kFirstTableColumn) {
            append.refused = true;
            return append;
        }
        columns = std::move(*fields);
        // A row that a writer could not end: ours starts on a line of its own.
        if (lastByte != '\n')
            append.bytes = "\r\n";
    }
    std::vector<std::string> cells;
    for (const std::string& column : columns) {
        auto cell = record.find(column);
        cells.push_back(cell == record.end() ? std::string() : TableField(cell->second, separator));
    }
    append.bytes += Joined(cells, separator);
    return append;
}

} // namespace Velkora

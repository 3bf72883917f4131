#include "result_document_read.h"

#include <nlohmann/json.hpp>

#include "checked_at_instant.h"

namespace Velkora {
namespace {

using Json = nlohmann::json;

// Parts of the document the summary never reads are dropped while parsing: a site's documents
// are held one at a time, but each as small as it can be.
bool KeepWhileParsing(int depth, Json::parse_event_t event, Json& parsed) {
    if (event != Json::parse_event_t::key)
        return true;
    const std::string& key = parsed.get_ref<const std::string&>();
    if (depth == 1)
        return key != "reportHeader" && key != "product" && key != "operatingSystem";
    return key != "reportText" && key != "label";
}

std::string TextAt(const Json& object, const char* key) {
    auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

std::optional<long long> NumberAt(const Json& object, const char* key) {
    auto found = object.find(key);
    if (found == object.end() || !found->is_number_integer())
        return std::nullopt;
    return found->get<long long>();
}

const Json* ObjectAt(const Json& object, const char* key) {
    auto found = object.find(key);
    return found != object.end() && found->is_object() ? &*found : nullptr;
}

TableCell TextCell(std::string text) {
    return {std::move(text), false};
}

TableCell NumberCell(std::optional<long long> value) {
    return value ? TableCell{std::to_string(*value), true} : TableCell{};
}

SkippedInput Skipped(std::string source, SkipReason reason, long long version = 0) {
    return {std::move(source), reason, version};
}

} // namespace

std::variant<MachineResult, SkippedInput> ReadResultDocument(std::string_view bytes, std::string source) {
    // A byte-order mark is not JSON, but an editor may have added one.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const Json document = Json::parse(bytes.begin(), bytes.end(), KeepWhileParsing, false);
    if (document.is_discarded())
        return Skipped(std::move(source), SkipReason::kNotJson);
    if (!document.is_object() || TextAt(document, "schema") != kResultSchemaName)
        return Skipped(std::move(source), SkipReason::kNotOurs);
    const std::optional<long long> version = NumberAt(document, "schemaVersion");
    if (!version || *version < kOldestReadableSchemaVersion || *version > kResultSchemaVersion)
        return Skipped(std::move(source), SkipReason::kSchemaVersion, version.value_or(0));

    MachineResult result;
    result.source = std::move(source);
    const std::string computerName = TextAt(document, "computerName");
    const std::string checkedAt = TextAt(document, "checkedAt");
    const std::optional<std::int64_t> instant = ParseCheckedAtInstant(checkedAt);
    if (computerName.empty() || !instant)
        return Skipped(std::move(result.source), SkipReason::kIncomplete);
    result.instant = *instant;

    result.cells.resize(SharedTableColumns().size());
    auto cell = [&](std::string_view column) -> TableCell& { return result.cells[TableColumn(column)]; };
    cell(kFirstTableColumn) = TextCell(computerName);
    cell("checkedAt") = TextCell(checkedAt);
    cell("checkerVersion") = TextCell(TextAt(document, "checkerVersion"));
    cell("language") = TextCell(TextAt(document, "language"));
    if (const Json* summary = ObjectAt(document, "summary")) {
        const std::optional<long long> severity = NumberAt(*summary, "severity");
        cell("summary") = TextCell(TextAt(*summary, "verdict"));
        cell("summarySeverity") = NumberCell(severity);
        if (severity && *severity >= kSeverityNotMet && *severity <= kSeverityNoVerdict)
            result.state = StateOfSeverity(static_cast<int>(*severity));
    }
    auto checks = document.find("checks");
    if (checks != document.end() && checks->is_array()) {
        for (const Json& row : *checks) {
            if (!row.is_object())
                continue;
            CheckOutcome outcome{TextAt(row, "id"), VerdictOfName(TextAt(row, "verdict")), {}};
            if (outcome.id.empty())
                continue;
            if (outcome.verdict != Verdict::kMet)
                outcome.text = TextAt(row, "text");
            // The first row of a check speaks for it in the table, as in the table a run writes.
            const std::size_t column = TableColumn(outcome.id);
            if (column < result.cells.size() && result.cells[column].text.empty())
                result.cells[column] = TextCell(TextAt(row, "verdict"));
            // A note (the closing note, say) judges nothing: it is no failed or warned check.
            auto counts = row.find("countsForSummary");
            if (counts == row.end() || !counts->is_boolean() || counts->get<bool>())
                result.checks.push_back(std::move(outcome));
        }
    }
    if (const Json* adapter = ObjectAt(document, "graphicsAdapter")) {
        cell("graphicsAdapter") = TextCell(TextAt(*adapter, "caption"));
        cell("driverVersion") = TextCell(TextAt(*adapter, "driverVersion"));
        cell("driverDate") = TextCell(TextAt(*adapter, "driverDate"));
    }
    if (const Json* diagnostics = ObjectAt(document, "diagnostics")) {
        cell("diagnosticsExitCode") = NumberCell(NumberAt(*diagnostics, "exitCode"));
        auto timedOut = diagnostics->find("timedOut");
        if (timedOut != diagnostics->end() && timedOut->is_boolean())
            cell("diagnosticsTimedOut") = TextCell(timedOut->get<bool>() ? "true" : "false");
    }
    cell("schemaVersion") = NumberCell(version);
    return result;
}

} // namespace Velkora

#include "result_json.h"

#include <cstdio>
#include <cstdlib>

#include <nlohmann/json.hpp>

#include "code_page_conversion.h"
#include "portable_code_pages.h"

namespace Velkora {
namespace {

using Json = nlohmann::ordered_json; // keys in the documented order

Json OptionalText(const std::optional<std::wstring>& text) {
    return text ? Json(DocumentText(*text)) : Json(nullptr);
}

Json DriverDateJson(std::uint32_t date) {
    std::string text = DriverDateText(date);
    return text.empty() ? Json(nullptr) : Json(text);
}

Json CheckEntry(const RunEntry& entry) {
    return Json{{"id", CheckIdName(entry.id)},
                {"severity", entry.result.severity},
                {"verdict", VerdictName(entry.result.severity)},
                {"label", DocumentText(entry.label)},
                {"text", DocumentText(entry.result.text)},
                {"reportText", DocumentText(entry.result.reportText)},
                {"countsForSummary", entry.counts}};
}

} // namespace

std::string DocumentText(std::wstring_view text) {
    std::string out;
    bool replaced = false;
    // UTF-8 takes every character; one that cannot be converted is replaced, not left out.
    (void)PortableWideToMultiByte(kCodePageUtf8, text, 0, out, replaced);
    return out;
}

std::string DriverVersionText(const DriverVersionParts& v) {
    return std::to_string(v.major) + '.' + std::to_string(v.minor) + '.' + std::to_string(v.build) + '.' +
           std::to_string(v.revision);
}

std::string DriverDateText(std::uint32_t date) {
    if (date == 0)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", date / 10000, date / 100 % 100, date % 100);
    return text;
}

std::optional<std::int32_t> ReportedExitCode(const DiagnosticsFacts& facts) {
    if (!facts.started || facts.timedOut)
        return std::nullopt;
    return facts.exitCode;
}

std::string FormatIsoDateTime(const LocalDateTime& t) {
    char text[40];
    int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                               t.hour, t.minute, t.second);
    std::string out(text, length > 0 ? static_cast<std::size_t>(length) : 0);
    if (t.utcOffsetMinutes == 0)
        return out + 'Z';
    int offset = std::abs(t.utcOffsetMinutes);
    std::snprintf(text, sizeof text, "%c%02d:%02d", t.utcOffsetMinutes < 0 ? '-' : '+', offset / 60 % 100,
                  offset % 60);
    return out + text;
}

std::string_view CheckIdName(CheckId id) {
    switch (id) {
    case CheckId::kOperatingSystem:
        return "operatingSystem";
    case CheckId::kProcessor:
        return "processor";
    case CheckId::kMemory:
        return "memory";
    case CheckId::kDiskSpace:
        return "diskSpace";
    case CheckId::kScreen:
        return "screen";
    case CheckId::kVideoMemory:
        return "videoMemory";
    case CheckId::kGraphicsCard:
        return "graphicsCard";
    case CheckId::kGraphicsDriver:
        return "graphicsDriver";
    case CheckId::kAdaptersIdentical:
        return "adaptersIdentical";
    case CheckId::kListReplaced:
        return "listReplaced";
    case CheckId::kClosingNote:
        return "closingNote";
    case CheckId::kDiagnosticsTimeout:
        return "diagnosticsTimeout";
    case CheckId::kDiagnosticsNotStarted:
        return "diagnosticsNotStarted";
    case CheckId::kDiagnosticsEndedAbnormally:
        return "diagnosticsEndedAbnormally";
    case CheckId::kAdapterNotIdentified:
        return "adapterNotIdentified";
    case CheckId::kOperatingSystemNotIdentified:
        return "operatingSystemNotIdentified";
    case CheckId::kCardListNotRead:
        return "cardListNotRead";
    case CheckId::kGraphicsWithoutDesktop:
        return "graphicsWithoutDesktop";
    }
    return "unknown";
}

std::string_view VerdictName(Severity severity) {
    switch (severity) {
    case kSeverityNotMet:
        return "notMet";
    case kSeverityWarning:
    case kSeverityOwnWarning:
        return "warning";
    case kSeverityMet:
    case kSeverityMetBetter:
        return "met";
    default:
        return "unknown";
    }
}

std::string BuildResultJson(const ResultDocument& d) {
    Json checks = Json::array();
    Json summary = nullptr;
    if (d.run) {
        for (const RunEntry& entry : d.run->entries)
            checks.push_back(CheckEntry(entry));
        summary = Json{{"severity", d.run->level},
                       {"verdict", VerdictName(d.run->level)},
                       {"label", DocumentText(d.run->label)},
                       {"text", DocumentText(d.run->text)}};
    }
    const DiagnosticsFacts& g = d.diagnostics;
    const std::optional<std::int32_t> exitCode = ReportedExitCode(g);
    Json document{
        {"schema", kResultSchemaName},
        {"schemaVersion", kResultSchemaVersion},
        {"checkerVersion", d.checkerVersion},
        {"product",
         {{"name", DocumentText(d.productName)},
          {"year", DocumentText(d.productYear)},
          {"buildDate", DocumentText(d.buildDate)}}},
        {"computerName", DocumentText(d.computerName)},
        {"checkedAt", FormatIsoDateTime(d.checkedAt)},
        {"language", DocumentText(d.languageCode)},
        {"reportHeader", DocumentText(d.reportHeader)},
        {"summary", summary},
        {"checks", checks},
        {"diagnostics",
         {{"exitCode", exitCode ? Json(*exitCode) : Json(nullptr)},
          {"code", g.code},
          {"started", g.started},
          {"timedOut", g.timedOut},
          {"timeLimitSeconds", g.timeLimitSeconds ? Json(*g.timeLimitSeconds) : Json(nullptr)}}},
        {"operatingSystem",
         {{"displayName", OptionalText(d.osDisplayName)}, {"supportCode", OptionalText(d.osSupportCode)}}},
        {"graphicsAdapter",
         {{"caption", DocumentText(d.adapter.caption)},
          {"memoryBytes", d.adapter.memoryBytes},
          {"driverVersion", DriverVersionText(d.adapter.driverVersion)},
          {"driverDate", DriverDateJson(d.adapter.driverDate)},
          {"pnpDeviceId", DocumentText(d.adapter.pnpDeviceId)},
          {"adaptersDiffer", d.adapter.adaptersDiffer}}},
    };
    // The text is valid UTF-8 by construction; replacing instead of throwing keeps it so regardless.
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace Velkora

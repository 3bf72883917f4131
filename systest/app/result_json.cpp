#include "result_json.h"

#include <cstdio>
#include <cstdlib>

#include <nlohmann/json.hpp>

#include "code_page_conversion.h"
#include "portable_code_pages.h"

namespace Velkora {
namespace {

using Json = nlohmann::ordered_json; // keys in the documented order

std::string Utf8(std::wstring_view text) {
    std::string out;
    bool replaced = false;
    PortableWideToMultiByte(kCodePageUtf8, text, 0, out, replaced);
    return out;
}

Json OptionalText(const std::optional<std::wstring>& text) {
    return text ? Json(Utf8(*text)) : Json(nullptr);
}

std::string DriverVersionText(const DriverVersionParts& v) {
    return std::to_string(v.major) + '.' + std::to_string(v.minor) + '.' + std::to_string(v.build) + '.' +
           std::to_string(v.revision);
}

// yyyymmdd as "yyyy-mm-dd"; 0 (unknown) as null.
Json DriverDateText(std::uint32_t date) {
    if (date == 0)
        return nullptr;
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", date / 10000, date / 100 % 100, date % 100);
    return text;
}

Json CheckEntry(const RunEntry& entry) {
    return Json{{"id", CheckIdName(entry.id)},
                {"severity", entry.result.severity},
                {"verdict", VerdictName(entry.result.severity)},
                {"label", Utf8(entry.label)},
                {"text", Utf8(entry.result.text)},
                {"reportText", Utf8(entry.result.reportText)},
                {"countsForSummary", entry.counts}};
}

} // namespace

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
    case CheckId::OperatingSystem:
        return "operatingSystem";
    case CheckId::Processor:
        return "processor";
    case CheckId::Memory:
        return "memory";
    case CheckId::DiskSpace:
        return "diskSpace";
    case CheckId::Screen:
        return "screen";
    case CheckId::VideoMemory:
        return "videoMemory";
    case CheckId::GraphicsCard:
        return "graphicsCard";
    case CheckId::GraphicsDriver:
        return "graphicsDriver";
    case CheckId::AdaptersIdentical:
        return "adaptersIdentical";
    case CheckId::ListReplaced:
        return "listReplaced";
    case CheckId::ClosingNote:
        return "closingNote";
    case CheckId::DiagnosticsTimeout:
        return "diagnosticsTimeout";
    case CheckId::DiagnosticsNotStarted:
        return "diagnosticsNotStarted";
    case CheckId::DiagnosticsEndedAbnormally:
        return "diagnosticsEndedAbnormally";
    case CheckId::AdapterNotIdentified:
        return "adapterNotIdentified";
    case CheckId::OperatingSystemNotIdentified:
        return "operatingSystemNotIdentified";
    case CheckId::CardListNotRead:
        return "cardListNotRead";
    case CheckId::GraphicsWithoutDesktop:
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
                       {"label", Utf8(d.run->label)},
                       {"text", Utf8(d.run->text)}};
    }
    const DiagnosticsFacts& g = d.diagnostics;
    const bool endedByItself = g.started && !g.timedOut;
    Json document{
        {"schema", kResultSchemaName},
        {"schemaVersion", kResultSchemaVersion},
        {"product",
         {{"name", Utf8(d.productName)},
          {"year", Utf8(d.productYear)},
          {"version", d.checkerVersion},
          {"buildDate", Utf8(d.buildDate)}}},
        {"computerName", Utf8(d.computerName)},
        {"checkedAt", FormatIsoDateTime(d.checkedAt)},
        {"language", Utf8(d.languageCode)},
        {"reportHeader", Utf8(d.reportHeader)},
        {"summary", summary},
        {"checks", checks},
        {"diagnostics",
         {{"exitCode", endedByItself ? Json(g.exitCode) : Json(nullptr)},
          {"code", g.code},
          {"started", g.started},
          {"timedOut", g.timedOut},
          {"timeLimitSeconds", g.timeLimitSeconds ? Json(*g.timeLimitSeconds) : Json(nullptr)}}},
        {"operatingSystem",
         {{"displayName", OptionalText(d.osDisplayName)}, {"supportCode", OptionalText(d.osSupportCode)}}},
        {"graphicsAdapter",
         {{"caption", Utf8(d.adapter.caption)},
          {"memoryBytes", d.adapter.memoryBytes},
          {"driverVersion", DriverVersionText(d.adapter.driverVersion)},
          {"driverDate", DriverDateText(d.adapter.driverDate)},
          {"pnpDeviceId", Utf8(d.adapter.pnpDeviceId)},
          {"adaptersDiffer", d.adapter.adaptersDiffer}}},
    };
    // The text is valid UTF-8 by construction; replacing instead of throwing keeps it so regardless.
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace Velkora

#include "result_json.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

namespace Velkora {
namespace {

using nlohmann::json;

// Every document built here is also kept for the schema check (result_json_schema_tests).
std::string KeptResultJson(const ResultDocument& document, const char* name) {
    std::string text = BuildResultJson(document);
    const std::filesystem::path dir(VELKORA_JSON_DOCUMENT_DIR);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / (std::string("host-") + name + ".json"), std::ios::binary) << text;
    return text;
}

RunSummary TwoRowRun() {
    RunSummary run;
    run.level = 2;
    run.label = L"Warnung";
    run.text = L"Velkora 2018 ist eingeschr\x00e4nkt nutzbar.";
    run.entries.push_back({CheckId::kOperatingSystem,
                           {3, L"OS ok", L"OS ok"},
                           {2, L"Erf\x00fcllt", L"OS ok"},
                           L"Erf\x00fcllt",
                           true});
    run.entries.push_back({CheckId::kDiagnosticsTimeout,
                           {2, L"stopped", L"stopped"},
                           {1, L"Warnung", L"stopped"},
                           L"Warnung",
                           true});
    run.entries.push_back(
        {CheckId::kClosingNote, {2, L"note", L"note"}, {1, L"Warnung", L"note"}, L"Warnung", false});
    return run;
}

ResultDocument Document(const RunSummary& run) {
    ResultDocument d;
    d.productName = L"Velkora 2018";
    d.productYear = L"2018";
    d.buildDate = L"27.06.17";
    d.computerName = L"WS-042";
    d.checkedAt = {2018, 3, 5, 14, 7, 9, 60};
    d.languageCode = L"de";
    d.reportHeader = L"Computer \"WS-042\"";
    d.run = &run;
    d.diagnostics = {.exitCode = 11, .code = 3, .started = true, .timedOut = false, .timeLimitSeconds = 120};
    d.osDisplayName = L"Windows 7 Professional Service Pack 1";
    d.osSupportCode = L"W7";
    d.adapter.caption = L"AMD Radeon RX 580";
    d.adapter.memoryBytes = 4294967295u;
    d.adapter.driverVersion = {27, 20, 100, 8681};
    d.adapter.driverDate = 20171110;
    d.adapter.pnpDeviceId = L"PCI\\VEN_1002";
    return d;
}

TEST(ResultJson, HoldsEveryFactUnderItsDocumentedName) {
    RunSummary run = TwoRowRun();
    std::string text = KeptResultJson(Document(run), "every-fact");
    ASSERT_EQ(text.back(), '\n');
    json j = json::parse(text);
    EXPECT_EQ(j["schema"], "velkora-systest-result");
    EXPECT_EQ(j["schemaVersion"], 4);
    EXPECT_EQ(j["checkerVersion"], VELKORA_VERSION_TEXT);
    EXPECT_EQ(j["product"], (json{{"name", "Velkora 2018"}, {"year", "2018"}, {"buildDate", "27.06.17"}}));
    EXPECT_EQ(j["computerName"], "WS-042");
    EXPECT_EQ(j["checkedAt"], "2018-03-05T14:07:09+01:00");
    EXPECT_EQ(j["language"], "de");
    EXPECT_EQ(j["reportHeader"], "Computer \"WS-042\"");
    EXPECT_EQ(j["summary"], (json{{"severity", 2},
                                  {"verdict", "warning"},
                                  {"label", "Warnung"},
                                  {"text", "Velkora 2018 ist eingeschr\xC3\xA4nkt nutzbar."}}));
    ASSERT_EQ(j["checks"].size(), 3u);
    EXPECT_EQ(j["checks"][0], (json{{"id", "operatingSystem"},
                                    {"severity", 3},
                                    {"verdict", "met"},
                                    {"label", "Erf\xC3\xBCllt"},
                                    {"text", "OS ok"},
                                    {"reportText", "OS ok"},
                                    {"countsForSummary", true}}));
    EXPECT_EQ(j["checks"][1]["id"], "diagnosticsTimeout");
    EXPECT_EQ(j["checks"][2]["countsForSummary"], false);
    EXPECT_EQ(j["diagnostics"], (json{{"exitCode", 11},
                                      {"code", 3},
                                      {"started", true},
                                      {"timedOut", false},
                                      {"timeLimitSeconds", 120}}));
    EXPECT_EQ(j["operatingSystem"],
              (json{{"displayName", "Windows 7 Professional Service Pack 1"}, {"supportCode", "W7"}}));
    EXPECT_EQ(j["graphicsAdapter"], (json{{"caption", "AMD Radeon RX 580"},
                                          {"memoryBytes", 4294967295u},
                                          {"driverVersion", "27.20.100.8681"},
                                          {"driverDate", "2017-11-10"},
                                          {"pnpDeviceId", "PCI\\VEN_1002"},
                                          {"adaptersDiffer", false}}));
    // Keys in the documented order.
    EXPECT_LT(text.find("\"schema\""), text.find("\"summary\""));
    EXPECT_LT(text.find("\"summary\""), text.find("\"checks\""));
}

TEST(ResultJson, UnknownFactsAreNull) {
    RunSummary run = TwoRowRun();
    ResultDocument d = Document(run);
    d.diagnostics = {.exitCode = -1,
                     .code = 7,
                     .started = true,
                     .timedOut = true,
                     .timeLimitSeconds = 5}; // stopped: no exit code of its own
    d.osDisplayName.reset();
    d.osSupportCode.reset();
    d.adapter.driverDate = 0;
    json j = json::parse(KeptResultJson(d, "stopped"));
    EXPECT_TRUE(j["diagnostics"]["exitCode"].is_null());
    EXPECT_EQ(j["diagnostics"]["timedOut"], true);
    EXPECT_EQ(j["diagnostics"]["code"], 7);
    EXPECT_TRUE(j["operatingSystem"]["displayName"].is_null());
    EXPECT_TRUE(j["graphicsAdapter"]["driverDate"].is_null());

    // Ended abnormally: the real exit code is kept, the checks judged by 7.
    d.diagnostics = {.exitCode = static_cast<std::int32_t>(0xC0000374),
                     .code = 7,
                     .started = true,
                     .timedOut = false,
                     .timeLimitSeconds = 120};
    j = json::parse(BuildResultJson(d));
    EXPECT_EQ(j["diagnostics"]["exitCode"], static_cast<std::int32_t>(0xC0000374));
    EXPECT_EQ(j["diagnostics"]["code"], 7);

    d.diagnostics = {.exitCode = -1,
                     .code = 7,
                     .started = false,
                     .timedOut = false,
                     .timeLimitSeconds = std::nullopt}; // could not be started
    j = json::parse(KeptResultJson(d, "not-started"));
    EXPECT_TRUE(j["diagnostics"]["exitCode"].is_null());
    EXPECT_TRUE(j["diagnostics"]["timeLimitSeconds"].is_null());
    EXPECT_EQ(j["diagnostics"]["started"], false);

    d.run = nullptr;
    j = json::parse(KeptResultJson(d, "no-run"));
    EXPECT_TRUE(j["summary"].is_null());
    EXPECT_TRUE(j["checks"].is_array() && j["checks"].empty());
}

// A run without a user's desktop: the graphics row instead of any verdict, the diagnostics
// never started (kept for the schema check, whose id list must hold the row's id).
TEST(ResultJson, GraphicsWithoutDesktop) {
    RunSummary run = TwoRowRun();
    run.entries[1] = {CheckId::kGraphicsWithoutDesktop,
                      {2, L"no desktop", L"no desktop"},
                      {1, L"Warnung", L"no desktop"},
                      L"Warnung",
                      true};
    ResultDocument d = Document(run);
    d.diagnostics = {0, 7, false, false, std::nullopt};
    d.adapter = GraphicsAdapterInfo{};
    json j = json::parse(KeptResultJson(d, "without-desktop"));
    EXPECT_EQ(j["checks"][1]["id"], "graphicsWithoutDesktop");
    EXPECT_EQ(j["checks"][1]["countsForSummary"], true);
    EXPECT_EQ(j["diagnostics"]["started"], false);
    EXPECT_TRUE(j["diagnostics"]["exitCode"].is_null());
}

TEST(ResultJson, HostileTextStaysValidJson) {
    RunSummary run;
    run.label = std::wstring(L"bad \xD800 surrogate \"quoted\"\r\n\t") + wchar_t(1);
    ResultDocument d = Document(run);
    d.computerName = L"\xD83D\xDE00"; // a pair: one character outside the basic plane
    std::string text = KeptResultJson(d, "hostile-text");
    json j = json::parse(text);
    EXPECT_EQ(j["summary"]["label"], "bad \xEF\xBF\xBD surrogate \"quoted\"\r\n\t\x01");
    EXPECT_EQ(j["computerName"], "\xF0\x9F\x98\x80");
}

TEST(ResultJson, DateTimeInIso8601) {
    EXPECT_EQ(FormatIsoDateTime({2018, 3, 5, 14, 7, 9, 0}), "2018-03-05T14:07:09Z");
    EXPECT_EQ(FormatIsoDateTime({2018, 12, 31, 23, 59, 59, -330}), "2018-12-31T23:59:59-05:30");
    EXPECT_EQ(FormatIsoDateTime({2026, 1, 2, 3, 4, 5, 120}), "2026-01-02T03:04:05+02:00");
}

TEST(ResultJson, CheckIdentifiersAreStableAndDistinct) {
    const std::pair<CheckId, const char*> names[] = {
        {CheckId::kOperatingSystem, "operatingSystem"},
        {CheckId::kProcessor, "processor"},
        {CheckId::kMemory, "memory"},
        {CheckId::kDiskSpace, "diskSpace"},
        {CheckId::kScreen, "screen"},
        {CheckId::kVideoMemory, "videoMemory"},
        {CheckId::kGraphicsCard, "graphicsCard"},
        {CheckId::kGraphicsDriver, "graphicsDriver"},
        {CheckId::kAdaptersIdentical, "adaptersIdentical"},
        {CheckId::kListReplaced, "listReplaced"},
        {CheckId::kClosingNote, "closingNote"},
        {CheckId::kDiagnosticsTimeout, "diagnosticsTimeout"},
        {CheckId::kDiagnosticsNotStarted, "diagnosticsNotStarted"},
        {CheckId::kDiagnosticsEndedAbnormally, "diagnosticsEndedAbnormally"},
        {CheckId::kAdapterNotIdentified, "adapterNotIdentified"},
        {CheckId::kOperatingSystemNotIdentified, "operatingSystemNotIdentified"},
        {CheckId::kCardListNotRead, "cardListNotRead"},
        {CheckId::kGraphicsWithoutDesktop, "graphicsWithoutDesktop"},
    };
    std::set<std::string_view> seen;
    for (const auto& [id, name] : names) {
        EXPECT_EQ(CheckIdName(id), name);
        seen.insert(CheckIdName(id));
    }
    EXPECT_EQ(seen.size(), std::size(names));
    const std::pair<Severity, const char*> verdicts[] = {{1, "notMet"}, {2, "warning"}, {3, "met"},
                                                         {4, "met"},    {5, "warning"}, {6, "unknown"},
                                                         {0, "unknown"}};
    for (const auto& [severity, word] : verdicts)
        EXPECT_EQ(VerdictName(severity), word) << severity;
}

} // namespace
} // namespace Velkora

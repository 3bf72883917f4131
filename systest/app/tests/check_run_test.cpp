#include "check_run.h"

#include <gtest/gtest.h>

#include "fake_text_source.h"

namespace Velkora {
namespace {

// Checks that give preset results and record the order they were called in.
class FakeCheckSuite : public ICheckSuite {
  public:
    CheckResult os, processor, memory, disk, screen, video, card, driver, identical;
    bool cardListNotRead = false;
    bool graphicsRuns = true;
    bool listReplaced = false;
    bool desktop = true;
    std::vector<std::string> calls;

    void CheckOperatingSystem(CheckResult& r) override { Give("os", os, r); }
    void CheckProcessor(CheckResult& r) override { Give("processor", processor, r); }
    void CheckMemory(CheckResult& r) override { Give("memory", memory, r); }
    void CheckDiskSpace(CheckResult& r) override { Give("disk", disk, r); }
    void CheckScreen(CheckResult& r) override { Give("screen", screen, r); }
    bool HasUserDesktop() override { return desktop; }
    void StartGraphicsDiagnostics() override { calls.push_back("start"); }
    bool RunGraphicsDiagnostics() override {
        calls.push_back("graphics");
        return graphicsRuns;
    }
    void CheckVideoMemory(CheckResult& r) override { Give("video", video, r); }
    bool CheckCardListVerdict(CheckResult& c, CheckResult& d) override {
        calls.push_back("card");
        c = card;
        d = driver;
        return cardListNotRead;
    }
    void CheckAdaptersIdentical(CheckResult& r) override { Give("identical", identical, r); }
    bool ReplaceCardListForOlderWindows() override {
        calls.push_back("replace");
        if (repeat)
            diagnostics = *repeat;
        return listReplaced;
    }
    DiagnosticsRunFacts LastDiagnosticsRun() override { return diagnostics; }
    DiagnosticsRunFacts diagnostics;           // of the first run
    std::optional<DiagnosticsRunFacts> repeat; // of a repeat by the replacement

  private:
    void Give(const char* name, const CheckResult& preset, CheckResult& r) {
        calls.push_back(name);
        EXPECT_EQ(r.severity, 0);
        EXPECT_TRUE(r.text.empty());
        r = preset;
    }
};

// The labels carry the report's separator, as the language modules do.
FakeTextSource Texts() {
    return FakeTextSource{{904, L"[X] "},         {905, L"[!] "},
                          {906, L"[+] "},         {908, L"[?] "},
                          {970, L"%s not ready"}, {971, L"%s usable"},
                          {972, L"%s ready"},     {990, L"list replaced"},
                          {991, L"closing note"}, {994, L"stopped after %d s"},
                          {995, L"not started"},  {996, L"ended with 0x%s"},
                          {997, L"no adapter"},   {998, L"no system"},
                          {1114, L"no desktop"}};
}

CheckResult Met(const wchar_t* text) {
    return {3, text, L""};
}

DiagnosticsRunFacts Stopped(std::int32_t seconds) {
    return {DiagnosticsEnd::kStopped, -1, seconds};
}

struct Outcome {
    RunSummary summary;
    std::vector<ResultRow> rows;
    std::wstring report;
};

Outcome RunChecks(FakeCheckSuite& checks) {
    Outcome out;
    out.report = L"header\r\n";
    FakeTextSource texts = Texts();
    out.summary = RunAllChecks(
        checks, texts, L"Velkora 2018", [&](const ResultRow& row) { out.rows.push_back(row); }, out.report);
    return out;
}

// The diagnostics program starts before everything else, so that it runs while the other checks
// do; the graphics checks wait for it in their old place.
TEST(CheckRun, CallsEveryCheckInOrder) {
    FakeCheckSuite checks;
    RunChecks(checks);
    EXPECT_EQ(checks.calls, (std::vector<std::string>{"start", "os", "processor", "memory", "disk", "screen",
                                                      "graphics", "video", "card", "identical", "replace"}));
}

TEST(CheckRun, SkipsTheGraphicsChecksButNotTheReplacement) {
    FakeCheckSuite checks;
    checks.graphicsRuns = false;
    RunChecks(checks);
    EXPECT_EQ(checks.calls, (std::vector<std::string>{"start", "os", "processor", "memory", "disk", "screen",
                                                      "graphics", "replace"}));
}

// In a service session the diagnostics program is never started and the graphics give one
// counted warning of their own instead of any verdict, whatever they would have said.
TEST(CheckRun, WithoutADesktopTheGraphicsGiveOneCountedWarning) {
    FakeCheckSuite checks;
    checks.desktop = false;
    checks.os = Met(L"os ok");
    checks.card = {4, L"card ok", L""};
    checks.listReplaced = true;
    checks.diagnostics = {DiagnosticsEnd::kNotStarted, -1, std::nullopt};
    std::vector<std::string> steps;
    FakeTextSource texts = Texts();
    Outcome out;
    out.summary = RunAllChecks(
        checks, texts, L"Velkora 2018", [&](const ResultRow& row) { out.rows.push_back(row); }, out.report,
        [&](RunStep step) { steps.push_back(std::to_string(static_cast<int>(step))); });
    EXPECT_EQ(checks.calls, (std::vector<std::string>{"os", "processor", "memory", "disk", "screen"}));
    EXPECT_EQ(steps, (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    std::vector<CheckId> ids;
    for (const RunEntry& entry : out.summary.entries)
        ids.push_back(entry.id);
    EXPECT_EQ(ids, (std::vector<CheckId>{CheckId::kOperatingSystem, CheckId::kGraphicsWithoutDesktop,
                                         CheckId::kClosingNote}));
    ASSERT_EQ(out.summary.entries.size(), 3u);
    EXPECT_EQ(out.summary.entries[1].result.severity, kSeverityWarning);
    EXPECT_EQ(out.summary.entries[1].result.text, L"no desktop");
    EXPECT_TRUE(out.summary.entries[1].counts);
    EXPECT_EQ(out.summary.level, kSeverityWarning);
    EXPECT_EQ(out.summary.text, L"Velkora 2018 usable");
    EXPECT_EQ(out.report, L"[+] os ok\r\n[!] no desktop\r\n[!] closing note\r\n[!] Velkora 2018 usable\r\n");
}

// A progress display hears of each step just before its check, the graphics step once.
TEST(CheckRun, TellsEachStepAsItBegins) {
    FakeCheckSuite checks;
    FakeTextSource texts = Texts();
    std::wstring report;
    RunAllChecks(checks, texts, L"Velkora 2018", {}, report, [&](RunStep step) {
        checks.calls.push_back("step " + std::to_string(static_cast<int>(step)));
    });
    EXPECT_EQ(checks.calls,
              (std::vector<std::string>{"start", "step 0", "os", "step 1", "processor", "step 2", "memory",
                                        "step 3", "disk", "step 4", "screen", "step 5", "graphics", "video",
                                        "card", "identical", "replace"}));
}

TEST(CheckRun, AllMetButTheClosingNoteSumsUpAsMet) {
    FakeCheckSuite checks;
    checks.os = Met(L"os ok");
    checks.processor = {4, L"cpu ok", L""};
    // The graphics checks ran but had nothing to report.
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 3);
    EXPECT_EQ(out.summary.icon, 2);
    EXPECT_EQ(out.summary.label, L"[+]"); // the bare word: the separator belongs to the report
    EXPECT_EQ(out.summary.text, L"Velkora 2018 ready");
    ASSERT_EQ(out.rows.size(), 3u);
    EXPECT_EQ(out.rows.back().description, L"closing note");
    EXPECT_EQ(out.rows.back().image, 1);
    EXPECT_EQ(out.report,
              L"header\r\n[+] os ok\r\n[+] cpu ok\r\n[!] closing note\r\n[+] Velkora 2018 ready\r\n");
}

TEST(CheckRun, OneUnmetCheckAnywhereDecidesTheSummary) {
    FakeCheckSuite checks;
    checks.os = Met(L"os");
    checks.identical = {1, L"differ", L"differ (report)"};
    checks.listReplaced = true;
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 1);
    EXPECT_EQ(out.summary.icon, 0);
    EXPECT_EQ(out.summary.label, L"[X]");
    EXPECT_EQ(out.summary.text, L"Velkora 2018 not ready");
    // The identical-adapter check writes its own report text; the notes come last.
    EXPECT_EQ(out.report,
              L"header\r\n[+] os\r\n[X] differ (report)\r\n[!] list replaced\r\n[!] closing note\r\n"
              L"[X] Velkora 2018 not ready\r\n");
}

TEST(CheckRun, NothingCountedLeavesTheStartValue) {
    FakeCheckSuite checks; // every check drops itself, but for a verdict that is no level at all
    checks.os = {7, L"odd", L""};
    checks.processor = {-3, L"dropped", L"dropped"};
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 6);
    EXPECT_EQ(out.summary.icon, 0);
    EXPECT_EQ(out.summary.label, L"[?]");
    EXPECT_EQ(out.summary.text, L"Velkora 2018 not ready");
    ASSERT_EQ(out.rows.size(), 2u); // the odd one and the closing note
    EXPECT_EQ(out.report, L"header\r\n[?] odd\r\n[!] closing note\r\n[?] Velkora 2018 not ready\r\n");
}

// Where a check could not be done, one counted warning says what was not checked, so that the
// summary is never "met" for something nobody looked at.
TEST(CheckRun, WhatCouldNotBeCheckedIsACountedWarning) {
    struct Case {
        const char* what;
        CheckResult os;
        DiagnosticsRunFacts diagnostics;
        bool inventoryDone;
        Severity processor;
        std::wstring rows; // the report's rows between header and closing note
        Severity summary;
    };
    const DiagnosticsRunFacts verdict{};
    const Case cases[] = {
        {"all checked", Met(L"os"), verdict, true, 4, L"[+] os|[+] cpu|[+] vram|", 3},
        {"diagnostics missing",
         Met(L"os"),
         {DiagnosticsEnd::kNotStarted, -1, 120},
         true,
         4,
         L"[+] os|[+] cpu|[!] not started|[+] vram|",
         2},
        {"diagnostics crashed",
         Met(L"os"),
         {DiagnosticsEnd::kEndedAbnormally, static_cast<std::int32_t>(0xC0000374), {}},
         true,
         4,
         L"[+] os|[+] cpu|[!] ended with 0xc0000374|[+] vram|",
         2},
        {"diagnostics stopped", Met(L"os"), Stopped(30), true, 4,
         L"[+] os|[+] cpu|[!] stopped after 30 s|[+] vram|", 2},
        {"inventory failed", Met(L"os"), verdict, false, 4, L"[+] os|[+] cpu|[!] no adapter|", 2},
        {"both",
         Met(L"os"),
         {DiagnosticsEnd::kNotStarted, -1, {}},
         false,
         4,
         L"[+] os|[+] cpu|[!] not started|[!] no adapter|",
         2},
        {"no operating system", {}, verdict, true, 4, L"[!] no system|[+] cpu|[+] vram|", 2},
        {"unknown support letter", {0, L"", L""}, verdict, true, 3, L"[!] no system|[+] cpu|[+] vram|", 2},
        {"a requirement not met still decides",
         Met(L"os"),
         {DiagnosticsEnd::kNotStarted, -1, {}},
         false,
         1,
         L"[+] os|[X] cpu|[!] not started|[!] no adapter|",
         1},
    };
    for (const Case& c : cases) {
        FakeCheckSuite checks;
        checks.os = c.os;
        checks.processor = {c.processor, L"cpu", L""};
        checks.video = {3, L"vram", L""};
        checks.diagnostics = c.diagnostics;
        checks.graphicsRuns = c.inventoryDone;
        Outcome out = RunChecks(checks);
        std::wstring rows;
        for (const RunEntry& entry : out.summary.entries) {
            if (entry.id == CheckId::kClosingNote)
                continue;
            rows += entry.row.label + L" " + entry.result.reportText + L"|";
            // Every one of them counts; only the notes do not.
            EXPECT_TRUE(entry.counts) << c.what;
        }
        EXPECT_EQ(rows, c.rows) << c.what;
        EXPECT_EQ(out.summary.level, c.summary) << c.what;
    }
}

TEST(CheckRun, EachThingNotCheckedHasItsOwnId) {
    FakeCheckSuite checks;
    checks.diagnostics = {DiagnosticsEnd::kEndedAbnormally, 5, {}};
    checks.graphicsRuns = false;
    Outcome out = RunChecks(checks);
    std::vector<CheckId> ids;
    for (const RunEntry& entry : out.summary.entries)
        ids.push_back(entry.id);
    EXPECT_EQ(ids, (std::vector<CheckId>{CheckId::kOperatingSystemNotIdentified,
                                         CheckId::kDiagnosticsEndedAbnormally, CheckId::kAdapterNotIdentified,
                                         CheckId::kClosingNote}));
    EXPECT_EQ(out.summary.entries[1].result.text, L"ended with 0x5");
}

// A card row that stands for an unusable card list keeps its place but has an id of its own, and
// counts: the summary can no longer be "met".
TEST(CheckRun, UnreadCardListIsACountedRowOfItsOwn) {
    FakeCheckSuite checks;
    checks.os = Met(L"os ok");
    checks.card = {2, L"no list", L"no list"};
    checks.cardListNotRead = true;
    Outcome out = RunChecks(checks);
    std::vector<CheckId> ids;
    for (const RunEntry& entry : out.summary.entries)
        ids.push_back(entry.id);
    EXPECT_EQ(ids, (std::vector<CheckId>{CheckId::kOperatingSystem, CheckId::kCardListNotRead,
                                         CheckId::kClosingNote}));
    EXPECT_TRUE(out.summary.entries[1].counts);
    EXPECT_EQ(out.summary.level, kSeverityWarning);
}

TEST(CheckRun, CardVerdictGivesItsResultsInOrder) {
    struct Case {
        CheckResult card, driver;
        std::vector<std::wstring> descriptions; // rows before the closing note
    };
    const Case cases[] = {
        {{}, {2, L"driver", L"driver"}, {L"os", L"driver"}},
        {{2, L"card", L"card"}, {2, L"driver", L"driver"}, {L"os", L"card", L"driver"}},
        {{4, L"card", L"card report"}, {}, {L"os", L"card"}},
    };
    for (const Case& c : cases) {
        FakeCheckSuite checks;
        checks.os = Met(L"os");
        checks.card = c.card;
        checks.driver = c.driver;
        Outcome out = RunChecks(checks);
        std::vector<std::wstring> descriptions;
        for (std::size_t i = 0; i + 1 < out.rows.size(); ++i)
            descriptions.push_back(out.rows[i].description);
        EXPECT_EQ(descriptions, c.descriptions);
        EXPECT_EQ(out.summary.entries.size(), out.rows.size());
    }
}

TEST(CheckRun, NotesNeverChangeTheSummaryAndEntriesKeepTheirIds) {
    FakeCheckSuite checks;
    checks.os = {4, L"os", L""};
    checks.video = {4, L"vram", L"ignored: same text"};
    checks.listReplaced = true;
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 4);
    ASSERT_EQ(out.summary.entries.size(), 4u);
    EXPECT_EQ(out.summary.entries[0].id, CheckId::kOperatingSystem);
    EXPECT_EQ(out.summary.entries[1].id, CheckId::kVideoMemory);
    EXPECT_EQ(out.summary.entries[1].result.reportText, L"vram");
    EXPECT_EQ(out.summary.entries[2].id, CheckId::kListReplaced);
    EXPECT_EQ(out.summary.entries[3].id, CheckId::kClosingNote);
    // Exactly one summary line, at the end.
    const std::wstring last = L"[+] Velkora 2018 ready\r\n";
    EXPECT_EQ(out.report.substr(out.report.size() - last.size()), last);
    EXPECT_EQ(out.report.find(L"ready"), out.report.size() - last.size() + 17);
}

TEST(CheckRun, StoppedDiagnosticsGiveOneCountedWarningBeforeTheGraphicsRows) {
    FakeCheckSuite checks;
    checks.os = Met(L"os");
    checks.video = {3, L"vram", L""};
    checks.diagnostics = Stopped(120);
    checks.repeat = Stopped(120); // still the one row
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 2);
    EXPECT_EQ(out.report, L"header\r\n[+] os\r\n[!] stopped after 120 s\r\n[+] vram\r\n[!] closing note\r\n"
                          L"[!] Velkora 2018 usable\r\n");
    ASSERT_EQ(out.summary.entries.size(), 4u);
    EXPECT_EQ(out.summary.entries[1].id, CheckId::kDiagnosticsTimeout);
    EXPECT_TRUE(out.summary.entries[1].counts);
    EXPECT_EQ(out.summary.entries[1].label, L"[!]");
    EXPECT_FALSE(out.summary.entries[3].counts);
}

// The rows shown come from the first run of the diagnostics; a repeat after the list swap that
// gives no verdict must not add a diagnostics row that contradicts them.
TEST(CheckRun, ARepeatWithoutVerdictAddsNoRow) {
    const DiagnosticsRunFacts repeats[] = {
        Stopped(5),
        {DiagnosticsEnd::kEndedAbnormally, -1, {}},
        {DiagnosticsEnd::kNotStarted, -1, {}},
        {},
    };
    for (const DiagnosticsRunFacts& repeat : repeats) {
        FakeCheckSuite checks;
        checks.os = Met(L"os");
        checks.card = {4, L"card supported", L"card supported"};
        checks.repeat = repeat;
        Outcome out = RunChecks(checks);
        EXPECT_EQ(out.report, L"header\r\n[+] os\r\n[+] card supported\r\n[!] closing note\r\n"
                              L"[+] Velkora 2018 ready\r\n");
    }
}

// A cancel stops the run where it is: no further step, no list swap, no repeat, no row.
TEST(CheckRun, ACancelStopsTheRunAtTheNextStep) {
    struct Case {
        const char* cancelAfter; // the last call before the user cancels
        std::vector<std::string> calls;
        std::size_t rows;
    };
    const Case cases[] = {
        {"start", {"start"}, 0},
        {"memory", {"start", "os", "processor", "memory"}, 3},
        // Cancelled while the diagnostics ran: what they left is not judged.
        {"graphics", {"start", "os", "processor", "memory", "disk", "screen", "graphics"}, 5},
        {"replace",
         {"start", "os", "processor", "memory", "disk", "screen", "graphics", "video", "card", "identical",
          "replace"},
         5},
    };
    for (const Case& c : cases) {
        FakeCheckSuite checks;
        for (CheckResult* r : {&checks.os, &checks.processor, &checks.memory, &checks.disk, &checks.screen})
            *r = Met(L"met");
        checks.listReplaced = true;
        std::wstring report;
        FakeTextSource texts = Texts();
        std::size_t rows = 0;
        RunSummary summary = RunAllChecks(
            checks, texts, L"Velkora 2018", [&](const ResultRow&) { ++rows; }, report, {},
            [&] { return !checks.calls.empty() && checks.calls.back() == c.cancelAfter; });
        EXPECT_TRUE(summary.cancelled) << c.cancelAfter;
        EXPECT_EQ(checks.calls, c.calls) << c.cancelAfter;
        EXPECT_EQ(rows, c.rows) << c.cancelAfter;
        EXPECT_EQ(summary.entries.size(), c.rows) << c.cancelAfter;
    }
}

} // namespace
} // namespace Velkora

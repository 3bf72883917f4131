#include "check_run.h"

#include <gtest/gtest.h>

#include "fake_text_source.h"

namespace Velkora {
namespace {

// Checks that give preset results and record the order they were called in.
class FakeCheckSuite : public ICheckSuite {
public:
    CheckResult os, processor, memory, disk, screen, video, card, driver, identical;
    bool graphicsRuns = true;
    bool listReplaced = false;
    std::vector<std::string> calls;

    void CheckOperatingSystem(CheckResult& r) override { Give("os", os, r); }
    void CheckProcessor(CheckResult& r) override { Give("processor", processor, r); }
    void CheckMemory(CheckResult& r) override { Give("memory", memory, r); }
    void CheckDiskSpace(CheckResult& r) override { Give("disk", disk, r); }
    void CheckScreen(CheckResult& r) override { Give("screen", screen, r); }
    bool RunGraphicsDiagnostics() override {
        calls.push_back("graphics");
        return graphicsRuns;
    }
    void CheckVideoMemory(CheckResult& r) override { Give("video", video, r); }
    void CheckCardListVerdict(CheckResult& c, CheckResult& d) override {
        calls.push_back("card");
        c = card;
        d = driver;
    }
    void CheckAdaptersIdentical(CheckResult& r) override { Give("identical", identical, r); }
    bool ReplaceCardListForOlderWindows() override {
        calls.push_back("replace");
        if (stopInRepeat) stoppedAt = stopInRepeat;
        return listReplaced;
    }
    std::optional<std::int32_t> DiagnosticsStoppedAtLimit() override { return stoppedAt; }
    std::optional<std::int32_t> stoppedAt, stopInRepeat;

private:
    void Give(const char* name, const CheckResult& preset, CheckResult& r) {
        calls.push_back(name);
        EXPECT_EQ(r.severity, 0);
        EXPECT_TRUE(r.text.empty());
        r = preset;
    }
};

FakeTextSource Texts() {
    return FakeTextSource{{904, L"[X] "}, {905, L"[!] "}, {906, L"[+] "}, {908, L"[?] "},
                          {970, L"%s not ready"}, {971, L"%s usable"}, {972, L"%s ready"},
                          {990, L"list replaced"}, {991, L"closing note"}, {994, L"stopped after %d s"}};
}

CheckResult Met(const wchar_t* text) { return {3, text, L""}; }

struct Outcome {
    RunSummary summary;
    std::vector<ResultRow> rows;
    std::wstring report;
};

Outcome RunChecks(FakeCheckSuite& checks) {
    Outcome out;
    out.report = L"header\r\n";
    FakeTextSource texts = Texts();
    out.summary = RunAllChecks(checks, texts, L"Velkora 2018",
                               [&](const ResultRow& row) { out.rows.push_back(row); }, out.report);
    return out;
}

TEST(CheckRun, CallsEveryCheckInOrder) {
    FakeCheckSuite checks;
    RunChecks(checks);
    EXPECT_EQ(checks.calls, (std::vector<std::string>{"os", "processor", "memory", "disk", "screen", "graphics",
                                                      "video", "card", "identical", "replace"}));
}

TEST(CheckRun, SkipsTheGraphicsChecksButNotTheReplacement) {
    FakeCheckSuite checks;
    checks.graphicsRuns = false;
    RunChecks(checks);
    EXPECT_EQ(checks.calls,
              (std::vector<std::string>{"os", "processor", "memory", "disk", "screen", "graphics", "replace"}));
}

TEST(CheckRun, AllMetButTheClosingNoteSumsUpAsMet) {
    FakeCheckSuite checks;
    checks.os = Met(L"os ok");
    checks.processor = {4, L"cpu ok", L""};
    checks.graphicsRuns = false;
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 3);
    EXPECT_EQ(out.summary.icon, 2);
    EXPECT_EQ(out.summary.label, L"[+] ");
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
    EXPECT_EQ(out.summary.label, L"[X] ");
    EXPECT_EQ(out.summary.text, L"Velkora 2018 not ready");
    // The identical-adapter check writes its own report text; the notes come last.
    EXPECT_EQ(out.report, L"header\r\n[+] os\r\n[X] differ (report)\r\n[!] list replaced\r\n[!] closing note\r\n"
                          L"[X] Velkora 2018 not ready\r\n");
}

TEST(CheckRun, NothingCountedLeavesTheStartValue) {
    FakeCheckSuite checks; // every check drops itself
    checks.processor = {-3, L"dropped", L"dropped"};
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 6);
    EXPECT_EQ(out.summary.icon, 0);
    EXPECT_EQ(out.summary.label, L"[?] ");
    EXPECT_EQ(out.summary.text, L"Velkora 2018 not ready");
    ASSERT_EQ(out.rows.size(), 1u); // the closing note alone
    EXPECT_EQ(out.report, L"header\r\n[!] closing note\r\n[?] Velkora 2018 not ready\r\n");
}

TEST(CheckRun, CardVerdictGivesItsResultsInOrder) {
    struct Case {
        CheckResult card, driver;
        std::vector<std::wstring> descriptions; // rows before the closing note
    };
    const Case cases[] = {
        {{}, {2, L"driver", L"driver"}, {L"driver"}},
        {{2, L"card", L"card"}, {2, L"driver", L"driver"}, {L"card", L"driver"}},
        {{4, L"card", L"card report"}, {}, {L"card"}},
    };
    for (const Case& c : cases) {
        FakeCheckSuite checks;
        checks.card = c.card;
        checks.driver = c.driver;
        Outcome out = RunChecks(checks);
        std::vector<std::wstring> descriptions;
        for (std::size_t i = 0; i + 1 < out.rows.size(); ++i) descriptions.push_back(out.rows[i].description);
        EXPECT_EQ(descriptions, c.descriptions);
        EXPECT_EQ(out.summary.entries.size(), out.rows.size());
    }
}

TEST(CheckRun, NotesNeverChangeTheSummaryAndEntriesKeepTheirIds) {
    FakeCheckSuite checks;
    checks.video = {4, L"vram", L"ignored: same text"};
    checks.listReplaced = true;
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 4);
    ASSERT_EQ(out.summary.entries.size(), 3u);
    EXPECT_EQ(out.summary.entries[0].id, CheckId::VideoMemory);
    EXPECT_EQ(out.summary.entries[0].result.reportText, L"vram");
    EXPECT_EQ(out.summary.entries[1].id, CheckId::ListReplaced);
    EXPECT_EQ(out.summary.entries[2].id, CheckId::ClosingNote);
    // Exactly one summary line, at the end.
    const std::wstring last = L"[+] Velkora 2018 ready\r\n";
    EXPECT_EQ(out.report.substr(out.report.size() - last.size()), last);
    EXPECT_EQ(out.report.find(L"ready"), out.report.size() - last.size() + 17);
}

TEST(CheckRun, StoppedDiagnosticsGiveOneCountedWarningBeforeTheGraphicsRows) {
    FakeCheckSuite checks;
    checks.os = Met(L"os");
    checks.video = {3, L"vram", L""};
    checks.stoppedAt = 120;
    checks.stopInRepeat = 120; // still the one row
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.summary.level, 2);
    EXPECT_EQ(out.report, L"header\r\n[+] os\r\n[!] stopped after 120 s\r\n[+] vram\r\n[!] closing note\r\n"
                          L"[!] Velkora 2018 usable\r\n");
    ASSERT_EQ(out.summary.entries.size(), 4u);
    EXPECT_EQ(out.summary.entries[1].id, CheckId::DiagnosticsTimeout);
    EXPECT_TRUE(out.summary.entries[1].counts);
    EXPECT_EQ(out.summary.entries[1].label, L"[!] ");
    EXPECT_FALSE(out.summary.entries[3].counts);
}

TEST(CheckRun, AStoppedRepeatIsReportedAfterTheReplacement) {
    FakeCheckSuite checks;
    checks.graphicsRuns = false;
    checks.stopInRepeat = 5;
    Outcome out = RunChecks(checks);
    EXPECT_EQ(out.report,
              L"header\r\n[!] stopped after 5 s\r\n[!] closing note\r\n[!] Velkora 2018 usable\r\n");
}

} // namespace
} // namespace Velkora

#include "site_summary.h"

#include <gtest/gtest.h>

#include "result_document_read.h"
#include "summary_fixtures.h"

namespace Velkora {
namespace {

using namespace SummaryFixtures;

MachineResult Machine(const wchar_t* name, LocalDateTime at, const RunSummary& run,
                      const wchar_t* card = L"Radeon Pro W6600",
                      DriverVersionParts driver = {31, 0, 21, 912}) {
    auto read = ReadResultDocument(Document(name, at, run, card, driver), "x.json");
    EXPECT_TRUE(std::holds_alternative<MachineResult>(read));
    return std::get<MachineResult>(std::move(read));
}

const RunSummary kReady = RunOf({{CheckId::kGraphicsCard, kSeverityMet, L"ok"}});
const RunSummary kNotReady = RunOf({{CheckId::kGraphicsCard, kSeverityNotMet, L"card"},
                                    {CheckId::kMemory, kSeverityNotMet, L"memory"},
                                    {CheckId::kScreen, kSeverityWarning, L"screen"}});
const RunSummary kNotReadyOnce = RunOf({{CheckId::kMemory, kSeverityNotMet, L"memory"}});
const RunSummary kWarned = RunOf({{CheckId::kGraphicsDriver, kSeverityWarning, L"driver"},
                                  {CheckId::kClosingNote, kSeverityWarning, L"note", false}});
const RunSummary kNothing = RunOf({});

std::vector<std::string> Names(const std::vector<const MachineResult*>& machines) {
    std::vector<std::string> names;
    for (const MachineResult* m : machines)
        names.push_back(m->Cell(0));
    return names;
}

TEST(SiteSummary, AMachineCountsOnceWithItsLatestRunByInstant) {
    CSiteSummary site;
    // The Tokyo run reads later on the clock but happened first.
    site.Add(Machine(L"ws-1", {2026, 12, 1, 9, 0, 0, 60}, kNotReady));  // 08:00 UTC
    site.Add(Machine(L"WS-1", {2026, 12, 1, 16, 30, 0, 540}, kWarned)); // 07:30 UTC
    site.Add(Machine(L"Ws-1", {2026, 12, 1, 3, 0, 0, -300}, kReady));   // 08:00 UTC: a tie, added last
    site.Add(Machine(L"WS-2", {2026, 12, 1, 8, 0, 0, 0}, kWarned));
    site.Add(Machine(L"WS-2", {2026, 11, 30, 8, 0, 0, 0}, kNotReady));
    const SiteFigures figures = site.Figures();
    EXPECT_EQ(figures.machines, 2);
    ASSERT_EQ(site.Machines().size(), 2u);
    EXPECT_EQ(site.Machines()[0].Cell(0), "Ws-1");
    EXPECT_EQ(site.Machines()[0].state, MachineState::kReady);
    EXPECT_EQ(site.Machines()[1].state, MachineState::kWarnings) << "an older run does not replace a newer";
}

TEST(SiteSummary, FiguresOfASite) {
    CSiteSummary site;
    site.Add(Machine(L"A-READY", {2026, 12, 1}, kReady, L"Radeon Pro W6600"));
    site.Add(Machine(L"B-WARN", {2026, 12, 1}, kWarned, L"Radeon Pro W6600"));
    site.Add(Machine(L"C-NOT", {2026, 12, 1}, kNotReadyOnce, L"Quadro", {2, 0, 0, 1}));
    site.Add(Machine(L"D-NOT", {2026, 12, 1}, kNotReady, L"Quadro", {2, 0, 0, 1}));
    site.Add(Machine(L"E-NOTHING", {2026, 12, 1}, kNothing, L""));
    site.Skip({"bad.json", SkipReason::kNotJson, 0});
    const SiteFigures f = site.Figures();
    EXPECT_EQ(f.machines, 5);
    EXPECT_EQ(f.Count(MachineState::kReady), 1);
    EXPECT_EQ(f.Count(MachineState::kWarnings), 1);
    EXPECT_EQ(f.Count(MachineState::kNotReady), 2);
    EXPECT_EQ(f.Count(MachineState::kNotJudged), 1);
    // Worst first: not ready (more failed checks first), not judged, warnings; ready ones not at all.
    EXPECT_EQ(Names(f.attention), (std::vector<std::string>{"D-NOT", "C-NOT", "E-NOTHING", "B-WARN"}));
    // Bars in the table's order of checks; the closing note is no check.
    std::vector<std::tuple<std::string, int, int>> bars;
    for (const CheckBar& bar : f.bars)
        bars.emplace_back(bar.id, bar.failed, bar.warned);
    EXPECT_EQ(bars,
              (std::vector<std::tuple<std::string, int, int>>{
                  {"memory", 2, 0}, {"screen", 0, 1}, {"graphicsCard", 1, 0}, {"graphicsDriver", 0, 1}}));
    std::vector<std::tuple<std::string, std::string, Verdict, int>> graphics;
    for (const GraphicsGroup& g : f.graphics)
        graphics.emplace_back(g.caption, g.driverVersion, g.verdict, g.machines);
    EXPECT_EQ(graphics, (std::vector<std::tuple<std::string, std::string, Verdict, int>>{
                            {"", "31.0.21.912", Verdict::kUnknown, 1},
                            {"Quadro", "2.0.0.1", Verdict::kNotMet, 1},
                            {"Quadro", "2.0.0.1", Verdict::kUnknown, 1},
                            {"Radeon Pro W6600", "31.0.21.912", Verdict::kWarning, 1},
                            {"Radeon Pro W6600", "31.0.21.912", Verdict::kMet, 1}}));
    ASSERT_EQ(f.skipped->size(), 1u);
}

TEST(SiteSummary, CheckerVersionsNewestFirstByTheirNumbers) {
    CSiteSummary site;
    const char* versions[] = {"1.9.0.0", "1.10.0.0", "", "1.10.0.0", "1.2.0.0"};
    int n = 0;
    for (const char* version : versions) {
        MachineResult m = Machine(L"WS", {2026, 12, 1}, kReady);
        m.cells[0].text = "WS-" + std::to_string(n++);
        m.cells[TableColumn("checkerVersion")].text = version;
        site.Add(std::move(m));
    }
    std::vector<std::pair<std::string, int>> seen;
    for (const VersionCount& v : site.Figures().versions)
        seen.emplace_back(v.version, v.machines);
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, int>>{
                        {"1.10.0.0", 2}, {"1.9.0.0", 1}, {"1.2.0.0", 1}, {"", 1}}));
}

} // namespace
} // namespace Velkora

#include "graphics_verdicts.h"
#include <optional>

#include <gtest/gtest.h>

#include "fake_text_source.h"
#include "graphics_fakes.h"

namespace Velkora {
namespace {

constexpr std::uint32_t kPrimary = kDisplayAttachedToDesktop | kDisplayPrimaryDevice;
const std::wstring kPnp = L"PCI\\VEN_1002&DEV_67DF&SUBSYS_00000000&REV_E7\\4&2";
const std::wstring kId = L"PCI\\VEN_1002&DEV_67DF&SUBSYS_00000000&REV_E7";

FakeTextSource Texts() {
    return FakeTextSource{{940, L"940 %s / %s"},
                          {941, L"941 %s / %s"},
                          {980, L"980 %s"},
                          {981, L"981"},
                          {982, L"982 %s"},
                          {983, L"983 %d.%d %d.%d"},
                          {984, L"984 %d.%d %d.%d"},
                          {985, L"985"},
                          {987, L"987"},
                          {988, L"988"},
                          {989, L"989"},
                          {992, L"992(%d)"},
                          {993, L"993(%d)"},
                          {999, L"999"},
                          {1111, L"1111 %s"},
                          {1112, L"1112"},
                          {1113, L"1113"}};
}

// The graphics checks over fakes: one AMD adapter on the primary display, driver 27.20.100.8681.
class GraphicsChecksFixture {
  public:
    GraphicsChecksFixture() {
        facts.query.controllers = {Controller(kPnp, L"AMD Radeon RX 580", L"27.20.100.8681", 8u << 30)};
        facts.devices = {Device(kPrimary, kId)};
    }
    CGraphicsChecks Checks(bool verbose = false) {
        return CGraphicsChecks(state, GraphicsServices{boxes, launcher, facts, files, version, verbose},
                               texts, L"Velkora 2018");
    }

    GraphicsCheckState state;
    FakeMessageBoxes boxes;
    FakeLauncher launcher;
    FakeGraphicsFacts facts;
    FakeCardListFiles files;
    FakeWindowsVersion version;
    FakeTextSource texts = Texts();
};

struct VerdictCase {
    std::int32_t exitCode;
    const wchar_t* listCode; // nullptr: no entry names the adapter
    Severity cardSeverity;
    const wchar_t* cardText;
    const wchar_t* cardReportText;
    Severity driverSeverity;
    const wchar_t* driverText;
};

void PrintTo(const VerdictCase& c, std::ostream* os) {
    *os << "exit " << c.exitCode << " list "
        << (c.listCode ? testing::PrintToString(std::wstring(c.listCode)) : "none");
}

class CheckCardListVerdictTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(CheckCardListVerdictTest, ByDiagnosticsCodeAndListCode) {
    const VerdictCase& c = GetParam();
    GraphicsChecksFixture f;
    f.launcher.exitCodes = {c.exitCode};
    std::vector<std::wstring> list = {L"# header", L"radeon rx 570,1.0,20170101,NG"};
    if (c.listCode)
        list.push_back(std::wstring(L"radeon rx 580,24.20,20170101,") + c.listCode);
    f.files.files[L"GraphicsCardGBList.txt"] = list;
    CGraphicsChecks checks = f.Checks();
    ASSERT_TRUE(checks.RunGraphicsDiagnostics());

    CheckResult card{9, L"stale", L"stale"}, driver{9, L"stale", L"stale"};
    checks.CheckCardListVerdict(card, driver);
    EXPECT_EQ(card.severity, c.cardSeverity);
    EXPECT_EQ(card.text, c.cardText);
    EXPECT_EQ(card.reportText, c.cardReportText);
    EXPECT_EQ(driver.severity, c.driverSeverity);
    EXPECT_EQ(driver.text, c.driverText);
    EXPECT_EQ(driver.reportText, driver.text);
    EXPECT_EQ(f.files.opened, std::vector<std::wstring>{L"GraphicsCardGBList.txt"});
}

// One row: an exit code, the list codes it holds for, and what the rows say. Every exit code is
// tried with every list code: "NG", "GD", "GL", "CD", an unknown "XY" and no entry at all.
struct VerdictRow {
    std::int32_t exitCode;
    std::vector<const wchar_t*> listCodes;
    Severity cardSeverity;
    const wchar_t* cardText;
    const wchar_t* cardReportText;
    Severity driverSeverity;
    const wchar_t* driverText;
};

std::vector<VerdictCase> VerdictCases() {
    const std::vector<const wchar_t*> every = {L"NG", L"GD", L"GL", L"CD", L"XY", nullptr};
    const std::vector<const wchar_t*> notGd = {L"NG", L"GL", L"CD", L"XY", nullptr};
    const wchar_t* const notCertified = L"980 AMD Radeon RX 580";
    const VerdictRow rows[] = {
        {0, every, 2, notCertified, notCertified, 0, L""},
        {1, every, 2, notCertified, notCertified, 0, L""},
        {2, {L"GD"}, 0, L"", L"", 2, L"983 24.20 27.20"},
        {2, {L"GL", L"CD"}, 2, L"984 27.20 24.20", L"984 27.20 24.20", 0, L""},
        {2, {L"NG", L"XY", nullptr}, 2, notCertified, notCertified, 0, L""},
        // Only "supported" with a "GD" entry reports something else than it lists.
        {3, {L"GD"}, 2, L"981", L"982 Velkora 2018", 0, L""},
        {3, notGd, 4, L"985", L"985", 0, L""},
        {11, {L"GD"}, 2, L"981", L"982 Velkora 2018", 0, L""}, // OpenGL 4.2 level
        {11, notGd, 4, L"985", L"985", 0, L""},
        {4, every, 4, L"989", L"989", 0, L""},
        {12, every, 4, L"989", L"989", 0, L""},
        {5, every, 0, L"", L"", 0, L""},
        {6, every, 0, L"", L"", 0, L""},
        {7, every, 0, L"", L"", 0, L""},
        {-1, every, 0, L"", L"", 0, L""}, // could not be started, or ended with -1
        // No verdict codes: ended abnormally, whatever their low three bits say.
        {8, every, 0, L"", L"", 0, L""},
        {static_cast<std::int32_t>(0xC0000005), every, 0, L"", L"", 0, L""}, // access violation: 5
        {static_cast<std::int32_t>(0xC0000374), every, 0, L"", L"", 0, L""}, // heap corruption: 4
        {static_cast<std::int32_t>(0xC0000142), every, 0, L"", L"", 0, L""}, // a DLL failed to initialise: 2
        {static_cast<std::int32_t>(0xC0000409), every, 0, L"", L"", 0, L""}, // stack buffer overrun: 1
    };
    std::vector<VerdictCase> cases;
    for (const VerdictRow& row : rows) {
        for (const wchar_t* listCode : row.listCodes) {
            cases.push_back({row.exitCode, listCode, row.cardSeverity, row.cardText, row.cardReportText,
                             row.driverSeverity, row.driverText});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllCodes, CheckCardListVerdictTest, testing::ValuesIn(VerdictCases()));

// A card list that is missing, cannot be read whole, or holds no entry line checks the card
// against nothing: where the diagnostics call the card supported, the row says so instead.
TEST(CheckCardListVerdict, UnusableListIsAWarningWhereTheListWouldConfirm) {
    struct Case {
        const char* what;
        std::optional<std::vector<std::wstring>> list; // nullopt: no file
        bool failRead;
        std::int32_t exitCode;
        Severity severity;
        const wchar_t* text;
        bool notRead;
    };
    const std::vector<std::wstring> onlyComments = {L"# header", L"", L"not an entry", L"a,b,c"};
    const std::vector<std::wstring> otherCard = {L"# header", L"radeon rx 570,1.0,20170101,NG"};
    const Case cases[] = {
        {"missing", std::nullopt, false, 3, 2, L"1113", true},
        {"empty", std::vector<std::wstring>{}, false, 3, 2, L"1113", true},
        {"no entry line", onlyComments, false, 3, 2, L"1113", true},
        {"read fails", otherCard, true, 3, 2, L"1113", true},
        {"OpenGL 4.2 level, missing", std::nullopt, false, 11, 2, L"1113", true},
        // An entry for another card only: the list was read, and the card is simply not in it.
        {"entry for another card", otherCard, false, 3, 4, L"985", false},
        // Not vouched for anyway: the row needs no list.
        {"not supported, missing", std::nullopt, false, 1, 2, L"980 AMD Radeon RX 580", false},
        {"switchable, missing", std::nullopt, false, 4, 4, L"989", false},
    };
    for (const Case& c : cases) {
        GraphicsChecksFixture f;
        f.launcher.exitCodes = {c.exitCode};
        if (c.list)
            f.files.files[L"GraphicsCardGBList.txt"] = *c.list;
        f.files.failRead = c.failRead;
        CGraphicsChecks checks = f.Checks();
        ASSERT_TRUE(checks.RunGraphicsDiagnostics()) << c.what;
        CheckResult card, driver;
        EXPECT_EQ(checks.CheckCardListVerdict(card, driver), c.notRead) << c.what;
        EXPECT_EQ(card.severity, c.severity) << c.what;
        EXPECT_EQ(card.text, c.text) << c.what;
        EXPECT_EQ(card.reportText, c.text) << c.what;
        EXPECT_EQ(driver.severity, 0) << c.what;
    }
}

// No display device matched (remote and virtual display drivers, Wine): the caption is unknown,
// and the "not certified" sentence must not have a hole where it would stand.
TEST(CheckCardListVerdict, UnknownCaptionGetsASentenceOfItsOwn) {
    struct Case {
        std::int32_t exitCode;
        Severity severity;
        const wchar_t* text;
    };
    const Case cases[] = {{0, 2, L"999"}, {1, 2, L"999"}, {2, 2, L"999"}, {3, 4, L"985"}, {4, 4, L"989"}};
    for (const Case& c : cases) {
        GraphicsChecksFixture f;
        f.facts.devices.clear();
        f.launcher.exitCodes = {c.exitCode};
        f.files.files[L"GraphicsCardGBList.txt"] = {L"radeon,1.0,20170101,NG"};
        CGraphicsChecks checks = f.Checks();
        ASSERT_TRUE(checks.RunGraphicsDiagnostics());
        ASSERT_TRUE(f.state.info.caption.empty());
        CheckResult card, driver;
        checks.CheckCardListVerdict(card, driver);
        EXPECT_EQ(card.severity, c.severity) << c.exitCode;
        EXPECT_EQ(card.text, c.text) << c.exitCode;
        EXPECT_EQ(card.reportText, c.text) << c.exitCode;
    }
}

TEST(CheckCardListVerdict, NoDriverVersionGivesNothingAndReadsNoList) {
    GraphicsChecksFixture f;
    f.launcher.exitCodes = {3};
    f.facts.query.controllers[0].driverVersion = WmiValue::Null();
    CGraphicsChecks checks = f.Checks();
    ASSERT_TRUE(checks.RunGraphicsDiagnostics());
    EXPECT_TRUE(f.state.noDriverVersion);
    CheckResult card, driver, identical, memory;
    checks.CheckCardListVerdict(card, driver);
    checks.CheckAdaptersIdentical(identical);
    checks.CheckVideoMemory(memory);
    EXPECT_EQ(card.severity, 0);
    EXPECT_EQ(driver.severity, 0);
    EXPECT_EQ(identical.severity, 0);
    EXPECT_TRUE(f.files.opened.empty());
    EXPECT_EQ(memory.severity, 2);
    EXPECT_EQ(memory.text, L"988");
}

struct MemoryCase {
    std::uint32_t bytes;
    Severity severity;
    const wchar_t* text;
};

class CheckVideoMemoryTest : public testing::TestWithParam<MemoryCase> {};

TEST_P(CheckVideoMemoryTest, Boundaries) {
    GraphicsChecksFixture f;
    f.launcher.exitCodes = {3};
    f.facts.query.controllers[0].adapterRam = WmiValue::Number(GetParam().bytes);
    CGraphicsChecks checks = f.Checks();
    ASSERT_TRUE(checks.RunGraphicsDiagnostics());
    CheckResult result{9, L"stale", L"stale"};
    checks.CheckVideoMemory(result);
    EXPECT_EQ(result.severity, GetParam().severity);
    EXPECT_EQ(result.text, GetParam().text);
    EXPECT_EQ(result.reportText, GetParam().text);
}

constexpr std::uint32_t MiB(std::uint32_t n) {
    return n << 20;
}

INSTANTIATE_TEST_SUITE_P(MiB, CheckVideoMemoryTest,
                         testing::Values(MemoryCase{MiB(499), 1, L"940 AMD Radeon RX 580 / 993(512)"},
                                         MemoryCase{MiB(500) - 1, 1, L"940 AMD Radeon RX 580 / 993(512)"},
                                         MemoryCase{MiB(500), 2, L"940 AMD Radeon RX 580 / 992(1)"},
                                         MemoryCase{MiB(999), 2, L"940 AMD Radeon RX 580 / 992(1)"},
                                         MemoryCase{MiB(1000) - 1, 2, L"940 AMD Radeon RX 580 / 992(1)"},
                                         MemoryCase{MiB(1000), 3, L"941 AMD Radeon RX 580 / 992(1)"},
                                         MemoryCase{4294967295u, 3, L"941 AMD Radeon RX 580 / 992(1)"},
                                         MemoryCase{0, 2, L"1111 AMD Radeon RX 580"}));

// No display device belongs to the adapter (remote and virtual display drivers): nothing is
// known of it, so its memory is a warning of its own whatever the diagnostics said, also when
// they call the card supported.
TEST(CheckVideoMemory, AdapterNotFoundOnTheDisplayIsAWarningWhateverTheDiagnosticsSay) {
    for (std::int32_t code : {2, 3, 4}) {
        GraphicsChecksFixture f;
        f.launcher.exitCodes = {code};
        f.facts.devices = {Device(kPrimary, L"PCI\\VEN_10DE")};
        CGraphicsChecks checks = f.Checks();
        ASSERT_TRUE(checks.RunGraphicsDiagnostics());
        CheckResult memory{9, L"stale", L"stale"};
        checks.CheckVideoMemory(memory);
        EXPECT_EQ(memory.severity, 2) << code;
        EXPECT_EQ(memory.text, L"1112") << code;
        EXPECT_EQ(memory.reportText, L"1112") << code;
    }
}

TEST(CheckAdaptersIdentical, WarnsOnlyForDifferentAdapters) {
    GraphicsChecksFixture f;
    f.launcher.exitCodes = {3};
    CGraphicsChecks checks = f.Checks();
    ASSERT_TRUE(checks.RunGraphicsDiagnostics());
    CheckResult result;
    checks.CheckAdaptersIdentical(result);
    EXPECT_EQ(result.severity, 0);
    f.facts.query.controllers.push_back(Controller(kId + L"\\9", L"AMD Radeon RX 570"));
    f.facts.devices.push_back(Device(kDisplayAttachedToDesktop, kId + L"\\9"));
    ASSERT_TRUE(checks.RunGraphicsDiagnostics());
    checks.CheckAdaptersIdentical(result);
    EXPECT_EQ(result.severity, 2);
    EXPECT_EQ(result.text, L"987");
    EXPECT_EQ(result.reportText, L"987");
}

TEST(RunGraphicsDiagnostics, StartsZentoliHiddenInANewConsoleAndWaits) {
    GraphicsChecksFixture f;
    f.launcher.exitCodes = {11};
    CGraphicsChecks checks = f.Checks(true);
    EXPECT_TRUE(checks.RunGraphicsDiagnostics());
    EXPECT_EQ(f.launcher.calls, std::vector<std::wstring>{L"Zentoli.exe"});
    EXPECT_FALSE(f.launcher.lastShowWindow);
    EXPECT_TRUE(f.launcher.lastNewConsole);
    EXPECT_TRUE(f.launcher.lastWait);
    EXPECT_EQ(f.state.diagnosticsCode, 3);
    ASSERT_EQ(f.boxes.shown.size(), 2u);
    EXPECT_EQ(f.boxes.shown[0], (ShownBox{L"Return value: 3", L"ZenToli.exe", true}));
    EXPECT_EQ(f.boxes.shown[1].title, L"Version");
}

TEST(RunGraphicsDiagnostics, InventoryResultDecides) {
    struct {
        void (*spoil)(VideoControllerFacts&);
        bool result;
        bool noDriverVersion;
    } cases[] = {
        {[](VideoControllerFacts&) {}, true, false},
        {[](VideoControllerFacts& c) { c.driverVersion = {}; }, true, true},
        {[](VideoControllerFacts& c) { c.caption = {}; }, false, false},
        {[](VideoControllerFacts& c) { c.adapterRam = {}; }, false, false},
        {[](VideoControllerFacts& c) { c.driverDate = {}; }, false, false},
    };
    for (const auto& c : cases) {
        GraphicsChecksFixture f;
        f.launcher.exitCodes = {3};
        f.state.noDriverVersion = true; // from an earlier run
        c.spoil(f.facts.query.controllers[0]);
        CGraphicsChecks checks = f.Checks();
        EXPECT_EQ(checks.RunGraphicsDiagnostics(), c.result);
        EXPECT_EQ(f.state.noDriverVersion, c.noDriverVersion);
    }
    GraphicsChecksFixture f;
    f.facts.query.succeeded = false;
    EXPECT_FALSE(f.Checks().RunGraphicsDiagnostics());
    EXPECT_EQ(f.state.diagnosticsCode, 7); // nothing could be started either
}

TEST(RunGraphicsDiagnostics, KeepsTheWholeExitCodeAndHowTheRunEnded) {
    struct {
        std::vector<std::int32_t> exitCodes;
        LaunchOutcome outcome;
        std::int32_t exitCode, code;
        LaunchOutcome recorded;
    } cases[] = {
        {{11}, LaunchOutcome::kEnded, 11, 3, LaunchOutcome::kEnded},
        {{-1}, LaunchOutcome::kEnded, -1, 7, LaunchOutcome::kEnded}, // a program may end with -1 itself
        {{static_cast<std::int32_t>(0xC0000374)},
         LaunchOutcome::kEnded,
         static_cast<std::int32_t>(0xC0000374),
         7,
         LaunchOutcome::kEnded},
        {{}, LaunchOutcome::kEnded, -1, 7, LaunchOutcome::kNotStarted},
        {{3}, LaunchOutcome::kStopped, -1, 7, LaunchOutcome::kStopped},
    };
    for (const auto& c : cases) {
        GraphicsChecksFixture f;
        f.launcher.exitCodes = c.exitCodes;
        f.launcher.outcome = c.outcome;
        EXPECT_TRUE(f.Checks().RunGraphicsDiagnostics());
        EXPECT_EQ(f.state.diagnosticsExitCode, c.exitCode);
        EXPECT_EQ(f.state.diagnosticsCode, c.code);
        EXPECT_EQ(f.state.diagnosticsOutcome, c.recorded);
    }
}

// Started early, the diagnostics program is waited for where a one-step run would start it: the
// same codes, the same adapter, the same boxes in the same order (the program's return value
// before the inventory's), the same verdicts; for every way the program can end.
TEST(RunGraphicsDiagnostics, StartedEarlyGivesWhatAWaitedRunGives) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> exitCodes;
        LaunchOutcome outcome;
    } cases[] = {
        {"verdict", {11}, LaunchOutcome::kEnded},
        {"old driver", {2}, LaunchOutcome::kEnded},
        {"crashed", {static_cast<std::int32_t>(0xC0000374)}, LaunchOutcome::kEnded},
        {"not started", {}, LaunchOutcome::kEnded},
        {"stopped at the limit", {3}, LaunchOutcome::kStopped},
    };
    struct Seen {
        bool judged;
        GraphicsCheckState state;
        std::vector<ShownBox> boxes;
        CheckResult memory, card, driver;
    };
    for (const Case& c : cases) {
        for (bool verbose : {false, true}) {
            auto run = [&](bool early) {
                GraphicsChecksFixture f;
                f.launcher.exitCodes = c.exitCodes;
                f.launcher.outcome = c.outcome;
                f.files.files[L"GraphicsCardGBList.txt"] = {L"AMD Radeon RX 580,20.0,20200101,GL"};
                CGraphicsChecks checks = f.Checks(verbose);
                if (early) {
                    checks.StartGraphicsDiagnostics();
                    checks.StartGraphicsDiagnostics(); // a second start changes nothing
                    EXPECT_EQ(f.launcher.startCalls, 1);
                    EXPECT_FALSE(f.launcher.startedShowWindow);
                    EXPECT_TRUE(f.launcher.startedNewConsole);
                }
                Seen seen{checks.RunGraphicsDiagnostics(), {}, {}, {}, {}, {}};
                EXPECT_FALSE(f.launcher.HasStartedProcess());
                checks.CheckVideoMemory(seen.memory);
                checks.CheckCardListVerdict(seen.card, seen.driver);
                seen.state = f.state;
                seen.boxes = f.boxes.shown;
                return seen;
            };
            const Seen waited = run(false), early = run(true);
            SCOPED_TRACE(std::string(c.name) + (verbose ? ", verbose" : ""));
            EXPECT_EQ(early.judged, waited.judged);
            EXPECT_EQ(early.state.diagnosticsExitCode, waited.state.diagnosticsExitCode);
            EXPECT_EQ(early.state.diagnosticsCode, waited.state.diagnosticsCode);
            EXPECT_EQ(early.state.diagnosticsOutcome, waited.state.diagnosticsOutcome);
            EXPECT_EQ(early.state.info.caption, waited.state.info.caption);
            EXPECT_EQ(early.state.info.driverVersion, waited.state.info.driverVersion);
            EXPECT_EQ(early.boxes, waited.boxes);
            for (auto [a, b] : {std::pair{&early.memory, &waited.memory},
                                {&early.card, &waited.card},
                                {&early.driver, &waited.driver}}) {
                EXPECT_EQ(a->severity, b->severity);
                EXPECT_EQ(a->text, b->text);
                EXPECT_EQ(a->reportText, b->reportText);
            }
        }
    }
}

TEST(ReplaceCardListForOlderWindows, NothingAfterAStoppedRun) {
    GraphicsChecksFixture f;
    f.launcher.exitCodes = {3};
    f.launcher.outcome = LaunchOutcome::kStopped;
    f.files.files[L"GraphicsCardGBList.txt"] = {L"in use"};
    f.files.files[L"GraphicsCardGBList_62.txt"] = {L"for older Windows"};
    CGraphicsChecks checks = f.Checks();
    ASSERT_TRUE(checks.RunGraphicsDiagnostics());
    EXPECT_FALSE(checks.ReplaceCardListForOlderWindows());
    EXPECT_EQ(f.launcher.calls.size(), 1u);
    EXPECT_EQ(f.files.files.count(L"GraphicsCardGBList_62.txt"), 1u);
    EXPECT_EQ(f.state.diagnosticsCode, 7);
}

struct ReplaceCase {
    const char* name;
    std::vector<std::int32_t> exitCodes; // first run, second run
    std::optional<WindowsVersionNumber> version;
    bool olderListExists;
    bool result;
    bool swapped;
    std::size_t runs;
    std::int32_t finalCode;
};

class ReplaceCardListTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceCardListTest, SwapsAndRepeatsOnlyOnOlderWindows) {
    const ReplaceCase& c = GetParam();
    GraphicsChecksFixture f;
    f.launcher.exitCodes = c.exitCodes;
    f.version.version = c.version;
    f.files.files[L"GraphicsCardGBList.txt"] = {L"in use"};
    if (c.olderListExists)
        f.files.files[L"GraphicsCardGBList_62.txt"] = {L"for older Windows"};
    const auto filesBefore = f.files.files;
    CGraphicsChecks checks = f.Checks();
    ASSERT_TRUE(checks.RunGraphicsDiagnostics());
    EXPECT_EQ(checks.ReplaceCardListForOlderWindows(), c.result);
    EXPECT_EQ(f.launcher.calls.size(), c.runs);
    EXPECT_EQ(f.state.diagnosticsCode, c.finalCode);
    EXPECT_EQ(std::wstring(checks.CardListInUse()),
              c.swapped ? L"GraphicsCardGBList_62.txt" : L"GraphicsCardGBList.txt");
    // Both lists stay as they were: other machines may read them from the same folder.
    EXPECT_EQ(f.files.files, filesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceCardListTest,
    testing::Values(
        ReplaceCase{"Win7SecondRunSupported", {2, 3}, WindowsVersionNumber{6, 1}, true, false, true, 2, 3},
        ReplaceCase{"Win7SecondRunNotSupported", {2, 0}, WindowsVersionNumber{6, 1}, true, true, true, 2, 0},
        ReplaceCase{"Win7SecondRunNotExamined", {7, 1}, WindowsVersionNumber{6, 1}, true, true, true, 2, 1},
        ReplaceCase{"VistaFailedStart", {-1, 2}, WindowsVersionNumber{6, 0}, true, false, true, 2, 2},
        ReplaceCase{"XpSupported", {3, 3}, WindowsVersionNumber{5, 2}, true, false, true, 2, 3},
        ReplaceCase{"Win8NoSwap", {2, 0}, WindowsVersionNumber{6, 2}, true, false, false, 1, 2},
        ReplaceCase{"Win81NoSwap", {2, 0}, WindowsVersionNumber{6, 3}, true, false, false, 1, 2},
        ReplaceCase{"Win10NoSwap", {3, 0}, WindowsVersionNumber{10, 0}, true, false, false, 1, 3},
        ReplaceCase{"NotSupportedNoSwap", {0, 3}, WindowsVersionNumber{6, 1}, true, false, false, 1, 0},
        ReplaceCase{"NotExaminedNoSwap", {1, 3}, WindowsVersionNumber{6, 1}, true, false, false, 1, 1},
        // A crash is no verdict: it is treated as a program that could not be started.
        ReplaceCase{"CrashedFirstRunSwaps", {9, 0}, WindowsVersionNumber{6, 1}, true, true, true, 2, 0},
        ReplaceCase{"CrashedRepeatGivesNoNote",
                    {2, static_cast<std::int32_t>(0xC0000409)},
                    WindowsVersionNumber{6, 1},
                    true,
                    false,
                    true,
                    2,
                    7},
        ReplaceCase{"VersionUnknownNoSwap", {2, 0}, std::nullopt, true, false, false, 1, 2},
        ReplaceCase{"NoOlderListKeepsTheListAndDoesNotRepeat",
                    {2, 0},
                    WindowsVersionNumber{6, 1},
                    false,
                    false,
                    false,
                    1,
                    2}),
    [](const auto& info) { return std::string(info.param.name); });

// The card verdict reads the list in use where it lies: the list for older Windows once it
// has replaced the other, else the usual list; the same verdict as the list would give under the
// usual name.
TEST(ReplaceCardListForOlderWindows, LaterChecksReadTheListInUse) {
    struct Case {
        const char* name;
        WindowsVersionNumber version;
        bool olderListExists;
        const wchar_t* cardText;
        const wchar_t* read;
    };
    const Case cases[] = {
        {"Win7ReadsTheOlderList", {6, 1}, true, L"984 27.20 1.0", L"GraphicsCardGBList_62.txt"},
        {"Win7WithoutOlderList", {6, 1}, false, L"980 AMD Radeon RX 580", L"GraphicsCardGBList.txt"},
        {"Win10ReadsTheUsualList", {10, 0}, true, L"980 AMD Radeon RX 580", L"GraphicsCardGBList.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphicsChecksFixture f;
        f.launcher.exitCodes = {2};
        f.version.version = c.version;
        f.files.files[L"GraphicsCardGBList.txt"] = {L"radeon,1.0,20170101,NG"};
        if (c.olderListExists)
            f.files.files[L"GraphicsCardGBList_62.txt"] = {L"radeon,1.0,20170101,GL"};
        CGraphicsChecks checks = f.Checks();
        EXPECT_TRUE(checks.RunGraphicsDiagnostics());
        EXPECT_FALSE(checks.ReplaceCardListForOlderWindows());
        f.files.opened.clear();
        CheckResult card, driver;
        checks.CheckCardListVerdict(card, driver);
        EXPECT_EQ(card.text, c.cardText);
        EXPECT_EQ(f.files.opened, std::vector<std::wstring>{c.read});
    }
}

} // namespace
} // namespace Velkora

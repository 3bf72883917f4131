// The contract between the two programs, seen from both sides: the diagnostics program's own run
// over its table of cases gives exit codes, and the checker judges them. Every code that comes out
// must be a verdict to the checker, and no other code may be.
#include <cstdint>
#include <set>

#include <gtest/gtest.h>

#include "diag_run.h"
#include "diag_run_cases.h"
#include "diagnostics_code.h"

namespace Velkora {
namespace {

struct Outcome {
    std::string name;
    std::int32_t exitCode;
    std::string log;
};

std::vector<Outcome> RunEveryCase() {
    std::vector<Outcome> outcomes;
    for (const Zentoli::RunCase& c : Zentoli::DiagRunCases()) {
        Zentoli::CFakeDiagPlatform machine;
        Zentoli::StandardMachine(machine);
        c.setup(machine);
        const std::int32_t exitCode = Zentoli::RunDiagnostics(machine);
        outcomes.push_back({c.name, exitCode, machine.log.text});
    }
    return outcomes;
}

bool LogSays(const Outcome& o, const char* line) {
    return o.log.find(line) != std::string::npos;
}

TEST(DiagnosticsContract, EveryExitCodeOfTheRunIsAVerdictTheCheckerJudgesAsTheLogSays) {
    for (const Outcome& o : RunEveryCase()) {
        SCOPED_TRACE(o.name);
        ASSERT_EQ(ClassifyDiagnosticsEnd(LaunchOutcome::kEnded, o.exitCode), DiagnosticsEnd::kVerdict)
            << o.exitCode;
        const std::int32_t code = DiagnosticsCodeOf(LaunchOutcome::kEnded, o.exitCode);
        // The checker's level against the diagnostics program's own words for the same run.
        const bool supported = LogSays(o, "*** The graphics card is supported ! ***");
        EXPECT_EQ(code >= ExitCodeOf(DiagnosticsVerdict::kOldDriver), supported) << o.exitCode;
        const bool switchable = LogSays(o, "Dynamic switchable graphics detected.");
        EXPECT_EQ(code == ExitCodeOf(DiagnosticsVerdict::kSwitchable), switchable && supported) << o.exitCode;
        const bool gl42 = LogSays(o, "OpenGl version 4.2 is supported.");
        EXPECT_EQ(HasOpenGl42(static_cast<DiagnosticsVerdict>(o.exitCode)), gl42 && supported) << o.exitCode;
    }
}

// The cases give every verdict there is, so a code they never give is no verdict: a crash, a DLL
// that failed to initialise, a program that is not ours.
TEST(DiagnosticsContract, TheCheckerJudgesNoCodeTheRunNeverGives) {
    std::set<std::int32_t> given;
    for (const Outcome& o : RunEveryCase())
        given.insert(o.exitCode);
    std::vector<std::int32_t> codes;
    for (std::int32_t c = -64; c <= 300; ++c)
        codes.push_back(c);
    for (std::uint32_t status :
         {0xC0000005u, 0xC0000142u, 0xC0000374u, 0xC0000409u, 0x80000003u, 0xFFFFFFF4u})
        codes.push_back(static_cast<std::int32_t>(status));
    for (std::int32_t c : codes) {
        const bool verdict = ClassifyDiagnosticsEnd(LaunchOutcome::kEnded, c) == DiagnosticsEnd::kVerdict;
        EXPECT_EQ(verdict, given.count(c) == 1) << c;
        if (!verdict) {
            EXPECT_EQ(DiagnosticsCodeOf(LaunchOutcome::kEnded, c), kDiagnosticsNoVerdict) << c;
        }
    }
}

} // namespace
} // namespace Velkora

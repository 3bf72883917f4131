#include "diagnostics_code.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

// Exit codes of the diagnostics program and what the checks judge by. Only the program's own
// verdicts count; every other code ended abnormally, however its low three bits look.
TEST(DiagnosticsCode, OnlyVerdictCodesAreJudged) {
    struct Case {
        std::uint32_t exitCode;
        DiagnosticsEnd end;
        std::int32_t code;
        const wchar_t* hex;
    };
    const Case cases[] = {
        {0, DiagnosticsEnd::kVerdict, 0, L"0"},
        {1, DiagnosticsEnd::kVerdict, 1, L"1"},
        {2, DiagnosticsEnd::kVerdict, 2, L"2"},
        {3, DiagnosticsEnd::kVerdict, 3, L"3"},
        {4, DiagnosticsEnd::kVerdict, 4, L"4"},
        {11, DiagnosticsEnd::kVerdict, 3, L"b"},
        {12, DiagnosticsEnd::kVerdict, 4, L"c"},
        {5, DiagnosticsEnd::kEndedAbnormally, 7, L"5"},
        {7, DiagnosticsEnd::kEndedAbnormally, 7, L"7"},
        {8, DiagnosticsEnd::kEndedAbnormally, 7, L"8"},
        {10, DiagnosticsEnd::kEndedAbnormally, 7, L"a"},
        {13, DiagnosticsEnd::kEndedAbnormally, 7, L"d"},
        {259, DiagnosticsEnd::kEndedAbnormally, 7, L"103"},             // STILL_ACTIVE
        {0xC0000374, DiagnosticsEnd::kEndedAbnormally, 7, L"c0000374"}, // heap corruption, was "switchable"
        {0xC0000142, DiagnosticsEnd::kEndedAbnormally, 7,
         L"c0000142"}, // DLL initialisation, was "old driver"
        {0xC0000409, DiagnosticsEnd::kEndedAbnormally, 7,
         L"c0000409"}, // stack buffer overrun, was "not examined"
        {0xC0000005, DiagnosticsEnd::kEndedAbnormally, 7, L"c0000005"},
        {0xFFFFFFFF, DiagnosticsEnd::kEndedAbnormally, 7, L"ffffffff"}, // -1 of its own
    };
    for (const Case& c : cases) {
        const auto exitCode = static_cast<std::int32_t>(c.exitCode);
        EXPECT_EQ(ClassifyDiagnosticsEnd(LaunchOutcome::kEnded, exitCode), c.end) << c.exitCode;
        EXPECT_EQ(DiagnosticsCodeOf(LaunchOutcome::kEnded, exitCode), c.code) << c.exitCode;
        EXPECT_EQ(HexExitCode(exitCode), c.hex);
        // Not started and stopped are told by the launch, whatever code came with them.
        EXPECT_EQ(ClassifyDiagnosticsEnd(LaunchOutcome::kNotStarted, exitCode), DiagnosticsEnd::kNotStarted);
        EXPECT_EQ(ClassifyDiagnosticsEnd(LaunchOutcome::kStopped, exitCode), DiagnosticsEnd::kStopped);
        EXPECT_EQ(DiagnosticsCodeOf(LaunchOutcome::kNotStarted, exitCode), kDiagnosticsNoVerdict);
        EXPECT_EQ(DiagnosticsCodeOf(LaunchOutcome::kStopped, exitCode), kDiagnosticsNoVerdict);
    }
}

} // namespace
} // namespace Velkora

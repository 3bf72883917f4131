#pragma once
// What the end of the diagnostics program means to the graphics checks. Only the exit codes the
// program gives as verdicts are judged; any other code (a crash such as 0xC0000374, a DLL that
// failed to initialise, a program that is not ours) ended abnormally, and is judged as if the
// program had not run at all: a crash is not a verdict.
#include <cstdint>
#include <string>

#include "diagnostics_exit_code.h"
#include "diagnostics_launch.h"

namespace Velkora {

enum class DiagnosticsEnd {
    kVerdict,         // ended by itself with one of the verdict codes
    kNotStarted,      // could not be started
    kStopped,         // stopped at the time limit
    kEndedAbnormally, // ended by itself with any other code
};

// The code the checks judge by when there is no verdict.
inline constexpr std::int32_t kDiagnosticsNoVerdict = 7;

// exitCode is the launcher's answer for the run that ended with outcome.
DiagnosticsEnd ClassifyDiagnosticsEnd(LaunchOutcome outcome, std::int32_t exitCode);

// The verdict's level (its low three bits: kNotSupported to kSwitchable), or kDiagnosticsNoVerdict.
std::int32_t DiagnosticsCodeOf(LaunchOutcome outcome, std::int32_t exitCode);

// The exit code in hexadecimal, as the status codes of Windows are known ("c0000374").
std::wstring HexExitCode(std::int32_t exitCode);

} // namespace Velkora

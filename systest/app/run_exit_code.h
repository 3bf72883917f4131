#pragma once
// The exit codes of runs that a script started: the verdict in a silent run, and what becomes of
// the window's answer when an output file could not be written.
#include "check_result.h"

namespace Velkora {

// The user cancelled a dialog run before its window showed, as the window's Cancel answers.
inline constexpr int kExitCancelledRun = 2;

// 5 when a requested output could not be written, else 10 + the summary severity (11 not met,
// 12 warning, 13 or 14 met, 16 nothing judged).
int SilentRunExitCode(Severity summaryLevel, bool outputsWritten);

// The window's answer (1 OK, 2 cancelled), or 5 when a requested output could not be written.
int DialogRunExitCode(int windowResult, bool outputsWritten);

} // namespace Velkora

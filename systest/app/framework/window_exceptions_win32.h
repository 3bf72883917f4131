#pragma once
// An exception that reaches a window procedure ends the program as one that escapes the run does
// (run_guard.h): the same report, and kExitInternalError.
#include "run_guard.h"

namespace Velkora {

// Installs the policy for the program's windows; `report` is the run's own.
void EndWindowExceptionsLikeTheRun(FailureReportFn report);

} // namespace Velkora

#pragma once
// The last stop of an exception that no part of the run handled: the program ends with a code of
// its own and says so, instead of abort()'s 3 (which a script reads as a bad command line).
#include <functional>
#include <string>

namespace Velkora {

// Called once with a message for the user (a line on standard error, or a box).
using FailureReportFn = std::function<void(const std::wstring& message)>;

// run's exit code; kExitInternalError after reporting when an exception escaped from it.
int RunGuarded(const std::function<int()>& run, const FailureReportFn& report);

} // namespace Velkora

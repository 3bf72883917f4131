#include "window_exceptions_win32.h"

#include <exception>
#include <utility>

#include "window_exception_policy_win32.h"

namespace Velkora {

void EndWindowExceptionsLikeTheRun(FailureReportFn report) {
    SetEscapedExceptionHandler([report = std::move(report)](std::exception_ptr failure) {
        // Thrown again inside the run's guard, so that it is reported and coded in one place.
        return RunGuarded([&]() -> int { std::rethrow_exception(failure); }, report);
    });
}

} // namespace Velkora

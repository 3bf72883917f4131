#include "window_exception_policy_win32.h"

#include <windows.h>

#include <utility>

namespace Velkora {

namespace {
EscapedExceptionHandler& Handler() {
    static EscapedExceptionHandler handler;
    return handler;
}
} // namespace

void SetEscapedExceptionHandler(EscapedExceptionHandler handler) {
    Handler() = std::move(handler);
}

void EndProgramOnEscapedException() noexcept {
    const EscapedExceptionHandler& handler = Handler();
    if (!handler)
        std::terminate();
    // The handler reports in a box or on standard error: it must not leave by an exception either.
    int code = 0;
    try {
        code = handler(std::current_exception());
    } catch (...) {
        std::terminate();
    }
    // No destructor runs: the windows and whatever they held are in an unknown state.
    ExitProcess(static_cast<UINT>(code));
}

} // namespace Velkora

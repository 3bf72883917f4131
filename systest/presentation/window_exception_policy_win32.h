#pragma once
// One policy for an exception that reaches a window procedure, for the list's windows and the
// program's dialogs alike: it must not unwind through the system's code that called the
// procedure, so the procedure catches it and the program ends at once, reported as the program
// reports an exception that escaped its run.
#include <exception>
#include <functional>

namespace Velkora {

// Reports the exception and answers the exit code the program ends with.
using EscapedExceptionHandler = std::function<int(std::exception_ptr failure)>;

// The program's handler, set once at start-up. Without one the program ends as an uncaught
// exception would (std::terminate).
void SetEscapedExceptionHandler(EscapedExceptionHandler handler);

// For a window procedure's catch block: hands the exception being handled to the handler and
// ends the process with its code.
[[noreturn]] void EndProgramOnEscapedException() noexcept;

} // namespace Velkora

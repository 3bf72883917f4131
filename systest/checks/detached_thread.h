#pragma once
// A thread that runs work and ends on its own; nobody joins it or waits for it to end.
#include <functional>

namespace Velkora {

// False when no thread could be had (work is then not run).
[[nodiscard]] bool StartDetachedThread(std::function<void()> work);

} // namespace Velkora

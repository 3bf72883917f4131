#include "detached_thread.h"

#include <windows.h>

#include <memory>

#include "scoped_handle_win32.h"

namespace Velkora {
namespace {

DWORD WINAPI RunDetached(void* parameter) {
    std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
    (*work)();
    return 0;
}

} // namespace

// A thread of the system's own, not std::thread: the MinGW thread library's std::thread that is
// detached right after it starts now and then never runs its work (seen under Wine on a loaded
// machine: about one process in ten lost its first thread after an earlier one had ended).
bool StartDetachedThread(std::function<void()> work) {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    CHandle thread(CreateThread(nullptr, 0, RunDetached, owned.get(), 0, nullptr));
    if (!thread)
        return false;
    owned.release(); // the thread owns it now
    return true;
}

} // namespace Velkora

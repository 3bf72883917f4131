#include "detached_thread.h"

#include <system_error>
#include <thread>

namespace Velkora {

bool StartDetachedThread(std::function<void()> work) {
    try {
        std::thread(std::move(work)).detach();
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

} // namespace Velkora

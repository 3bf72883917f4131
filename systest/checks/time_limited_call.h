#pragma once
// A call that may never return (a WMI query on a broken machine), made on a thread of its own so
// that the caller can stop waiting for it, and can start it well before it needs the answer. The
// thread then runs on alone: it owns everything it uses, so it can finish (or hang) whenever it
// likes without touching the caller's memory.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "detached_thread.h"

namespace Velkora {

template <class T> class CBackgroundCall {
  public:
    // Starts work; false when no thread could be had (Wait then gives nothing).
    [[nodiscard]] bool Start(std::function<T()> work) {
        shared = std::make_shared<Shared>();
        const bool started = StartDetachedThread([shared = shared, work = std::move(work)] {
            std::optional<T> answer;
            try {
                answer = work();
            } catch (...) {
                // No answer: the caller sees the same as a call that did not finish.
            }
            std::lock_guard<std::mutex> lock(shared->mutex);
            shared->answer = std::move(answer);
            shared->done = true;
            shared->answered.notify_all();
        });
        if (!started)
            shared.reset();
        return started;
    }

    // A call was started and its answer not yet taken.
    bool Started() const { return shared != nullptr; }

    // The started call's answer, or nothing when it did not answer within limit (none: waits as
    // long as it takes) or could not be started. The call is done with either way.
    std::optional<T> Wait(std::optional<std::chrono::milliseconds> limit) {
        std::shared_ptr<Shared> call = std::move(shared);
        if (!call)
            return std::nullopt;
        std::unique_lock<std::mutex> lock(call->mutex);
        auto done = [&] { return call->done; };
        if (limit) {
            if (!call->answered.wait_for(lock, *limit, done))
                return std::nullopt;
        } else {
            call->answered.wait(lock, done);
        }
        return std::move(call->answer);
    }

  private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable answered;
        bool done = false;
        std::optional<T> answer;
    };
    std::shared_ptr<Shared> shared;
};

// work's answer, or nothing when it did not answer within limit (or could not be run at all).
template <class T>
std::optional<T> CallWithinTimeLimit(std::function<T()> work, std::chrono::milliseconds limit) {
    CBackgroundCall<T> call;
    if (!call.Start(std::move(work)))
        return std::nullopt;
    return call.Wait(limit);
}

} // namespace Velkora

#pragma once
// A call that may never return (a WMI query on a broken machine), made on a thread of its own so
// that the caller can stop waiting for it. The thread then runs on alone: it owns everything it
// uses, so it can finish (or hang) whenever it likes without touching the caller's memory.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace Velkora {

// work's answer, or nothing when it did not answer within limit (or could not be run at all).
template <class T>
std::optional<T> CallWithinTimeLimit(std::function<T()> work, std::chrono::milliseconds limit) {
    struct Shared {
        std::mutex mutex;
        std::condition_variable answered;
        bool done = false;
        std::optional<T> answer;
    };
    auto shared = std::make_shared<Shared>();
    try {
        std::thread([shared, work = std::move(work)] {
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
        }).detach();
    } catch (const std::system_error&) {
        return std::nullopt; // no thread to be had
    }
    std::unique_lock<std::mutex> lock(shared->mutex);
    if (!shared->answered.wait_for(lock, limit, [&] { return shared->done; })) return std::nullopt;
    return std::move(shared->answer);
}

} // namespace Velkora

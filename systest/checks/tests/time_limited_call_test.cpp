#include "time_limited_call.h"

#include <future>
#include <thread>

#include <gtest/gtest.h>

namespace Velkora {
namespace {

using namespace std::chrono_literals;

TEST(TimeLimitedCall, AnAnswerInTimeIsTaken) {
    EXPECT_EQ(CallWithinTimeLimit<int>([] { return 42; }, 10s), std::optional<int>(42));
}

// A call that hangs gives nothing at the limit; when it answers later, it touches nothing of the
// caller's (the sanitizers would see it), and its answer is dropped.
TEST(TimeLimitedCall, AHangingCallGivesNothingAndIsLeftToItself) {
    auto release = std::make_shared<std::promise<void>>();
    auto finished = std::make_shared<std::promise<void>>();
    std::shared_future<void> released = release->get_future().share();
    std::future<void> done = finished->get_future();
    std::optional<std::string> answer = CallWithinTimeLimit<std::string>(
        [released, finished] {
            released.wait();
            finished->set_value();
            return std::string("late");
        },
        50ms);
    EXPECT_EQ(answer, std::nullopt);
    release->set_value();
    EXPECT_EQ(done.wait_for(10s), std::future_status::ready);
}

TEST(TimeLimitedCall, AThrowingCallGivesNothing) {
    EXPECT_EQ(CallWithinTimeLimit<int>([]() -> int { throw std::runtime_error("no"); }, 10s), std::nullopt);
}

// Started well before its answer is needed: the answer waits for the caller, and the caller
// waits for an answer that is still coming, with no limit at all if it says so.
TEST(BackgroundCall, StartedEarlyTheAnswerIsTakenLater) {
    CBackgroundCall<int> early;
    ASSERT_TRUE(early.Start([] { return 7; }));
    EXPECT_TRUE(early.Started());
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(early.Wait(std::nullopt), std::optional<int>(7));
    EXPECT_FALSE(early.Started()) << "one answer per start";
    EXPECT_EQ(early.Wait(10s), std::nullopt);

    auto release = std::make_shared<std::promise<void>>();
    std::shared_future<void> released = release->get_future().share();
    CBackgroundCall<int> slow;
    ASSERT_TRUE(slow.Start([released] {
        released.wait();
        return 8;
    }));
    ASSERT_TRUE(StartDetachedThread([release] {
        std::this_thread::sleep_for(50ms);
        release->set_value();
    }));
    EXPECT_EQ(slow.Wait(std::nullopt), std::optional<int>(8));
}

} // namespace
} // namespace Velkora

#include "time_limited_call.h"

#include <future>

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

} // namespace
} // namespace Velkora

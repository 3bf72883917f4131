#include "run_guard.h"

#include <new>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "command_line.h"

namespace Velkora {
namespace {

// Whatever escapes ends with the code of its own and exactly one message; a run that returns is
// left alone. The message never carries what() bytes that could garble a console or a box.
TEST(RunGuard, AnEscapedExceptionEndsWithItsOwnCodeAndOneMessage) {
    struct Case {
        const char* name;
        std::function<int()> run;
        int code;
        std::vector<std::wstring> messages;
    };
    const Case cases[] = {
        {"returns", [] { return 13; }, 13, {}},
        {"returns bad command line", [] { return kExitBadCommandLine; }, kExitBadCommandLine, {}},
        {"standard exception",
         []() -> int { throw std::runtime_error("list \x01\xC3\xA4 broken"); },
         kExitInternalError,
         {L"VelkoraSysTest: the check failed inside the program and was ended (list ??? broken)."}},
        {"out of memory",
         []() -> int { throw std::bad_alloc(); },
         kExitInternalError,
         {L"VelkoraSysTest: the check failed inside the program and was ended (std::bad_alloc)."}},
        {"anything else",
         []() -> int { throw 42; },
         kExitInternalError,
         {L"VelkoraSysTest: the check failed inside the program and was ended."}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> messages;
        EXPECT_EQ(RunGuarded(c.run, [&](const std::wstring& m) { messages.push_back(m); }), c.code) << c.name;
        EXPECT_EQ(messages, c.messages) << c.name;
    }
}

} // namespace
} // namespace Velkora

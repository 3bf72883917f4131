// An exception thrown in a window's handler ends the program where it is caught, at the window
// procedure, with the run's report and exit code, whichever window base it came through.
#include <windows.h>

#include <gtest/gtest.h>

#include "command_line.h"
#include "driven_process_win32.h"
#include "temp_folder_win32.h"

namespace {

const std::wstring kProbe = VelkoraTest::WinePathOf(VELKORA_PROBE);

struct ThrowCase {
    const wchar_t* mode;
    const char* message;
};

class WindowExceptionTest : public testing::TestWithParam<ThrowCase> {};

TEST_P(WindowExceptionTest, EndsTheProgramWithTheRunsCodeAndReport) {
    const ThrowCase& c = GetParam();
    VelkoraTest::CDrivenProcess process;
    ASSERT_TRUE(process.Start({L"\"" + kProbe + L"\" " + c.mode, L"", {}}));
    auto code = process.WaitForExit(30000);
    if (!code)
        process.Terminate();
    ASSERT_TRUE(code.has_value()) << "the probe did not end";
    EXPECT_EQ(*code, static_cast<DWORD>(Velkora::kExitInternalError));
    EXPECT_NE(process.Errors().find(c.message), std::string::npos) << process.Errors();
}

INSTANTIATE_TEST_SUITE_P(
    Bases, WindowExceptionTest,
    testing::Values(
        ThrowCase{L"dialog",
                  "VelkoraSysTest: the check failed inside the program and was ended (thrown in a dialog)."},
        ThrowCase{L"window",
                  "VelkoraSysTest: the check failed inside the program and was ended (thrown in a window)."},
        ThrowCase{
            L"subclass",
            "VelkoraSysTest: the check failed inside the program and was ended (thrown in a window)."}));

} // namespace

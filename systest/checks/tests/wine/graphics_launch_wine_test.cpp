// LaunchProcess and RunGraphicsDiagnostics for real: a stand-in program ends with chosen codes.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "../graphics_fakes.h"
#include "com_objects_win32.h"
#include "fake_text_source.h"
#include "graphics_platform_win32.h"
#include "graphics_wine_support.h"

namespace Velkora {
namespace {

std::wstring ReadEnvironment(const wchar_t* name) {
    wchar_t value[32767] = {};
    DWORD length = GetEnvironmentVariableW(name, value, 32767);
    return std::wstring(value, length < 32767 ? length : 0);
}

// A program that never ends fails the test instead of hanging it.
constexpr std::uint32_t kTestWaitLimit = 60000;

class LaunchProcessTest : public testing::TestWithParam<std::int32_t> {};

TEST_P(LaunchProcessTest, ExitCodeOfTheStartedProgram) {
    FakeMessageBoxes boxes;
    CProcessLauncher launcher(boxes, kTestWaitLimit);
    std::wstring commandLine = L"diagnostics_standin.exe " + std::to_wstring(GetParam());
    // As the diagnostics program is started: hidden, in a new console.
    EXPECT_EQ(launcher.LaunchProcess(commandLine, kHideWindow, kNewConsole, kWaitForExit), GetParam());
    // Without a console window of its own.
    EXPECT_EQ(launcher.LaunchProcess(commandLine, kHideWindow, kInheritConsole, kWaitForExit), GetParam());
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Codes, LaunchProcessTest, testing::Values(0, 3, 4, 11, 12));

TEST(LaunchProcess, WithoutWaitingGivesZero) {
    FakeMessageBoxes boxes;
    CProcessLauncher launcher(boxes, kTestWaitLimit);
    EXPECT_EQ(launcher.LaunchProcess(L"diagnostics_standin.exe 12", kShowWindow, kNewConsole, kNoWait), 0);
}

// The program runs in the folder it was found in, not in ours: the stand-in (beside this test
// program) counts its runs in a file of its current directory.
TEST(LaunchProcess, StartsTheProgramInTheFolderItWasFoundIn) {
    CTemporaryWorkingDirectory caller;
    const std::wstring runs = TestProgramFolder() + L"\\standin-runs.txt";
    DeleteFileW(runs.c_str());
    FakeMessageBoxes boxes;
    CProcessLauncher launcher(boxes, kTestWaitLimit);
    EXPECT_EQ(launcher.LaunchProcess(L"diagnostics_standin.exe", kHideWindow, kNewConsole, kWaitForExit), 3);
    EXPECT_NE(GetFileAttributesW(runs.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW((caller.Path() + L"\\standin-runs.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(runs.c_str());
}

// A program of the name in the working folder or on PATH, none beside us: never run, the start
// fails as for a missing program. The planted stand-ins would count their runs in their folders.
TEST(LaunchProcess, PlantedInTheWorkingFolderOrOnThePathNeverRuns) {
    CTemporaryWorkingDirectory working;
    VelkoraTest::CTempFolder onPath(L"velkora-path");
    ASSERT_TRUE(onPath.IsValid());
    const std::wstring standin = TestProgramFolder() + L"\\diagnostics_standin.exe";
    const std::wstring planted = L"VelkoraPlanted.exe";
    ASSERT_TRUE(CopyFileW(standin.c_str(), (working.Path() + L"\\" + planted).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(standin.c_str(), (onPath.Path() + planted).c_str(), FALSE));
    const std::wstring previousPath = ReadEnvironment(L"PATH");
    SetEnvironmentVariableW(L"PATH", (onPath.Path() + L";" + previousPath).c_str());
    FakeMessageBoxes boxes;
    CProcessLauncher launcher(boxes, kTestWaitLimit);
    const std::int32_t code =
        launcher.LaunchProcess(planted + L" 11", kHideWindow, kNewConsole, kWaitForExit);
    SetEnvironmentVariableW(L"PATH", previousPath.c_str());
    EXPECT_EQ(code, -1);
    EXPECT_EQ(launcher.LastOutcome(), LaunchOutcome::kNotStarted);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"error while starting: VelkoraPlanted.exe 11\nError: 2");
    EXPECT_EQ(GetFileAttributesW((working.Path() + L"\\standin-runs.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW((onPath.Path() + L"standin-runs.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(LaunchProcess, MissingProgramIsReportedInABox) {
    FakeMessageBoxes boxes;
    CProcessLauncher launcher(boxes, kTestWaitLimit);
    EXPECT_EQ(launcher.LaunchProcess(L"VelkoraNoSuchProgram.exe -x", kHideWindow, kNewConsole, kWaitForExit),
              -1);
    EXPECT_EQ(launcher.LastOutcome(), LaunchOutcome::kNotStarted);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (ShownBox{L"error while starting: VelkoraNoSuchProgram.exe -x\nError: 2",
                                        L"lsystem", false, MessageBoxStyle::kStartFailure}));
}

TEST(LaunchProcess, WaitLimitEndsAProgramThatDoesNotFinish) {
    FakeMessageBoxes boxes;
    CProcessLauncher launcher(boxes, 300);
    EXPECT_EQ(
        launcher.LaunchProcess(L"diagnostics_standin.exe hang", kHideWindow, kInheritConsole, kWaitForExit),
        -1);
    EXPECT_EQ(launcher.LastOutcome(), LaunchOutcome::kStopped);
    // A program that ends with -1 by itself is told apart from one that was stopped (with room to
    // start: on a busy machine a start under Wine alone can take longer than 300 ms).
    CProcessLauncher roomy(boxes, kTestWaitLimit);
    EXPECT_EQ(roomy.LaunchProcess(L"diagnostics_standin.exe -1", kHideWindow, kInheritConsole, kWaitForExit),
              -1);
    EXPECT_EQ(roomy.LastOutcome(), LaunchOutcome::kEnded);
}

// Started early, the program's time limit counts from its start: a wait that begins after the
// limit has passed stops it at once instead of waiting a whole limit more.
TEST(StartProcess, TimeLimitCountsFromTheStart) {
    FakeMessageBoxes boxes;
    constexpr std::uint32_t kLimit = 2000;
    CProcessLauncher launcher(boxes, kLimit);
    launcher.StartProcess(L"diagnostics_standin.exe hang", kHideWindow, kInheritConsole);
    EXPECT_TRUE(launcher.HasStartedProcess());
    Sleep(kLimit + 500);
    const ULONGLONG before = GetTickCount64();
    EXPECT_EQ(launcher.FinishProcess(), -1);
    EXPECT_LT(GetTickCount64() - before, kLimit) << "waited a second limit";
    EXPECT_EQ(launcher.LastOutcome(), LaunchOutcome::kStopped);
    EXPECT_FALSE(launcher.HasStartedProcess());

    // A program that ends in time gives its code, however long the work beside it took.
    launcher.StartProcess(L"diagnostics_standin.exe 11", kHideWindow, kInheritConsole);
    EXPECT_EQ(launcher.FinishProcess(), 11);
    EXPECT_EQ(launcher.LastOutcome(), LaunchOutcome::kEnded);
}

// A failed early start is reported when the run waits for the program, where a launch that waits
// at once reports it.
TEST(StartProcess, FailedStartIsReportedWhenFinished) {
    FakeMessageBoxes boxes;
    CProcessLauncher launcher(boxes, kTestWaitLimit);
    launcher.StartProcess(L"VelkoraNoSuchProgram.exe", kHideWindow, kNewConsole);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(launcher.FinishProcess(), -1);
    EXPECT_EQ(launcher.LastOutcome(), LaunchOutcome::kNotStarted);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"lsystem");
}

// A cancelled run: the stop from another thread ends the program that is being waited for (with
// what it started, as the time limit does), and nothing is started after it.
TEST(StartProcess, StopFromAnotherThreadEndsTheWaitAndStartsNothingMore) {
    FakeMessageBoxes boxes;
    CProcessLauncher launcher(boxes); // no time limit: only the stop ends the wait
    launcher.StartProcess(L"diagnostics_standin.exe hang", kHideWindow, kInheritConsole);
    std::thread canceller([&] {
        Sleep(500);
        launcher.StopProcess();
    });
    EXPECT_EQ(launcher.FinishProcess(), -1);
    canceller.join();
    EXPECT_EQ(launcher.LastOutcome(), LaunchOutcome::kStopped);
    EXPECT_EQ(
        launcher.LaunchProcess(L"diagnostics_standin.exe 11", kHideWindow, kInheritConsole, kWaitForExit),
        -1);
    EXPECT_EQ(launcher.LastOutcome(), LaunchOutcome::kStopped);
    EXPECT_TRUE(boxes.shown.empty());
}

// The real box of our own process with the given title, if it is showing.
HWND FindOwnDialog(const std::wstring& title) {
    struct Search {
        std::wstring title;
        HWND found = nullptr;
    } search{title};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            wchar_t className[64] = {}, text[256] = {};
            GetClassNameW(window, className, 64);
            GetWindowTextW(window, text, 256);
            if (pid == GetCurrentProcessId() && std::wstring(className) == L"#32770" && s->title == text) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring LongestStaticText(HWND dialog) {
    std::wstring longest;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t className[64] = {}, text[512] = {};
            GetClassNameW(child, className, 64);
            GetWindowTextW(child, text, 512);
            auto* l = reinterpret_cast<std::wstring*>(param);
            if (_wcsicmp(className, L"Static") == 0 && wcslen(text) > l->size())
                *l = text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&longest));
    return longest;
}

TEST(LaunchProcess, MissingProgramShowsTheRealBox) {
    CMessageBoxes boxes;
    CProcessLauncher launcher(boxes, kTestWaitLimit);
    std::atomic<bool> launched{false};
    std::wstring seenText;
    bool seen = false;
    // Dismisses the box (again, until the launch returns); if it never closes, the test program
    // ends instead of hanging.
    std::thread watchdog([&] {
        for (int i = 0; i < 300 && !launched; ++i) {
            if (HWND box = FindOwnDialog(L"lsystem")) {
                if (!seen)
                    seenText = LongestStaticText(box);
                seen = true;
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
            Sleep(100);
        }
        if (!launched) {
            std::fprintf(stderr, "The message box did not appear or could not be closed within 30 s\n");
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    });
    EXPECT_EQ(launcher.LaunchProcess(L"VelkoraNoSuchProgram.exe", kHideWindow, kNewConsole, kWaitForExit),
              -1);
    launched = true;
    watchdog.join();
    EXPECT_TRUE(seen);
    EXPECT_EQ(seenText, L"error while starting: VelkoraNoSuchProgram.exe\nError: 2");
}

struct DiagnosticsCase {
    const wchar_t* exitCodes;
    std::int32_t diagnosticsCode;
};

class RunGraphicsDiagnosticsTest : public testing::TestWithParam<DiagnosticsCase> {};

// Zentoli.exe is the stand-in, beside this test program for the test's length (the diagnostics
// program is taken from there alone); removed again by its full path.
class CStandInBesideUs {
  public:
    CStandInBesideUs() : path(TestProgramFolder() + L"\\Zentoli.exe") {
        copied = CopyFileW((TestProgramFolder() + L"\\diagnostics_standin.exe").c_str(), path.c_str(), TRUE);
    }
    ~CStandInBesideUs() {
        if (copied)
            DeleteFileW(path.c_str());
    }
    CStandInBesideUs(const CStandInBesideUs&) = delete;
    CStandInBesideUs& operator=(const CStandInBesideUs&) = delete;
    bool Copied() const { return copied; }

  private:
    std::wstring path;
    bool copied = false;
};

TEST_P(RunGraphicsDiagnosticsTest, KeepsTheLowThreeBits) {
    CComInitializer com;
    CTemporaryWorkingDirectory folder;
    CStandInBesideUs standIn;
    ASSERT_TRUE(standIn.Copied());
    SetEnvironmentVariableW(L"VELKORA_STANDIN_EXIT_CODES", GetParam().exitCodes);
    FakeMessageBoxes boxes;
    CGraphicsPlatform platform(&boxes, kTestWaitLimit);
    GraphicsCheckState state;
    FakeTextSource texts;
    CGraphicsChecks checks(state, platform.Services(), texts, L"Velkora 2018");
    EXPECT_TRUE(checks.RunGraphicsDiagnostics()); // Wine's WMI answers
    EXPECT_EQ(state.diagnosticsCode, GetParam().diagnosticsCode);
    EXPECT_TRUE(boxes.shown.empty());
    SetEnvironmentVariableW(L"VELKORA_STANDIN_EXIT_CODES", nullptr);
}

INSTANTIATE_TEST_SUITE_P(Codes, RunGraphicsDiagnosticsTest,
                         testing::Values(DiagnosticsCase{L"0", 0}, DiagnosticsCase{L"1", 1},
                                         DiagnosticsCase{L"2", 2}, DiagnosticsCase{L"3", 3},
                                         DiagnosticsCase{L"4", 4}, DiagnosticsCase{L"11", 3},
                                         DiagnosticsCase{L"12", 4}, DiagnosticsCase{L"-1", 7},
                                         // No verdicts: ended abnormally (0xC0000374 has the bits of 4).
                                         DiagnosticsCase{L"8", 7}, DiagnosticsCase{L"-1073740940", 7}));

TEST(RunGraphicsDiagnostics, MissingProgramGivesSeven) {
    CComInitializer com;
    CTemporaryWorkingDirectory folder; // without Zentoli.exe
    FakeMessageBoxes boxes;
    CGraphicsPlatform platform(&boxes, kTestWaitLimit);
    GraphicsCheckState state;
    FakeTextSource texts;
    CGraphicsChecks checks(state, platform.Services(), texts, L"Velkora 2018");
    EXPECT_TRUE(checks.RunGraphicsDiagnostics());
    EXPECT_EQ(state.diagnosticsCode, 7);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"lsystem");
    EXPECT_EQ(boxes.shown[0].text, L"error while starting: Zentoli.exe\nError: 2");
    CheckResult card, driver;
    checks.CheckCardListVerdict(card, driver);
    EXPECT_EQ(card.severity, 0);
    EXPECT_EQ(driver.severity, 0);
}

} // namespace
} // namespace Velkora

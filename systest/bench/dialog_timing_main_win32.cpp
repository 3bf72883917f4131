// Times what a user waits for in the dialog program, from a copy of the deliverable folder:
//   systest_bench_dialog accept  DELIVERABLE [READ]
//                                              Accept pressed in the licence window until the main
//                                              window is visible; READ milliseconds after the
//                                              licence showed (a user reads before accepting;
//                                              default 0, at once)
//   systest_bench_dialog zentoli DELIVERABLE   the diagnostics program alone, started as the dialog
//                                              program starts it, until it ends
// DELIVERABLE is the Unix path of the folder. Prints the milliseconds and the program's exit code; exit code
// 1 and a line on standard error when the run went wrong.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>

#include "deliverable_copy_win32.h"
#include "diagnostics_launch_win32.h"
#include "driven_process_win32.h"
#include "file_contents_win32.h"
#include "graphics_verdicts.h"
#include "no_message_boxes.h"
#include "resource.h"
#include "step_clock_win32.h"
#include "temp_folder_win32.h"
#include "window_probe_win32.h"

namespace VelkoraBench {
namespace {

using namespace VelkoraTest;

constexpr DWORD kWindowWait = 120000;

int Fail(const char* what) {
    std::fprintf(stderr, "systest_bench_dialog: %s\n", what);
    return 1;
}

// The visible top-level window of the process that has these controls, and not that one.
HWND WindowWithControls(DWORD processId, int has, int alsoHas, int hasNot) {
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (ControlOf(window, has) && ControlOf(window, alsoHas) && !ControlOf(window, hasNot))
            return window;
    }
    return nullptr;
}

// The licence window shares the list's ID with its text, so the main window is told apart by its
// summary, and any other window of the program (a progress window) is passed over.
HWND MainWindowOf(DWORD processId) {
    return WindowWithControls(processId, IDC_MAIN_LIST, IDC_MAIN_SUMMARY_TEXT, IDC_LIC_CONSENT);
}

HWND LicenceWindowOf(DWORD processId) {
    return WindowWithControls(processId, IDC_LIC_CONSENT, IDOK, IDC_MAIN_SUMMARY_TEXT);
}

int TimeAccept(const std::wstring& deliverable, DWORD readMilliseconds) {
    CTempFolder folder(L"velkora-bench");
    if (!folder.IsValid() || !CopyDeliverable(deliverable, folder.Path(), true).empty())
        return Fail("the deliverable could not be copied");
    CDrivenProcess program;
    if (!program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\"", folder.Path(), {}}))
        return Fail("VelkoraSysTest.exe did not start");
    HWND licence = nullptr;
    std::optional<DWORD> ended;
    WaitUntil(
        [&] {
            licence = LicenceWindowOf(program.ProcessId());
            return licence || (ended = program.WaitForExit(0));
        },
        kWindowWait);
    if (ended) {
        std::fprintf(stderr, "exit code %lu, standard error: %s\n", static_cast<unsigned long>(*ended),
                     program.Errors().c_str());
        return Fail("the program ended without a licence window");
    }
    if (!licence) {
        for (HWND window : TopLevelWindowsOf(program.ProcessId(), false))
            std::fprintf(stderr, "window \"%s\" of class %s%s\n", Utf8Of(TextOf(window)).c_str(),
                         Utf8Of(ClassNameOf(window)).c_str(), IsWindowVisible(window) ? "" : " (hidden)");
        return Fail("no licence window");
    }
    Sleep(readMilliseconds);
    ClickButton(ControlOf(licence, IDC_LIC_CONSENT));
    if (!WaitUntil([&] { return IsEnabledControl(ControlOf(licence, IDOK)); }, 5000))
        return Fail("Accept stayed disabled after the consent was ticked");

    CStepClock clock;
    PostCommand(licence, IDOK);
    HWND main = nullptr;
    WaitUntil([&] { return (main = MainWindowOf(program.ProcessId())) != nullptr; }, kWindowWait);
    const double milliseconds = clock.Elapsed();
    if (!main)
        return Fail("no main window");

    PostCommand(main, IDCANCEL);
    const std::optional<DWORD> code = program.WaitForExit(60000);
    if (!code)
        return Fail("the program did not end after the main window was closed");
    std::printf("%.1f %lu\n", milliseconds, static_cast<unsigned long>(*code));
    return 0;
}

int TimeDiagnostics(const std::wstring& deliverable) {
    CTempFolder folder(L"velkora-bench");
    if (!folder.IsValid() || !CopyDeliverable(deliverable, folder.Path(), false).empty())
        return Fail("the deliverable could not be copied");
    // Found in the current folder and started there, as the dialog program finds it beside itself.
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    if (!SetCurrentDirectoryW(folder.Path().c_str()))
        return Fail("cannot enter the copy");
    CNoMessageBoxes boxes;
    Velkora::CProcessLauncher launcher(boxes);
    CStepClock clock;
    const std::int32_t code = launcher.LaunchProcess(Velkora::kDiagnosticsCommandLine, Velkora::kHideWindow,
                                                     Velkora::kNewConsole, Velkora::kWaitForExit);
    const double milliseconds = clock.Elapsed();
    SetCurrentDirectoryW(previous); // the copy is removed on return
    if (launcher.LastOutcome() != Velkora::LaunchOutcome::kEnded)
        return Fail("Zentoli.exe did not start");
    std::printf("%.1f %d\n", milliseconds, static_cast<int>(code));
    return 0;
}

} // namespace
} // namespace VelkoraBench

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 && !(argc == 4 && std::wstring(argv[1]) == L"accept"))
        return VelkoraBench::Fail(
            "usage: systest_bench_dialog accept DELIVERABLE [READ] | zentoli DELIVERABLE");
    const std::wstring mode = argv[1];
    const std::wstring deliverable = VelkoraTest::WinePathOf(argv[2]) + L"\\";
    int code = 1;
    if (mode == L"accept")
        code = VelkoraBench::TimeAccept(deliverable, argc == 4 ? std::wcstoul(argv[3], nullptr, 10) : 0);
    else if (mode == L"zentoli")
        code = VelkoraBench::TimeDiagnostics(deliverable);
    else
        code = VelkoraBench::Fail("the mode is accept or zentoli");
    std::fflush(stdout);
    return code;
}

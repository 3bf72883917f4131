// The progress window of a dialog run, for real: a diagnostics program that never ends keeps the
// run in its graphics step, where the user can cancel it (or something else asks the program to
// quit); a box of the run belongs to the window; the main window takes over the foreground; and a
// declined licence starts nothing.
#include "unattended_program_win32.h"

#include <commctrl.h>

#include "access_key.h"
#include "resource.h" // the program's control IDs

namespace {

using namespace VelkoraTest;

const std::wstring kNeverEnding = WinePathOf(VELKORA_NEVER_ENDING);

wchar_t Lower(wchar_t key) {
    return key >= L'A' && key <= L'Z' ? static_cast<wchar_t>(key - L'A' + L'a') : key;
}

class ProgressWindow : public UnattendedProgram {
  protected:
    void SetUp() override {
        UnattendedProgram::SetUp();
        ASSERT_TRUE(CopyFileW(kNeverEnding.c_str(), (folder.Path() + L"Zentoli.exe").c_str(), FALSE));
    }

    // Starts the program with these words after its name; nothing is waited for.
    void Launch(CDrivenProcess& program, const std::wstring& arguments) {
        ASSERT_TRUE(
            program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\" " + arguments, folder.Path(), {}}));
    }

    // A top-level window of the process that holds a control of this class, shown or not.
    static HWND AnyWindowHoldingControlOf(DWORD processId, const wchar_t* controlClass) {
        for (HWND window : TopLevelWindowsOf(processId, false))
            if (FindWindowExW(window, nullptr, controlClass, nullptr))
                return window;
        return nullptr;
    }

    // The processes the stand-in wrote down (itself and the one it started), once it has.
    std::vector<DWORD> DiagnosticsProcesses() {
        std::vector<DWORD> pids;
        std::optional<std::string> text = ReadFileBytes(folder.Path() + L"never-ending-pids.txt");
        unsigned long parent = 0, child = 0;
        if (text && std::sscanf(text->c_str(), "%lu %lu", &parent, &child) == 2 && child != 0)
            pids = {parent, child};
        return pids;
    }
};

// The run waits in its graphics step: the window shows that step, and its Cancel (typed as its
// access key) stops the diagnostics program with the process it started and ends the program
// with 2, before the main window ever shows and without writing the requested result.
TEST_F(ProgressWindow, CancelStopsTheDiagnosticsAndEndsWithTwo) {
    CDrivenProcess program;
    ASSERT_TRUE(program.Start(
        {L"\"" + folder.Path() + L"VelkoraSysTest.exe\" -accepteula -json \"" + out + L"result.json\"",
         folder.Path(),
         {}}));
    HWND progress = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (progress = WindowHoldingControlOf(program.ProcessId(), L"msctls_progress32")); },
        kWait));
    std::vector<DWORD> diagnostics;
    ASSERT_TRUE(WaitUntil([&] { return !(diagnostics = DiagnosticsProcesses()).empty(); }, kWait));
    // The step texts come from the language module; the graphics step is the last.
    HWND step = ControlOf(progress, IDC_PROGRESS_STEP);
    ASSERT_TRUE(WaitUntil(
        [&] { return SendMessageW(ControlOf(progress, IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0) >= 30; }, kWait));
    EXPECT_FALSE(TextOf(step).empty());
    EXPECT_FALSE(TextOf(progress).empty());

    HWND cancel = ControlOf(progress, IDCANCEL);
    const wchar_t key = Velkora::AccessKeyOf(TextOf(cancel));
    ASSERT_NE(key, 0) << Utf8Of(TextOf(cancel));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(progress) == cancel; }, 5000)) << "Cancel has the focus";
    PressAccessKey(progress, Lower(key));

    std::optional<DWORD> code = program.WaitForExit(kWait);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 2u);
    EXPECT_TRUE(FilesIn(out).empty()) << "a cancelled run writes nothing";
    for (DWORD pid : diagnostics) {
        EXPECT_TRUE(ProcessEndsWithin(pid, 10000)) << "process " << pid << " still runs";
    }
}

// A quit while the checks still run is a Cancel: the diagnostics are stopped with what they
// started, the program ends with 2 and writes nothing (the run's thread still appends to what
// would be written). Tried both ways it arrives: a WM_CLOSE to the main window, made hidden while
// the checks run, and a WM_QUIT to the window thread.
TEST_F(ProgressWindow, AQuitDuringTheRunIsACancel) {
    for (const bool closeMessage : {true, false}) {
        SCOPED_TRACE(closeMessage ? "WM_CLOSE to the main window" : "WM_QUIT");
        CDrivenProcess program;
        Launch(program, L"-accepteula -json \"" + out + L"result.json\" -report \"" + out + L"report.txt\"");
        std::vector<DWORD> diagnostics;
        ASSERT_TRUE(WaitUntil([&] { return !(diagnostics = DiagnosticsProcesses()).empty(); }, kWait));
        HWND main = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] { return (main = AnyWindowHoldingControlOf(program.ProcessId(), L"UserList")); }, kWait));
        EXPECT_FALSE(IsWindowVisible(main));
        Sleep(2000);
        if (closeMessage) {
            PostMessageW(main, WM_CLOSE, 0, 0);
        } else {
            PostThreadMessageW(GetWindowThreadProcessId(main, nullptr), WM_QUIT, 0, 0);
        }
        std::optional<DWORD> code = program.WaitForExit(kWait);
        ASSERT_TRUE(code);
        EXPECT_EQ(*code, 2u);
        EXPECT_TRUE(FilesIn(out).empty()) << "a cancelled run writes nothing";
        for (DWORD pid : diagnostics)
            EXPECT_TRUE(ProcessEndsWithin(pid, 10000)) << "process " << pid << " still runs";
        DeleteFileW((folder.Path() + L"never-ending-pids.txt").c_str());
    }
}

// A box the run shows (here: the diagnostics program is missing) belongs to the progress window
// and is modal to it: it is the active window, the progress window and its Cancel are disabled,
// and Enter or Escape close the box, never the run. The main window follows with the rows.
TEST_F(ProgressWindow, ABoxOfTheRunBelongsToTheProgressWindow) {
    ASSERT_TRUE(DeleteFileW((folder.Path() + L"Zentoli.exe").c_str()));
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(key == VK_RETURN ? "Enter" : "Escape");
        CDrivenProcess program;
        Launch(program, L"-accepteula -report \"" + out + L"report.txt\"");
        HWND box = nullptr, progress = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                for (HWND window : TopLevelWindowsOf(program.ProcessId())) {
                    HWND owner = GetWindow(window, GW_OWNER);
                    if (ClassNameOf(window) == L"#32770" &&
                        !FindWindowExW(window, nullptr, L"msctls_progress32", nullptr))
                        box = window, progress = owner;
                }
                return box != nullptr;
            },
            kWait));
        ASSERT_NE(progress, nullptr) << "the box has no owner";
        EXPECT_TRUE(FindWindowExW(progress, nullptr, L"msctls_progress32", nullptr))
            << "owned by another window";
        EXPECT_FALSE(IsWindowEnabled(progress));
        // The progress window shows after half a second, behind the box.
        Sleep(700);
        EXPECT_EQ(GetForegroundWindow(), box);
        HWND focus = FocusOf(box);
        PressKey(focus ? focus : box, key);
        HWND main = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] { return (main = WindowHoldingControlOf(program.ProcessId(), L"UserList")); }, kWait))
            << "the run did not go on";
        std::optional<std::string> report = ReadFileBytes(out + L"report.txt");
        ASSERT_TRUE(report);
        EXPECT_NE(report->find("could not be started"), std::string::npos) << *report;
        PostCommand(main, IDOK);
        std::optional<DWORD> code = program.WaitForExit(kWait);
        ASSERT_TRUE(code);
        EXPECT_EQ(*code, 1u);
        DeleteFileW((out + L"report.txt").c_str());
    }
}

// After a run longer than half a second the main window is the active window, and the progress
// window is gone (it closes only once the main window has taken the activation from it).
TEST_F(ProgressWindow, TheMainWindowTakesTheForeground) {
    CDrivenProcess program;
    Launch(program, L"-accepteula -timeout 2");
    HWND progress = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (progress = WindowHoldingControlOf(program.ProcessId(), L"msctls_progress32")); },
        kWait));
    HWND main = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (main = WindowHoldingControlOf(program.ProcessId(), L"UserList")); }, kWait));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(progress); }, 5000)) << "the progress window stays";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }, 5000));
    PostCommand(main, IDOK);
    std::optional<DWORD> code = program.WaitForExit(kWait);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 1u);
}

// Nothing that writes a file starts before the licence is accepted: declined, no diagnostics
// program ever ran.
TEST_F(ProgressWindow, DecliningTheLicenceStartsNoDiagnostics) {
    CDrivenProcess program;
    ASSERT_TRUE(program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\"", folder.Path(), {}}));
    HWND licence = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (licence = WindowHoldingControlOf(program.ProcessId(), L"ListBox")); },
                          kWait));
    PostCommand(licence, IDCANCEL);
    std::optional<DWORD> code = program.WaitForExit(kWait);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 2u);
    EXPECT_TRUE(DiagnosticsProcesses().empty());
    EXPECT_FALSE(ReadFileBytes(folder.Path() + L"never-ending-pids.txt")) << "the diagnostics program ran";
}

} // namespace

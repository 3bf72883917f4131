// The progress window of a dialog run, for real: a diagnostics program that never ends keeps the
// run in its graphics step, where the user can cancel it; and a declined licence starts nothing.
#include "unattended_program_win32.h"

#include <commctrl.h>

#include "access_key.h"

namespace {

using namespace VelkoraTest;

const std::wstring kNeverEnding = WinePathOf(VELKORA_NEVER_ENDING);

wchar_t Lower(wchar_t key) { return key >= L'A' && key <= L'Z' ? static_cast<wchar_t>(key - L'A' + L'a') : key; }

class ProgressWindow : public UnattendedProgram {
protected:
    void SetUp() override {
        UnattendedProgram::SetUp();
        ASSERT_TRUE(CopyFileW(kNeverEnding.c_str(), (folder.Path() + L"Zentoli.exe").c_str(), FALSE));
    }

    // The processes the stand-in wrote down (itself and the one it started), once it has.
    std::vector<DWORD> DiagnosticsProcesses() {
        std::vector<DWORD> pids;
        std::optional<std::string> text = ReadFileBytes(folder.Path() + L"never-ending-pids.txt");
        unsigned long parent = 0, child = 0;
        if (text && std::sscanf(text->c_str(), "%lu %lu", &parent, &child) == 2 && child != 0) pids = {parent, child};
        return pids;
    }
};

// The run waits in its graphics step: the window shows that step, and its Cancel (typed as its
// access key) stops the diagnostics program with the process it started and ends the program
// with 2, before the main window ever shows and without writing the requested result.
TEST_F(ProgressWindow, CancelStopsTheDiagnosticsAndEndsWithTwo) {
    CDrivenProcess program;
    ASSERT_TRUE(program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\" -accepteula -json \"" + out +
                                   L"result.json\"",
                               folder.Path(), {}}));
    HWND progress = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (progress = WindowHoldingControlOf(program.ProcessId(), L"msctls_progress32")); },
                          kWait));
    std::vector<DWORD> diagnostics;
    ASSERT_TRUE(WaitUntil([&] { return !(diagnostics = DiagnosticsProcesses()).empty(); }, kWait));
    // The step texts come from the language module; the graphics step is the last.
    HWND step = ControlOf(progress, 1010);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(ControlOf(progress, 1011), PBM_GETPOS, 0, 0) >= 30; }, kWait));
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

// Nothing that writes a file starts before the licence is accepted: declined, no diagnostics
// program ever ran.
TEST_F(ProgressWindow, DecliningTheLicenceStartsNoDiagnostics) {
    CDrivenProcess program;
    ASSERT_TRUE(program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\"", folder.Path(), {}}));
    HWND licence = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (licence = WindowHoldingControlOf(program.ProcessId(), L"ListBox")); }, kWait));
    PostCommand(licence, IDCANCEL);
    std::optional<DWORD> code = program.WaitForExit(kWait);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 2u);
    EXPECT_TRUE(DiagnosticsProcesses().empty());
    EXPECT_FALSE(ReadFileBytes(folder.Path() + L"never-ending-pids.txt")) << "the diagnostics program ran";
}

} // namespace

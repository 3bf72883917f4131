// A language module made for an earlier version holds only the original texts. The texts added
// since come from the English module beside the program, or from the program itself when the
// earlier module is the English one: no row, caption or button of a run is ever blank.
#include "unattended_program_win32.h"

#include <commctrl.h>

#include "resource.h" // the program's control IDs

namespace {

using namespace VelkoraTest;

const std::wstring kEarlierModules = WinePathOf(VELKORA_EARLIER_MODULE_DIR) + L"\\";
const std::wstring kNeverEnding = WinePathOf(VELKORA_NEVER_ENDING);

std::wstring UserLanguageCode() {
    wchar_t code[30] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, code, 30);
    return code;
}

// Every visible child control of a window that shows a text: statics and buttons.
std::vector<HWND> TextControlsOf(HWND window) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = ClassNameOf(child);
        if (IsWindowVisible(child) && (kind == L"Static" || kind == L"Button"))
            controls.push_back(child);
    }
    return controls;
}

void ExpectNoBlankText(HWND window, const char* what) {
    EXPECT_FALSE(TextOf(window).empty()) << what << ": the caption is blank";
    for (HWND control : TextControlsOf(window)) {
        if (GetWindowLongW(control, GWL_STYLE) & (SS_BITMAP | SS_ICON))
            continue; // a picture, not a text
        EXPECT_FALSE(TextOf(control).empty()) << what << ": control " << GetDlgCtrlID(control) << " ("
                                              << Utf8Of(ClassNameOf(control)) << ") is blank";
    }
}

class EarlierLanguageModule : public UnattendedProgram {
  protected:
    void SetUp() override {
        UnattendedProgram::SetUp();
        const std::wstring code = UserLanguageCode();
        if (code != L"en" && code != L"de")
            GTEST_SKIP() << "runs where an English or German module is the locale's";
        const std::wstring earlier =
            kEarlierModules + (code == L"de" ? L"EarlierTexts_De.Dll" : L"EarlierTexts_En.Dll");
        ASSERT_TRUE(
            CopyFileW(earlier.c_str(), (folder.Path() + L"VelkoraSystest_" + code + L".Dll").c_str(), FALSE));
    }

    void Launch(CDrivenProcess& program, const std::wstring& arguments) {
        ASSERT_TRUE(
            program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\" " + arguments, folder.Path(), {}}));
    }
};

// The progress window's caption, step and Cancel are later texts.
TEST_F(EarlierLanguageModule, TheProgressWindowHasNoBlankText) {
    ASSERT_TRUE(CopyFileW(kNeverEnding.c_str(), (folder.Path() + L"Zentoli.exe").c_str(), FALSE));
    CDrivenProcess program;
    Launch(program, L"-accepteula");
    HWND progress = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            progress = WindowHoldingControlOf(program.ProcessId(), L"msctls_progress32");
            return progress && SendMessageW(ControlOf(progress, IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0) > 0;
        },
        kWait));
    ExpectNoBlankText(progress, "progress window");
    PostCommand(progress, IDCANCEL);
    std::optional<DWORD> code = program.WaitForExit(kWait);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 2u);
}

// Without the diagnostics program the run warns in a later text (in a box and a row); the main
// window, every row and every report line have their words.
TEST_F(EarlierLanguageModule, TheRowsBoxAndMainWindowHaveNoBlankText) {
    ASSERT_TRUE(DeleteFileW((folder.Path() + L"Zentoli.exe").c_str()));
    CDrivenProcess program;
    Launch(program, L"-accepteula -json \"" + out + L"result.json\" -report \"" + out + L"report.txt\"");
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND window : TopLevelWindowsOf(program.ProcessId()))
                if (ClassNameOf(window) == L"#32770" && GetDlgItem(window, 0xFFFF))
                    box = window;
            return box != nullptr;
        },
        kWait));
    EXPECT_FALSE(TextOf(GetDlgItem(box, 0xFFFF)).empty()) << "the box says nothing";
    EXPECT_FALSE(TextOf(box).empty()) << "the box has no caption";
    PostCommand(box, IDOK);

    HWND main = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (main = WindowHoldingControlOf(program.ProcessId(), L"UserList")); }, kWait));
    ExpectNoBlankText(main, "main window");

    json result = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_TRUE(result.contains("checks"));
    bool diagnosticsRow = false;
    for (const json& check : result["checks"]) {
        EXPECT_FALSE(check["label"].get<std::string>().empty()) << check.dump();
        EXPECT_FALSE(check["text"].get<std::string>().empty()) << check.dump();
        diagnosticsRow |= check["text"] ==
                          "The graphics test (Zentoli.exe) could not be started; the graphics "
                          "hardware was not checked.";
    }
    EXPECT_TRUE(diagnosticsRow) << "the diagnostics' row is not the English text: "
                                << result["checks"].dump();

    std::optional<std::string> report = ReadFileBytes(out + L"report.txt");
    ASSERT_TRUE(report);
    for (const std::string& line : ReportLines(*report)) {
        const std::size_t separator = line.find(": ");
        if (separator != std::string::npos) {
            EXPECT_LT(separator + 2, line.size()) << "a line with nothing after its label: " << line;
        }
    }
    PostCommand(main, IDOK);
    std::optional<DWORD> code = program.WaitForExit(kWait);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 1u);
}

} // namespace

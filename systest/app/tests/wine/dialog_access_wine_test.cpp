// The dialog program for users without a mouse and with screen readers: access keys from
// wherever the focus is, the list through oleacc from another process, texts shown as they are,
// and the help option.
#include <windows.h>

#include <oleacc.h>

#include <map>
#include <set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "access_key.h"
#include "com_objects_win32.h"
#include "command_line.h"
#include "dialog_program_fixture.h"
#include "help_text.h"
#include "resource.h" // the program's control IDs

namespace {

using namespace DialogTest;

std::vector<HWND> ButtonsOf(HWND dialog) {
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassNameOf(child) == L"Button" && (GetWindowLongW(child, GWL_STYLE) & 0xF) != BS_GROUPBOX)
            buttons.push_back(child);
    }
    return buttons;
}

// Every button has an access key of its own in the window; answers them by control ID.
std::map<int, wchar_t> AccessKeysOf(HWND dialog) {
    std::map<int, wchar_t> keys;
    std::set<wchar_t> seen;
    for (HWND button : ButtonsOf(dialog)) {
        std::wstring caption = TextOf(button);
        wchar_t key = Velkora::AccessKeyOf(caption);
        EXPECT_NE(key, 0) << "no access key: " << Utf8Of(caption);
        EXPECT_TRUE(seen.insert(key).second) << "access key used twice: " << Utf8Of(caption);
        keys[GetDlgCtrlID(button)] = key;
    }
    return keys;
}

wchar_t Lower(wchar_t key) {
    return key >= L'A' && key <= L'Z' ? static_cast<wchar_t>(key - L'A' + L'a') : key;
}

class DialogAccess : public DialogProgram {
  protected:
    HWND WaitForMain() {
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(licence); }, kWait));
        return WaitForMainWindow();
    }
};

// In the user's language (the test runs again in German): Alt and the key work while the focus is
// in the licence text or in the result list, which keeps Tab and letters for itself.
TEST_F(DialogAccess, AccessKeyOnEveryButtonWorksWhereverTheFocusIs) {
    WriteFileBytes(licencePath, "Line one\r\nLine two\r\n");
    Launch(L"");
    licence = program.WaitForWindow(L"#32770", L"", kWait);
    ASSERT_NE(licence, nullptr);
    std::map<int, wchar_t> keys = AccessKeysOf(licence);
    ASSERT_EQ(keys.size(), 3u) << "consent box, decline, accept";
    HWND accept = ControlOf(licence, IDOK);
    // The keys are typed once the window is active with the focus in the licence text.
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(licence) == ControlOf(licence, IDC_LIC_TEXT); }, 5000))
        << "focus on " << Utf8Of(ClassNameOf(FocusOf(licence)));
    PressAccessKey(licence, Lower(keys[IDC_LIC_CONSENT]));
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(ControlOf(licence, IDC_LIC_CONSENT)); }, 5000))
        << "the consent box's key";
    EXPECT_TRUE(WaitUntil([&] { return IsEnabledControl(accept); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(licence) == accept; }, 5000))
        << "ticking moves the focus to Accept";
    PressAccessKey(licence, Lower(keys[IDOK]));
    HWND main = WaitForMain();
    ASSERT_NE(main, nullptr);

    keys = AccessKeysOf(main);
    ASSERT_EQ(keys.size(), 2u) << "report and OK";
    HWND list = ControlOf(main, IDC_MAIN_LIST);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == list; }, 5000))
        << "the list takes the focus at first, not " << Utf8Of(ClassNameOf(FocusOf(main))) << " "
        << GetDlgCtrlID(FocusOf(main)) << " active " << (GetForegroundWindow() == main);
    std::wstring recordPath = folder.Path() + L"opened.txt";
    {
        CTextOpenRecorder recorder(recordPath);
        PressAccessKey(main, Lower(keys[IDC_MAIN_REPORT]));
        EXPECT_TRUE(WaitUntil(
            [&] {
                return ReadFileBytes(recordPath).value_or("").find("VelkoraSysTest.txt") != std::string::npos;
            },
            kWait))
            << "the report button's key from the list";
    }
    EXPECT_TRUE(IsWindow(main));
    PressAccessKey(main, Lower(keys[IDOK]));
    EXPECT_EQ(ExitCode(), 1u);
}

TEST_F(DialogAccess, RunTimeTextsShowAmpersandsAsTheyAre) {
    Launch(L"-accepteula");
    HWND main = WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // the report header (it carries the computer's name), the summary label and text
    for (HWND text : {GetDlgItem(main, IDC_MAIN_REPORT_HEADER), ControlOf(main, IDC_MAIN_SUMMARY_TEXT),
                      ControlOf(main, IDC_MAIN_SUMMARY_LABEL)}) {
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & SS_NOPREFIX) << Utf8Of(TextOf(text));
    }
    PostCommand(main, IDCANCEL);
    EXPECT_EQ(ExitCode(), 2u);
}

// A screen reader in another process reads the real main window's list through oleacc: every row
// is named by its status label and its text, as the result document lists them.
TEST_F(DialogAccess, ScreenReaderReadsEveryRowOfTheMainWindow) {
    std::wstring jsonPath = folder.Path() + L"result.json";
    Launch(L"-accepteula -json \"" + jsonPath + L"\"");
    HWND main = WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    nlohmann::json result = nlohmann::json::parse(ReadFileBytes(jsonPath).value_or(""), nullptr, false);
    ASSERT_FALSE(result.is_discarded());
    const nlohmann::json& checks = result["checks"];
    ASSERT_GE(checks.size(), 6u);

    CoInitialize(nullptr);
    {
        Velkora::CComPtr<IAccessible> accessible;
        ASSERT_EQ(AccessibleObjectFromWindow(ControlOf(main, IDC_MAIN_LIST), static_cast<DWORD>(OBJID_CLIENT),
                                             __uuidof(IAccessible), accessible.ReceiveVoid()),
                  S_OK);
        long count = 0;
        ASSERT_EQ(accessible->get_accChildCount(&count), S_OK);
        EXPECT_EQ(count, static_cast<long>(checks.size()) + 2) << "one child per row and per column title";
        auto child = [](long id) {
            VARIANT v;
            VariantInit(&v);
            v.vt = VT_I4;
            v.lVal = id;
            return v;
        };
        auto name = [&](long id) {
            Velkora::CBstr text;
            if (FAILED(accessible->get_accName(child(id), text.Receive())) || !text)
                return std::string("<none>");
            return Utf8Of(std::wstring(text.Get(), SysStringLen(text.Get())));
        };
        VARIANT role;
        ASSERT_EQ(accessible->get_accRole(child(CHILDID_SELF), &role), S_OK);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_LIST);
        EXPECT_NE(name(CHILDID_SELF), "<none>");
        EXPECT_FALSE(name(CHILDID_SELF).empty()) << "the list has a name";
        for (std::size_t i = 0; i < checks.size(); ++i) {
            long id = static_cast<long>(i) + 1;
            EXPECT_EQ(name(id),
                      checks[i]["label"].get<std::string>() + ", " + checks[i]["text"].get<std::string>());
            ASSERT_EQ(accessible->get_accRole(child(id), &role), S_OK);
            EXPECT_EQ(role.lVal, ROLE_SYSTEM_LISTITEM);
            VARIANT state;
            ASSERT_EQ(accessible->get_accState(child(id), &state), S_OK);
            EXPECT_TRUE(state.lVal & STATE_SYSTEM_SELECTABLE);
            EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSABLE);
            EXPECT_EQ((state.lVal & STATE_SYSTEM_FOCUSED) != 0, i == 0)
                << "the list has the focus, on the first row";
        }
        ASSERT_EQ(accessible->get_accRole(child(count), &role), S_OK);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_COLUMNHEADER);
    }
    CoUninitialize();
    PostCommand(main, IDOK);
    EXPECT_EQ(ExitCode(), 1u);
}

TEST_F(DialogAccess, HelpWritesTheUsageAndStartsNothing) {
    for (const wchar_t* word : {L"/?", L"-?", L"-h", L"-HELP"}) {
        CDrivenProcess help;
        ASSERT_TRUE(help.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\" " + word, folder.Path(), {}}));
        auto code = help.WaitForExit(kWait);
        ASSERT_TRUE(code.has_value()) << "still running: it opened a window";
        EXPECT_EQ(*code, 0u);
        // In the user's language: the English module's text is the built-in one, word for word.
        const std::string shown = help.Output();
        if (UserLanguageCode() == L"de") {
            EXPECT_EQ(shown.rfind("Aufruf: VelkoraSysTest [-accepteula] [-silent] [-report PFAD|-]", 0), 0u)
                << shown;
            EXPECT_NE(shown.find("\r\nExitcodes:\r\n"), std::string::npos) << shown;
        } else {
            EXPECT_EQ(shown, Utf8Of(Velkora::HelpText())) << Utf8Of(word);
        }
        EXPECT_EQ(help.Errors(), "");
    }
}

// Without standard output and with -silent, the usage goes nowhere: no box waits for someone.
TEST_F(DialogAccess, SilentHelpWithoutStandardOutputShowsNoBox) {
    std::wstring commandLine = L"\"" + folder.Path() + L"VelkoraSysTest.exe\" -silent -?";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                               nullptr, folder.Path().c_str(), &startup, &process));
    Velkora::CHandle thread(process.hThread), started(process.hProcess);
    const bool ended = WaitForSingleObject(started.Get(), 10000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended) << "still running: a box waits";
    if (!ended)
        TerminateProcess(started.Get(), 1);
    DWORD code = 0xBAD;
    GetExitCodeProcess(started.Get(), &code);
    EXPECT_EQ(code, 0u);
}

// Started from Explorer there is no standard output and no console to write to: the usage shows
// in a message box instead, and the program ends with 0 once it is closed.
TEST_F(DialogAccess, HelpWithoutStandardOutputShowsTheUsageInABox) {
    std::wstring commandLine = L"\"" + folder.Path() + L"VelkoraSysTest.exe\" -?";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES; // and no handles at all
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                               nullptr, folder.Path().c_str(), &startup, &process));
    Velkora::CHandle thread(process.hThread), started(process.hProcess);
    HWND box = nullptr;
    bool shown = WaitUntil(
        [&] { return (box = WindowHoldingControlOf(process.dwProcessId, L"Static")) != nullptr; }, kWait);
    if (shown) {
        // The box's text is the usage (the box may wrap it, but keeps every word).
        std::wstring shownText;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassNameOf(child) == L"Static" && TextOf(child).size() > shownText.size())
                shownText = TextOf(child);
        }
        EXPECT_EQ(TextOf(box), L"VelkoraSysTest");
        EXPECT_NE(shownText.find(L"-accepteula"), std::wstring::npos) << Utf8Of(shownText);
        if (UserLanguageCode() != L"de") {
            EXPECT_EQ(shownText.size(), Velkora::HelpText().size()) << Utf8Of(shownText);
        }
        PostCommand(box, IDOK);
    }
    EXPECT_TRUE(shown) << "no message box";
    EXPECT_EQ(WaitForSingleObject(started.Get(), kWait), WAIT_OBJECT_0);
    DWORD code = 0xBAD;
    GetExitCodeProcess(started.Get(), &code);
    if (code == STILL_ACTIVE)
        TerminateProcess(started.Get(), 1);
    EXPECT_EQ(code, 0u);
}

} // namespace

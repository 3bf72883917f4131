#pragma once
// The dialog program started from a copy of the deliverable folder, driven like a user would;
// shared by the dialog program's Wine tests.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "deliverable_copy_win32.h"
#include "driven_process_win32.h"
#include "file_contents_win32.h"
#include "resource.h" // the program's control IDs
#include "screenshot_win32.h"
#include "temp_folder_win32.h"
#include "window_probe_win32.h"

namespace DialogTest {

using namespace VelkoraTest;

inline const std::wstring kDeliverable = WinePathOf(VELKORA_DELIVERABLE_DIR) + L"\\";
inline const std::wstring kScreenshots = WinePathOf(VELKORA_SCREENSHOT_DIR) + L"\\";
inline constexpr DWORD kWait = 60000;

// Points the shell's "open" for .txt files at a command that records the path it was given, and
// puts back what was there before. A user's machine opens the report in its text editor.
class CTextOpenRecorder {
  public:
    explicit CTextOpenRecorder(const std::wstring& recordPath) {
        extension = Remember(L"Software\\Classes\\.txt");
        command = Remember(L"Software\\Classes\\txtfile\\shell\\open\\command");
        Set(L"Software\\Classes\\.txt", L"txtfile");
        Set(L"Software\\Classes\\txtfile\\shell\\open\\command",
            L"C:\\windows\\system32\\cmd.exe /c echo %1>\"" + recordPath + L"\"");
    }
    ~CTextOpenRecorder() {
        Restore(L"Software\\Classes\\.txt", extension);
        Restore(L"Software\\Classes\\txtfile\\shell\\open\\command", command);
    }
    CTextOpenRecorder(const CTextOpenRecorder&) = delete;
    CTextOpenRecorder& operator=(const CTextOpenRecorder&) = delete;

  private:
    struct Saved {
        bool existed = false;
        std::wstring value;
    };
    static Saved Remember(const wchar_t* key) {
        Saved saved;
        wchar_t value[1024] = {};
        DWORD bytes = sizeof value - sizeof(wchar_t);
        saved.existed = RegGetValueW(HKEY_LOCAL_MACHINE, key, nullptr, RRF_RT_REG_SZ, nullptr, value,
                                     &bytes) == ERROR_SUCCESS;
        saved.value = value;
        return saved;
    }
    static void Set(const wchar_t* key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    static void Restore(const wchar_t* key, const Saved& saved) {
        if (saved.existed)
            Set(key, saved.value);
        else
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
    }

    Saved extension, command;
};

// A copy of the deliverable folder in which the program runs, with licence texts of the test's own.
class DialogProgram : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.IsValid());
        ASSERT_EQ(Utf8Of(CopyDeliverable(kDeliverable, folder.Path(), false)), "") << "not copied";
        licencePath = folder.Path() + L"Lic_" + UserLanguageCode() + L".Txt";
    }

    // The program with these words on its command line; nothing is waited for.
    void Launch(const std::wstring& arguments) {
        ASSERT_TRUE(
            program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\" " + arguments, folder.Path(), {}}));
    }

    void Start() {
        ASSERT_TRUE(program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\"", folder.Path(), {}}));
        // the window with the licence list, whatever the language
        WaitUntil(
            [&] { return (licence = WindowHoldingControlOf(program.ProcessId(), L"ListBox")) != nullptr; },
            kWait);
        ASSERT_NE(licence, nullptr);
    }

    HWND AcceptLicence() {
        ClickButton(ControlOf(licence, IDC_LIC_CONSENT));
        EXPECT_TRUE(WaitUntil([&] { return IsEnabledControl(ControlOf(licence, IDOK)); }, 5000));
        PressKey(licence, VK_RETURN);
        return WaitForMainWindow();
    }

    // The main window, whatever the language: the window with the result list (the progress window
    // may show before it), once it holds the focus: keys typed while the progress window still has
    // it would go to a window that is about to close.
    HWND WaitForMainWindow() {
        HWND main = nullptr;
        WaitUntil(
            [&] {
                main = WindowHoldingControlOf(program.ProcessId(), L"UserList");
                HWND focus = main ? FocusOf(main) : nullptr;
                return focus && (focus == main || IsChild(main, focus));
            },
            kWait);
        return main;
    }

    DWORD ExitCode() {
        auto code = program.WaitForExit(kWait);
        EXPECT_TRUE(code.has_value());
        return code.value_or(0xBAD);
    }

    CTempFolder folder{L"velkora-dialog"};
    CDrivenProcess program;
    std::wstring licencePath;
    HWND licence = nullptr;
};

} // namespace DialogTest

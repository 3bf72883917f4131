// The dialog program for real: licence window and main window driven like a user would.
#include <windows.h>

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "deliverable_copy_win32.h"
#include "driven_process_win32.h"
#include "file_contents_win32.h"
#include "screenshot_win32.h"
#include "temp_folder_win32.h"
#include "window_probe_win32.h"

namespace {

using namespace VelkoraTest;

const std::wstring kDeliverable = WinePathOf(VELKORA_DELIVERABLE_DIR) + L"\\";
const std::wstring kScreenshots = WinePathOf(VELKORA_SCREENSHOT_DIR) + L"\\";
constexpr DWORD kWait = 60000;

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

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
        saved.existed = RegGetValueW(HKEY_LOCAL_MACHINE, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &bytes) ==
                        ERROR_SUCCESS;
        saved.value = value;
        return saved;
    }
    static void Set(const wchar_t* key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    static void Restore(const wchar_t* key, const Saved& saved) {
        if (saved.existed) Set(key, saved.value);
        else RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
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

    void Start() {
        ASSERT_TRUE(program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\"", folder.Path(), {}}));
        licence = program.WaitForWindow(L"#32770", L"Velkora 2018 Licence Agreement", kWait);
        ASSERT_NE(licence, nullptr);
    }

    HWND AcceptLicence() {
        ClickButton(ControlOf(licence, 1006));
        EXPECT_TRUE(WaitUntil([&] { return IsEnabledControl(ControlOf(licence, IDOK)); }, 5000));
        PressKey(licence, VK_RETURN);
        return program.WaitForWindow(L"#32770", L"Velkora 2018 System Check", kWait);
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

TEST_F(DialogProgram, LicenceLinesInFileOrderFromUtf16) {
    // UTF-16 little-endian with an empty line and a final line end.
    std::wstring text = L"Erste Zeile \x00e4\x00f6\x00fc\r\n\r\nDritte Zeile\r\n";
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    WriteBytes(licencePath, bytes);
    Start();
    EXPECT_EQ(ListBoxItemsOf(ControlOf(licence, 1001)),
              (std::vector<std::wstring>{L"Erste Zeile \x00e4\x00f6\x00fc", L"", L"Dritte Zeile", L""}));
    PostCommand(licence, IDCANCEL);
    EXPECT_EQ(ExitCode(), 2u);
}

TEST_F(DialogProgram, LicenceConsentEnablesAcceptAndEnterDoesNotAcceptBefore) {
    WriteBytes(licencePath, "\xEF\xBB\xBFLine one\nLine \xC3\xA4 two");
    Start();
    EXPECT_EQ(ListBoxItemsOf(ControlOf(licence, 1001)), (std::vector<std::wstring>{L"Line one", L"Line \x00e4 two"}));
    HWND accept = ControlOf(licence, IDOK);
    EXPECT_FALSE(IsEnabledControl(accept));
    PressKey(licence, VK_RETURN);
    Sleep(500);
    EXPECT_TRUE(IsWindow(licence)) << "Enter accepted while Accept was disabled";
    ClickButton(ControlOf(licence, 1006));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabledControl(accept); }, 5000));
    ClickButton(ControlOf(licence, 1006));
    EXPECT_TRUE(WaitUntil([&] { return !IsEnabledControl(accept); }, 5000));
    SaveWindowScreenshot(licence, kScreenshots + L"licence.bmp");
    PostMessageW(licence, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
    EXPECT_EQ(ExitCode(), 2u);
    EXPECT_TRUE(TopLevelWindowsOf(program.ProcessId()).empty());
}

TEST_F(DialogProgram, EscapeDeclinesWithoutMainWindow) {
    Start(); // no licence text at all: an empty list, the box can still be ticked
    EXPECT_TRUE(ListBoxItemsOf(ControlOf(licence, 1001)).empty());
    PressKey(licence, VK_ESCAPE);
    EXPECT_EQ(ExitCode(), 2u);
}

TEST_F(DialogProgram, MainWindowShowsTheRunAndWritesTheReport) {
    Start();
    HWND main = AcceptLicence();
    ASSERT_NE(main, nullptr);
    std::wstring label = TextOf(ControlOf(main, 1005));
    std::wstring summary = TextOf(ControlOf(main, 1004));
    std::wstring header = TextOf(GetDlgItem(main, -1)); // the report header line
    EXPECT_FALSE(label.empty());
    // The bare word: the separator of the label text belongs to the report.
    EXPECT_TRUE(label == L"Met" || label == L"Warning" || label == L"Not met") << Utf8(label);
    EXPECT_NE(summary.find(L"Velkora 2018"), std::wstring::npos);
    EXPECT_EQ(header.rfind(L"Computer \"", 0), 0u) << Utf8Of(header);
    EXPECT_EQ(TextOf(ControlOf(main, 1008)), L"Write report");
    EXPECT_EQ(SendMessageW(ControlOf(main, 1000), STM_GETICON, 0, 0) != 0, true);
    Sleep(300);
    SaveWindowScreenshot(main, kScreenshots + L"main.bmp");

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring reportPath = std::wstring(temp) + L"VelkoraSysTest.txt";
    DeleteFileW(reportPath.c_str());
    std::wstring recordPath = folder.Path() + L"opened.txt";
    std::string first;
    {
        CTextOpenRecorder recorder(recordPath);
        for (int press = 0; press < 2; ++press) {
            DeleteFileW(recordPath.c_str());
            ClickButton(ControlOf(main, 1008));
            EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(recordPath).value_or("").find("VelkoraSysTest.txt") != std::string::npos; },
                                  kWait))
                << "the shell was not asked to open the report";
            if (press == 0) first = ReadFileBytes(reportPath).value_or("");
        }
    }
    std::string report = ReadFileBytes(reportPath).value_or("");
    EXPECT_EQ(report, first) << "two presses wrote different files";
    ASSERT_GT(report.size(), 3u);
    EXPECT_EQ(report.substr(0, 3), "\xEF\xBB\xBF");
    std::string text = report.substr(3);
    // First line the header, last line the summary, every line ended by CR LF, nothing after.
    EXPECT_EQ(text.rfind(Utf8Of(header) + "\r\n", 0), 0u);
    std::string last = Utf8Of(label + L": " + summary) + "\r\n";
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; ++at) {
        EXPECT_EQ(text[at - 1], '\r');
    }
    // Every result line carries one of the status labels, the text behind its separator.
    std::size_t lineStart = text.find("\r\n") + 2;
    int results = 0;
    while (lineStart < text.size() - last.size()) {
        std::string line = text.substr(lineStart, text.find("\r\n", lineStart) - lineStart);
        EXPECT_TRUE(line.rfind("Met: ", 0) == 0 || line.rfind("Warning: ", 0) == 0 || line.rfind("Not met: ", 0) == 0)
            << line;
        ++results;
        lineStart = text.find("\r\n", lineStart) + 2;
    }
    EXPECT_GE(results, 6); // five hardware checks and the closing note at least

    PressKey(main, VK_RETURN); // OK is the default button
    EXPECT_EQ(ExitCode(), 1u);
}

TEST_F(DialogProgram, MainWindowEscapeGivesTwo) {
    Start();
    HWND main = AcceptLicence();
    ASSERT_NE(main, nullptr);
    PressKey(main, VK_ESCAPE);
    EXPECT_EQ(ExitCode(), 2u);
}

TEST_F(DialogProgram, MainWindowOkButtonGivesOne) {
    Start();
    HWND main = AcceptLicence();
    ASSERT_NE(main, nullptr);
    PostCommand(main, IDOK);
    EXPECT_EQ(ExitCode(), 1u);
}

} // namespace

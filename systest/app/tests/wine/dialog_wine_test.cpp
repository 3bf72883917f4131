// The dialog program for real: licence window and main window driven like a user would.
#include <windows.h>

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "dialog_program_fixture.h"
#include "resource.h" // the program's control IDs

namespace {

using namespace DialogTest;

TEST_F(DialogProgram, LicenceLinesInFileOrderFromUtf16) {
    // UTF-16 little-endian with an empty line and a final line end.
    std::wstring text = L"Erste Zeile \x00e4\x00f6\x00fc\r\n\r\nDritte Zeile\r\n";
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    WriteFileBytes(licencePath, bytes);
    Start();
    EXPECT_EQ(ListBoxItemsOf(ControlOf(licence, IDC_LIC_TEXT)),
              (std::vector<std::wstring>{L"Erste Zeile \x00e4\x00f6\x00fc", L"", L"Dritte Zeile", L""}));
    PostCommand(licence, IDCANCEL);
    EXPECT_EQ(ExitCode(), 2u);
}

TEST_F(DialogProgram, LicenceConsentEnablesAcceptAndEnterDoesNotAcceptBefore) {
    WriteFileBytes(licencePath, "\xEF\xBB\xBFLine one\nLine \xC3\xA4 two");
    Start();
    EXPECT_EQ(ListBoxItemsOf(ControlOf(licence, IDC_LIC_TEXT)),
              (std::vector<std::wstring>{L"Line one", L"Line \x00e4 two"}));
    HWND accept = ControlOf(licence, IDOK);
    EXPECT_FALSE(IsEnabledControl(accept));
    PressKey(licence, VK_RETURN);
    Sleep(500);
    EXPECT_TRUE(IsWindow(licence)) << "Enter accepted while Accept was disabled";
    ClickButton(ControlOf(licence, IDC_LIC_CONSENT));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabledControl(accept); }, 5000));
    ClickButton(ControlOf(licence, IDC_LIC_CONSENT));
    EXPECT_TRUE(WaitUntil([&] { return !IsEnabledControl(accept); }, 5000));
    SaveWindowScreenshot(licence, kScreenshots + L"licence.bmp");
    PostMessageW(licence, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
    EXPECT_EQ(ExitCode(), 2u);
    EXPECT_TRUE(TopLevelWindowsOf(program.ProcessId()).empty());
}

TEST_F(DialogProgram, EscapeDeclinesWithoutMainWindow) {
    Start(); // no licence text at all: an empty list, the box can still be ticked
    EXPECT_TRUE(ListBoxItemsOf(ControlOf(licence, IDC_LIC_TEXT)).empty());
    PressKey(licence, VK_ESCAPE);
    EXPECT_EQ(ExitCode(), 2u);
}

TEST_F(DialogProgram, MainWindowShowsTheRunAndWritesTheReport) {
    Start();
    HWND main = AcceptLicence();
    ASSERT_NE(main, nullptr);
    std::wstring label = TextOf(ControlOf(main, IDC_MAIN_SUMMARY_LABEL));
    std::wstring summary = TextOf(ControlOf(main, IDC_MAIN_SUMMARY_TEXT));
    std::wstring header = TextOf(GetDlgItem(main, IDC_MAIN_REPORT_HEADER)); // the report header line
    EXPECT_FALSE(label.empty());
    // The bare word: the separator of the label text belongs to the report.
    EXPECT_TRUE(label == L"Met" || label == L"Warning" || label == L"Not met") << Utf8Of(label);
    EXPECT_NE(summary.find(L"Velkora 2018"), std::wstring::npos);
    EXPECT_EQ(header.rfind(L"Computer \"", 0), 0u) << Utf8Of(header);
    EXPECT_EQ(TextOf(ControlOf(main, IDC_MAIN_REPORT)), L"&Write report");
    EXPECT_EQ(SendMessageW(ControlOf(main, IDC_MAIN_SUMMARY_ICON), STM_GETICON, 0, 0) != 0, true);
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
            ClickButton(ControlOf(main, IDC_MAIN_REPORT));
            EXPECT_TRUE(WaitUntil(
                [&] {
                    return ReadFileBytes(recordPath).value_or("").find("VelkoraSysTest.txt") !=
                           std::string::npos;
                },
                kWait))
                << "the shell was not asked to open the report";
            if (press == 0)
                first = ReadFileBytes(reportPath).value_or("");
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
        EXPECT_TRUE(line.rfind("Met: ", 0) == 0 || line.rfind("Warning: ", 0) == 0 ||
                    line.rfind("Not met: ", 0) == 0)
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

// The windows at the DPI the test bed's prefix reports (set with its LogPixels value by
// dpi_screenshots.sh): screenshots to look at, and what can be measured of them: the logo and the
// about box's icon in proportion, list rows that hold their images, captions that fit their
// controls, licence lines that fit their list, and the screen check met with the real resolution.
// This program declares itself aware of each monitor's DPI, as the program under test does:
// where Windows scales programs that are not (Wine 10 does, Wine 8 does not), it would otherwise
// read the DPI and the window sizes scaled back to 96.
#include <windows.h>

#include <oleacc.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "com_objects_win32.h"
#include "dialog_program_fixture.h"
#include "gdi_objects_win32.h"
#include "text_file_read.h"

namespace {

using namespace DialogTest;

const std::wstring kNeverEnding = WinePathOf(VELKORA_NEVER_ENDING);

// Before any window or DPI is read (SetProcessDpiAwarenessContext is missing before Windows 10
// 1703 and in Wine 8, which scales nothing).
const bool kAwareOfEachMonitor = [] {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    auto set = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    return set && set(reinterpret_cast<HANDLE>(-4)); // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
}();

int ScreenDpi() {
    Velkora::CWindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

int Scaled(int value, int dpi) {
    return MulDiv(value, dpi, 96);
}

std::wstring WithoutAccessKey(std::wstring caption) {
    for (std::size_t at = caption.find(L'&'); at != std::wstring::npos; at = caption.find(L'&', at + 1))
        caption.erase(at, 1);
    return caption;
}

// The dialogs' font (8-point MS Shell Dlg at this DPI); a font handle of the program is no use here.
Velkora::CFontHandle DialogFont(int dpi) {
    return Velkora::CFontHandle(CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                            DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg"));
}

// The text in the dialogs' font fits the control's client area.
void ExpectCaptionsFit(HWND dialog, int dpi, const char* window) {
    Velkora::CFontHandle font = DialogFont(dpi);
    Velkora::CWindowDc screen(nullptr);
    Velkora::CSelection selected(screen.Get(), font.Get());
    HDC dc = screen.Get();
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring cls = ClassNameOf(child);
        LONG style = GetWindowLongW(child, GWL_STYLE);
        bool button = cls == L"Button";
        bool oneLineText =
            cls == L"Static" && (style & SS_TYPEMASK) == SS_LEFT && TextOf(child).find(L' ') != 0;
        if (!button && !oneLineText)
            continue;
        std::wstring text = WithoutAccessKey(TextOf(child));
        RECT client{};
        GetClientRect(child, &client);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        // a check box's text starts after its box; push buttons keep a margin for their frame
        int room = client.right -
                   (button ? ((style & 0xF) == BS_AUTOCHECKBOX ? Scaled(16, dpi) : Scaled(4, dpi)) : 0);
        if (cls == L"Static" && client.bottom < 2 * size.cy) {
            EXPECT_LE(size.cx, room) << window << ": " << Utf8Of(text) << " is cut at " << dpi << " DPI";
        } else if (button) {
            EXPECT_LE(size.cx, room) << window << ": " << Utf8Of(text) << " is cut at " << dpi << " DPI";
            EXPECT_GE(client.bottom, size.cy) << Utf8Of(text);
        }
    }
}

// Centred text that may wrap (the about box's): every line of it within the control.
void ExpectWrappedTextFits(HWND control, int dpi, const char* window) {
    Velkora::CFontHandle font = DialogFont(dpi);
    Velkora::CWindowDc screen(nullptr);
    Velkora::CSelection selected(screen.Get(), font.Get());
    std::wstring text = TextOf(control);
    RECT client{};
    GetClientRect(control, &client);
    RECT needed{0, 0, client.right, 0};
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
    EXPECT_LE(needed.right, client.right) << window << ": " << Utf8Of(text) << " at " << dpi << " DPI";
    EXPECT_LE(needed.bottom, client.bottom)
        << window << ": " << Utf8Of(text) << " is cut at " << dpi << " DPI";
}

// The verdict of a check in a result document ("met", "notMet", ...), empty when it has none.
std::string VerdictOf(const std::string& document, const std::string& id) {
    std::size_t at = document.find("\"id\": \"" + id + "\"");
    if (at == std::string::npos)
        return {};
    const std::string key = "\"verdict\": \"";
    at = document.find(key, at);
    if (at == std::string::npos)
        return {};
    at += key.size();
    return document.substr(at, document.find('"', at) - at);
}

// The text without its white space: what must survive any wrapping, in order.
std::wstring Letters(const std::wstring& text) {
    std::wstring letters;
    for (wchar_t c : text)
        if (!iswspace(c))
            letters.push_back(c);
    return letters;
}

std::wstring LettersOfFile(const std::wstring& path) {
    Velkora::CTextFileRead file(path);
    std::wstring letters, line;
    while (!file.AtEndOfFile() && file.ReadTextLine(line))
        letters += Letters(line);
    return letters;
}

// Both shipped licences, whatever the user's language: each entry of the list fits its width in
// the list's font, and the entries hold every word of the file in order.
class LicenceAtTheDpi : public DialogProgram, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(LicenceAtTheDpi, EntriesFitTheList) {
    const int dpi = ScreenDpi();
    const wchar_t* shipped = GetParam();
    {
        // the copy of the deliverable holds no licence texts; the test puts one in the user's language
        const std::wstring source = kDeliverable + shipped;
        ASSERT_TRUE(CopyFileW(source.c_str(), licencePath.c_str(), FALSE));
        Start();
        Sleep(300);
        SaveWindowScreenshot(licence, kScreenshots + L"licence-" + std::wstring(shipped, 6) + L"-" +
                                          std::to_wstring(dpi) + L"dpi.bmp");
        HWND list = ControlOf(licence, 1001);
        RECT client{};
        GetClientRect(list, &client);
        Velkora::CFontHandle font = DialogFont(dpi);
        Velkora::CWindowDc screen(nullptr);
        Velkora::CSelection selected(screen.Get(), font.Get());
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        ASSERT_GT(count, 0);
        std::wstring letters;
        for (LRESULT index = 0; index < count; ++index) {
            std::wstring entry(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)), L'\0');
            SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
            SIZE size{};
            GetTextExtentPoint32W(screen.Get(), entry.c_str(), static_cast<int>(entry.size()), &size);
            // two pixels in from each side, where the list draws its entries
            EXPECT_LE(size.cx, client.right - 4)
                << "entry " << index << " is cut at " << dpi << " DPI: " << Utf8Of(entry);
            letters += Letters(entry);
        }
        EXPECT_EQ(letters, LettersOfFile(source)) << "every word, in order";
        PostCommand(licence, IDCANCEL);
        EXPECT_EQ(ExitCode(), 2u) << "declined";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LicenceAtTheDpi, testing::Values(L"Lic_En.Txt", L"Lic_De.Txt"));

TEST_F(DialogProgram, WindowsAreLaidOutForTheDpi) {
    int dpi = ScreenDpi();
    if (const char* expected = std::getenv("VELKORA_EXPECTED_DPI")) {
        EXPECT_EQ(dpi, std::atoi(expected));
    }
    std::wstring suffix = L"-" + std::to_wstring(dpi) + L"dpi.bmp";
    WriteFileBytes(licencePath, "Licence text line one\r\nLine two\r\n");
    const std::wstring document = folder.Path() + L"result.json";
    Launch(L"-json \"" + document + L"\"");
    licence = program.WaitForWindow(L"#32770", L"Velkora 2018 Licence Agreement", kWait);
    ASSERT_NE(licence, nullptr);
    Sleep(300);
    SaveWindowScreenshot(licence, kScreenshots + L"licence" + suffix);
    ExpectCaptionsFit(licence, dpi, "licence");

    // The about box, from the licence window.
    PostCommand(licence, 57664); // IDC_APP_ABOUT
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND window : TopLevelWindowsOf(program.ProcessId()))
                if (window != licence && GetWindow(window, GW_OWNER) == licence)
                    about = window;
            return about != nullptr;
        },
        kWait));
    Sleep(300);
    SaveWindowScreenshot(about, kScreenshots + L"about" + suffix);
    ExpectCaptionsFit(about, dpi, "about box");
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG type = GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK;
        if (ClassNameOf(child) != L"Static")
            continue;
        if (type == SS_CENTER)
            ExpectWrappedTextFits(child, dpi, "about box");
        if (type == SS_ICON) {
            RECT icon{};
            GetClientRect(child, &icon);
            EXPECT_GE(icon.right, Scaled(32, dpi)) << "the icon at " << dpi << " DPI";
            EXPECT_GE(icon.bottom, Scaled(32, dpi));
        }
    }
    PostCommand(about, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }, kWait));

    HWND main = AcceptLicence();
    ASSERT_NE(main, nullptr);
    Sleep(500);
    SaveWindowScreenshot(main, kScreenshots + L"main" + suffix);
    ExpectCaptionsFit(main, dpi, "main window");

    RECT logo{};
    GetWindowRect(ControlOf(main, 1003), &logo);
    EXPECT_NEAR(logo.right - logo.left, Scaled(179, dpi), 1) << "the logo in proportion";
    EXPECT_NEAR(logo.bottom - logo.top, Scaled(61, dpi), 1);

    // The rows as a screen reader locates them: tall enough for their images at this DPI.
    CoInitialize(nullptr);
    {
        Velkora::CComPtr<IAccessible> accessible;
        ASSERT_EQ(AccessibleObjectFromWindow(ControlOf(main, 1001), static_cast<DWORD>(OBJID_CLIENT),
                                             __uuidof(IAccessible), accessible.ReceiveVoid()),
                  S_OK);
        VARIANT row;
        VariantInit(&row);
        row.vt = VT_I4;
        row.lVal = 1;
        long left = 0, top = 0, width = 0, height = 0;
        ASSERT_EQ(accessible->accLocation(&left, &top, &width, &height, row), S_OK);
        EXPECT_GE(height, Scaled(16, dpi) + 2) << "a row holds its status image";
        EXPECT_LE(height, Scaled(16, dpi) * 2) << "and is not far taller";
    }
    CoUninitialize();
    PostCommand(main, IDOK);
    EXPECT_EQ(ExitCode(), 1u);

    // On a 1920 x 1080 display the screen check is met only with the real resolution: scaled for
    // a program unaware of the DPI it would read 1280 x 720 at 144 DPI.
    EXPECT_EQ(VerdictOf(ReadFileBytes(document).value_or(""), "screen"), "met") << "at " << dpi << " DPI";
}

// The progress window, held open by a diagnostics program that never ends, then cancelled.
TEST_F(DialogProgram, ProgressWindowIsLaidOutForTheDpi) {
    const int dpi = ScreenDpi();
    ASSERT_TRUE(CopyFileW(kNeverEnding.c_str(), (folder.Path() + L"Zentoli.exe").c_str(), FALSE));
    Launch(L"-accepteula");
    HWND progress = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            progress = WindowHoldingControlOf(program.ProcessId(), L"msctls_progress32");
            return progress && IsWindowVisible(progress);
        },
        kWait));
    Sleep(500);
    SaveWindowScreenshot(progress, kScreenshots + L"progress-" + std::to_wstring(dpi) + L"dpi.bmp");
    ExpectCaptionsFit(progress, dpi, "progress");
    RECT bar{};
    GetClientRect(FindWindowExW(progress, nullptr, L"msctls_progress32", nullptr), &bar);
    EXPECT_GE(bar.bottom, Scaled(8, dpi)) << "the bar at " << dpi << " DPI";
    PostCommand(progress, IDCANCEL);
    EXPECT_EQ(ExitCode(), 2u) << "cancelled";
}

} // namespace

// Both windows at the DPI the test bed's prefix reports (set with its LogPixels value by
// dpi_screenshots.sh): screenshots to look at, and what can be measured of them: the logo in
// proportion, list rows that hold their images, captions that fit their controls.
#include <windows.h>
#include <oleacc.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "com_objects_win32.h"
#include "gdi_objects_win32.h"
#include "dialog_program_fixture.h"

namespace {

using namespace DialogTest;

int ScreenDpi() {
    Velkora::CWindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

int Scaled(int value, int dpi) { return MulDiv(value, dpi, 96); }

std::wstring WithoutAccessKey(std::wstring caption) {
    for (std::size_t at = caption.find(L'&'); at != std::wstring::npos; at = caption.find(L'&', at + 1))
        caption.erase(at, 1);
    return caption;
}

// The text in the dialogs' font (8-point MS Shell Dlg at this DPI) fits the control's client area.
void ExpectCaptionsFit(HWND dialog, int dpi, const char* window) {
    Velkora::CFontHandle font(CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          0, 0, 0, 0, L"MS Shell Dlg"));
    Velkora::CWindowDc screen(nullptr);
    Velkora::CSelection selected(screen.Get(), font.Get());
    HDC dc = screen.Get();
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring cls = ClassNameOf(child);
        LONG style = GetWindowLongW(child, GWL_STYLE);
        bool button = cls == L"Button";
        bool oneLineText = cls == L"Static" && (style & SS_TYPEMASK) == SS_LEFT && TextOf(child).find(L' ') != 0;
        if (!button && !oneLineText) continue;
        std::wstring text = WithoutAccessKey(TextOf(child));
        RECT client{};
        GetClientRect(child, &client);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        // a check box's text starts after its box; push buttons keep a margin for their frame
        int room = client.right - (button ? ((style & 0xF) == BS_AUTOCHECKBOX ? Scaled(16, dpi) : Scaled(4, dpi)) : 0);
        if (cls == L"Static" && client.bottom < 2 * size.cy) {
            EXPECT_LE(size.cx, room) << window << ": " << Utf8Of(text) << " is cut at " << dpi << " DPI";
        } else if (button) {
            EXPECT_LE(size.cx, room) << window << ": " << Utf8Of(text) << " is cut at " << dpi << " DPI";
            EXPECT_GE(client.bottom, size.cy) << Utf8Of(text);
        }
    }
}

TEST_F(DialogProgram, WindowsAreLaidOutForTheDpi) {
    int dpi = ScreenDpi();
    if (const char* expected = std::getenv("VELKORA_EXPECTED_DPI")) {
        EXPECT_EQ(dpi, std::atoi(expected));
    }
    std::wstring suffix = L"-" + std::to_wstring(dpi) + L"dpi.bmp";
    WriteFileBytes(licencePath, "Licence text line one\r\nLine two\r\n");
    Start();
    Sleep(300);
    SaveWindowScreenshot(licence, kScreenshots + L"licence" + suffix);
    ExpectCaptionsFit(licence, dpi, "licence");
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
        ASSERT_EQ(AccessibleObjectFromWindow(ControlOf(main, 1001), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                             accessible.ReceiveVoid()),
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
}

} // namespace

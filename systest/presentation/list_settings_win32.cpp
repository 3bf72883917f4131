#include "list_settings_win32.h"

#include "list_colour_scheme.h"
#include "list_geometry.h"

namespace Velkora {

namespace {
int SystemColourIndex(SystemColour colour) {
    switch (colour) {
    case SystemColour::kWindow:
        return COLOR_WINDOW;
    case SystemColour::kWindowText:
        return COLOR_WINDOWTEXT;
    case SystemColour::kButtonFace:
        return COLOR_BTNFACE;
    case SystemColour::kButtonHighlight:
        return COLOR_BTNHIGHLIGHT;
    case SystemColour::kButtonShadow:
        return COLOR_BTNSHADOW;
    case SystemColour::kHighlight:
        return COLOR_HIGHLIGHT;
    case SystemColour::kHighlightText:
        return COLOR_HIGHLIGHTTEXT;
    }
    return COLOR_WINDOW;
}

COLORREF Resolve(const ColourSource& source) {
    return source.system ? GetSysColor(SystemColourIndex(source.systemColour))
                         : static_cast<COLORREF>(source.rgb);
}
} // namespace

bool IsHighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

ListColours LoadListColours() {
    ListColourSources s = ListColourScheme(IsHighContrastOn());
    ListColours c;
    c.background = Resolve(s.background);
    c.headerBackground = Resolve(s.headerBackground);
    c.headerLight = Resolve(s.headerLight);
    c.headerDark = Resolve(s.headerDark);
    c.headerText = Resolve(s.headerText);
    c.rowText = Resolve(s.rowText);
    c.selectedBackground = Resolve(s.selectedBackground);
    c.selectedText = Resolve(s.selectedText);
    c.pressedHeader = Resolve(s.pressedHeader);
    c.pressedHeaderText = Resolve(s.pressedHeaderText);
    c.selectionRectangle = Resolve(s.selectionRectangle);
    c.selectionFrame = Resolve(s.selectionFrame);
    c.sortArrowGlyphs = s.sortArrowGlyphs;
    return c;
}

int SystemDpi() {
    CWindowDc screen(nullptr);
    int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window) {
    // Windows 10 (1607) and later; the program also runs where these do not exist.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    // Through the generic function pointer type: the cast that says the signature is known.
    static auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = window && getDpiForWindow ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

CFontHandle CreateMessageFont(bool underline, int dpi) {
    using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static auto forDpi = reinterpret_cast<ForDpiFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    int systemDpi = SystemDpi();
    if (dpi <= 0)
        dpi = systemDpi;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi))) {
        // the font is already for that DPI
    } else if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, systemDpi);
    } else {
        return CFontHandle();
    }
    metrics.lfMessageFont.lfUnderline = underline ? TRUE : FALSE;
    return CFontHandle(CreateFontIndirectW(&metrics.lfMessageFont));
}

ListSettings LoadListSettings(int dpi) {
    ListSettings settings;
    settings.colours = LoadListColours();
    UINT lines = 3;
    if (SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
        settings.wheelLines = lines;
    settings.font = CreateMessageFont(false, dpi);
    settings.linkFont = CreateMessageFont(true, dpi);

    CWindowDc screen(nullptr);
    HGDIOBJ font =
        settings.font ? static_cast<HGDIOBJ>(settings.font.Get()) : GetStockObject(DEFAULT_GUI_FONT);
    SIZE size{0, 16};
    CSelection selected(screen.Get(), font);
    GetTextExtentPoint32W(screen.Get(), L"Height", 6, &size);
    settings.rowHeight = RowHeightForTextHeight(size.cy, dpi > 0 ? dpi : SystemDpi());
    return settings;
}

} // namespace Velkora

#include "list_settings_win32.h"

#include "list_geometry.h"

namespace Velkora {

ListColours LoadListColours() {
    ListColours c;
    c.background = GetSysColor(COLOR_WINDOW);
    c.headerBackground = GetSysColor(COLOR_BTNFACE);
    c.headerLight = GetSysColor(COLOR_BTNHIGHLIGHT);
    c.headerDark = GetSysColor(COLOR_BTNSHADOW);
    c.headerText = GetSysColor(COLOR_WINDOWTEXT);
    c.rowText = GetSysColor(COLOR_WINDOWTEXT);
    c.selectedBackground = GetSysColor(COLOR_HIGHLIGHT);
    c.selectedText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    c.pressedHeader = RGB(130, 140, 180);
    c.selectionRectangle = RGB(180, 190, 210);
    return c;
}

CFontHandle CreateMessageFont(bool underline) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return CFontHandle();
    metrics.lfMessageFont.lfUnderline = underline ? TRUE : FALSE;
    return CFontHandle(CreateFontIndirectW(&metrics.lfMessageFont));
}

ListSettings LoadListSettings() {
    ListSettings settings;
    settings.colours = LoadListColours();
    UINT lines = 3;
    if (SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
        settings.wheelLines = lines;
    settings.font = CreateMessageFont();
    settings.linkFont = CreateMessageFont(true);

    CWindowDc screen(nullptr);
    HGDIOBJ font = settings.font ? static_cast<HGDIOBJ>(settings.font.Get()) : GetStockObject(DEFAULT_GUI_FONT);
    SIZE size{0, 16};
    CSelection selected(screen.Get(), font);
    GetTextExtentPoint32W(screen.Get(), L"Height", 6, &size);
    settings.rowHeight = RowHeightForTextHeight(size.cy);
    return settings;
}

} // namespace Velkora

#include "title_tip_win32.h"

#include "double_buffer_win32.h"
#include "list_settings_win32.h"

namespace Velkora {

CTitleTip::~CTitleTip() { Destroy(); }

bool CTitleTip::Create(HWND listWindow) {
    Destroy();
    list = listWindow;
    font = CreateMessageFont();
    RECT nowhere{0, 0, 0, 0};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    return CreateBoundWindow(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kTitleTipClass, L"",
                             WS_POPUP, nowhere, listWindow, nullptr, instance) != nullptr;
}

void CTitleTip::Destroy() {
    if (Handle())
        DestroyWindow(Handle());
}

void CTitleTip::Show(const RECT& screenRect, const std::wstring& tipText) {
    if (!Handle())
        return;
    text = tipText;
    SetWindowPos(Handle(), HWND_TOPMOST, screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                 screenRect.bottom - screenRect.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CTitleTip::Hide() {
    if (Handle() && IsWindowVisible(Handle()))
        ShowWindow(Handle(), SW_HIDE);
}

bool CTitleTip::IsShown() const { return Handle() && IsWindowVisible(Handle()); }

void CTitleTip::Paint(HDC dc, const RECT& client) {
    COLORREF back = GetSysColor(COLOR_INFOBK), fore = GetSysColor(COLOR_INFOTEXT);
    SetBkColor(dc, back);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    CBrushHandle frame(CreateSolidBrush(fore));
    FrameRect(dc, &client, frame.Get());
    CSelection selected(dc, font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, fore);
    SetBkMode(dc, TRANSPARENT);
    RECT textRect{client.left + 4, client.top, client.right, client.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CTitleTip::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        LRESULT result = 0;
        if (HandleBufferedPaint(Handle(), message, wParam, [this](HDC dc, const RECT& area) {
                RECT client{};
                GetClientRect(Handle(), &client);
                (void)area;
                Paint(dc, client);
            }, result))
            return result;
        break;
    }
    default:
        break;
    }
    return DefaultWindowProc(message, wParam, lParam);
}

} // namespace Velkora

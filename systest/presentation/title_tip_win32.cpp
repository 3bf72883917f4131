#include "title_tip_win32.h"

#include "list_geometry.h"
#include "list_settings_win32.h"

namespace Velkora {

CTitleTip::~CTitleTip() {
    Destroy();
}

bool CTitleTip::Create(HWND listWindow, int dpi) {
    Destroy();
    list = listWindow;
    font = CreateMessageFont(false, dpi);
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
    SetCapture(Handle());
}

void CTitleTip::Hide() {
    if (!Handle())
        return;
    if (GetCapture() == Handle())
        ReleaseCapture();
    if (IsWindowVisible(Handle()))
        ShowWindow(Handle(), SW_HIDE);
}

bool CTitleTip::IsShown() const {
    return Handle() && IsWindowVisible(Handle());
}

void CTitleTip::DoPaint(HDC dc, const RECT&) {
    Paint(dc, ClientArea(Handle()));
}

void CTitleTip::Paint(HDC dc, const RECT& client) {
    COLORREF back = GetSysColor(COLOR_INFOBK), fore = GetSysColor(COLOR_INFOTEXT);
    SetBkColor(dc, back);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    CBrushHandle frame(CreateSolidBrush(fore));
    FrameRect(dc, &client, frame.Get());
    CSelection selected(dc, font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, fore);
    SetBkMode(dc, TRANSPARENT);
    RECT textRect{client.left + kTitleTipTextInset, client.top, client.right, client.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CTitleTip::OnMouseMove(LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT client{};
    GetClientRect(Handle(), &client);
    if (!PtInRect(&client, point))
        Hide();
}

void CTitleTip::PassButtonToList(UINT message, WPARAM wParam, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(Handle(), &point);
    Hide();
    if (!list || !IsWindow(list))
        return;
    POINT inList = point;
    ScreenToClient(list, &inList);
    RECT client{};
    GetClientRect(list, &client);
    if (PtInRect(&client, inList)) {
        SendMessageW(list, message, wParam, MAKELPARAM(inList.x, inList.y));
        return;
    }
    // Over the list's frame or scroll bars: the matching non-client message.
    UINT nonClient = message - WM_MOUSEFIRST + WM_NCMOUSEMOVE;
    LRESULT hit = SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    SendMessageW(list, nonClient, static_cast<WPARAM>(hit), MAKELPARAM(point.x, point.y));
}

LRESULT CTitleTip::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        PassButtonToList(message, wParam, lParam);
        return 0;
    default:
        if (LRESULT result = 0; HandleDoubleBufferMessage(Handle(), message, wParam, result))
            return result;
        break;
    }
    return DefaultWindowProc(message, wParam, lParam);
}

} // namespace Velkora

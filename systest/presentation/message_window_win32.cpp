#include "message_window_win32.h"

namespace Velkora {

namespace {
CMessageWindow* BoundObject(HWND window) {
    return reinterpret_cast<CMessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
} // namespace

CMessageWindow::~CMessageWindow() {
    if (window)
        Unbind();
}

HWND CMessageWindow::CreateBoundWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                                       DWORD style, const RECT& rect, HWND parent, HMENU menuOrId,
                                       HINSTANCE instance) {
    if (window)
        return nullptr;
    return CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, menuOrId, instance, this);
}

bool CMessageWindow::SubclassWindow(HWND existing) {
    if (window || !existing || !IsWindow(existing) || BoundObject(existing))
        return false;
    Bind(existing);
    previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(existing, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetWindowProc())));
    return true;
}

LRESULT CMessageWindow::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previousProc)
        return CallWindowProcW(previousProc, window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

void CMessageWindow::Bind(HWND target) {
    window = target;
    SetWindowLongPtrW(target, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CMessageWindow::Unbind() {
    if (previousProc)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    previousProc = nullptr;
    window = nullptr;
}

LRESULT CALLBACK CMessageWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CMessageWindow* self = BoundObject(window);
    if (!self && message == WM_NCCREATE) {
        self = static_cast<CMessageWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self)
            self->Bind(window);
    }
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->ProcessWindowMessage(message, wParam, lParam);
    } catch (...) {
        // Out of memory inside a handler: the message is left to the default handling.
        result = self->DefaultWindowProc(message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->Unbind();
        self->OnFinalMessage();
    }
    return result;
}

} // namespace Velkora

#include "message_window_win32.h"

#include <commctrl.h>

#include "window_exception_policy_win32.h"

namespace Velkora {

namespace {
// The one subclass this base installs on a window.
constexpr UINT_PTR kSubclassId = 1;
// Marks a window subclassed by an object (GetWindowSubclass is exported by ordinal only).
constexpr wchar_t kSubclassedProperty[] = L"Velkora.Subclassed";

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
    if (window || !existing || !IsWindow(existing) || BoundObject(existing) ||
        GetPropW(existing, kSubclassedProperty))
        return false;
    if (!SetPropW(existing, kSubclassedProperty, reinterpret_cast<HANDLE>(this)))
        return false;
    if (!SetWindowSubclass(existing, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        RemovePropW(existing, kSubclassedProperty);
        return false;
    }
    window = existing;
    subclassed = true;
    return true;
}

LRESULT CMessageWindow::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (subclassed)
        return DefSubclassProc(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

void CMessageWindow::Bind(HWND target) {
    window = target;
    SetWindowLongPtrW(target, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CMessageWindow::Unbind() {
    if (subclassed) {
        RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        RemovePropW(window, kSubclassedProperty);
    } else {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    subclassed = false;
    window = nullptr;
}

LRESULT CMessageWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        LRESULT result = ProcessWindowMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            Unbind();
            OnFinalMessage();
        }
        return result;
    } catch (...) {
        EndProgramOnEscapedException();
    }
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
    return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK CMessageWindow::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR object) {
    return reinterpret_cast<CMessageWindow*>(object)->Dispatch(message, wParam, lParam);
}

} // namespace Velkora

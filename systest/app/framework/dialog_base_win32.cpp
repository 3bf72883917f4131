#include "dialog_base_win32.h"

#include "window_exception_policy_win32.h"

namespace Velkora {

CDialogBase::~CDialogBase() {
    if (window) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        DestroyWindow(window);
    }
}

HWND CDialogBase::Create(HINSTANCE resources, int templateId, HWND owner) {
    return CreateDialogParamW(resources, MAKEINTRESOURCEW(templateId), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialogBase::DoModal(HINSTANCE resources, int templateId, HWND owner) {
    return DialogBoxParamW(resources, MAKEINTRESOURCEW(templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialogBase::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialogBase* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogBase*>(lParam);
        self->window = dialog;
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<CDialogBase*>(GetWindowLongPtrW(dialog, DWLP_USER));
    }
    if (self == nullptr)
        return FALSE;
    // Nothing thrown in a dispatch may unwind through the dialog manager: it ends the program.
    try {
        INT_PTR result = FALSE;
        bool handled = self->ProcessMessage(message, wParam, lParam, result);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(dialog, DWLP_USER, 0);
            self->window = nullptr;
            self->OnFinalMessage();
        }
        return handled ? result : FALSE;
    } catch (...) {
        EndProgramOnEscapedException();
    }
}

} // namespace Velkora

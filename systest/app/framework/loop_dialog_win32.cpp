#include "loop_dialog_win32.h"

namespace Velkora {

bool CLoopDialog::PreTranslateMessage(MSG& message) {
    return IsDialogMessageW(Handle(), &message) != FALSE;
}

bool CLoopDialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (ProcessDialogMessage(message, wParam, lParam, result))
        return true;
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        result = TRUE; // the system sets the default focus
        return true;
    case WM_DESTROY:
        UnregisterFromLoop();
        return true;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam)))
            return true;
        switch (LOWORD(wParam)) {
        case IDOK:
            CloseWithCode(kLoopResultOk);
            return true;
        case IDCANCEL:
            CloseWithCode(kLoopResultCancel);
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

bool CLoopDialog::ProcessDialogMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

bool CLoopDialog::OnCommand(WORD, WORD) {
    return false;
}

void CLoopDialog::RegisterWithLoop() {
    if (CMessageLoop* loop = AppModule().GetMessageLoop()) {
        loop->AddMessageFilter(this);
        loop->AddIdleHandler(this);
    }
}

void CLoopDialog::UnregisterFromLoop() {
    if (CMessageLoop* loop = AppModule().GetMessageLoop()) {
        loop->RemoveMessageFilter(this);
        loop->RemoveIdleHandler(this);
    }
}

void CLoopDialog::CloseWithCode(int code) {
    DestroyWindow(Handle());
    PostQuitMessage(code);
}

} // namespace Velkora

#include "about_dlg_win32.h"

#include "framework/window_placement_win32.h"
#include "res/resource.h"

namespace Velkora {

bool CAboutDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindowInWorkArea(Handle());
        result = TRUE;
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(Handle(), LOWORD(wParam));
            return true;
        }
        return false;
    }
    return false;
}

void ShowAboutBox(HINSTANCE resources) {
    CAboutDlg about;
    // A box that cannot be shown leaves nothing to do: the window that asked for it goes on.
    static_cast<void>(about.DoModal(resources, IDD_ABOUTBOX, GetActiveWindow()));
}

} // namespace Velkora

#include "user_list_class_win32.h"

#include "title_tip_win32.h"

namespace Velkora {

namespace {
bool Register(const WNDCLASSEXW& windowClass) {
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
} // namespace

bool RegisterUserListClass(HINSTANCE instance) {
    // The list window is bound to its object by subclassing (a dialog creates it), so the class
    // itself only needs the default procedure.
    WNDCLASSEXW list{};
    list.cbSize = sizeof(list);
    list.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    list.lpfnWndProc = DefWindowProcW;
    list.hInstance = instance;
    list.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    list.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    list.lpszClassName = kUserListClass;

    WNDCLASSEXW tip = list;
    tip.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS;
    tip.lpfnWndProc = CMessageWindow::WindowProc;
    tip.lpszClassName = kTitleTipClass;
    return Register(list) && Register(tip);
}

} // namespace Velkora

#pragma once
// Reads and drives the windows of another process.
#include <windows.h>

#include <string>
#include <vector>

namespace VelkoraTest {

std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly = true);
std::wstring ClassNameOf(HWND window);
// The first visible top-level window of the process that holds a control of this class (a
// window told apart from others of its process by what it contains, whatever its title).
HWND WindowHoldingControlOf(DWORD processId, const std::wstring& controlClass);
std::wstring TextOf(HWND window); // WM_GETTEXT, so it works for edit controls too
HWND ControlOf(HWND dialog, int id);
// A static or button by its visible text among a dialog's children, for controls without ID.
HWND ChildWithText(HWND parent, const std::wstring& text);
std::vector<std::wstring> ListBoxItemsOf(HWND listBox);
bool IsEnabledControl(HWND window);
bool IsChecked(HWND button);
// BM_CLICK, waiting until the owning thread has handled it.
void ClickButton(HWND button);
// A command as the dialog manager sends it for a button press (WM_COMMAND with BN_CLICKED).
void PostCommand(HWND dialog, int id);
// The window that has the keyboard focus in the thread of `window`, null when none.
HWND FocusOf(HWND window);
// Alt and a letter typed while the focus is where it is: the WM_SYSCHAR that the keys become,
// posted to the focused window (the dialog manager finds the control with that access key).
void PressAccessKey(HWND window, wchar_t letter);
// A key typed into a window: WM_KEYDOWN / WM_CHAR / WM_KEYUP, posted.
void PressKey(HWND window, UINT virtualKey);
// Waits until pred() holds, polling; false on time-out.
template <typename Pred> bool WaitUntil(Pred pred, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (pred())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

} // namespace VelkoraTest

#pragma once
// Base of the program's dialogs: one dialog procedure per class that stores `this` at
// creation and forwards every message to the class's own dispatch. An exception thrown in a
// dispatch ends the program there (window_exception_policy_win32.h).
#include <windows.h>

namespace Velkora {

class CDialogBase {
  public:
    CDialogBase() = default;
    virtual ~CDialogBase();
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;

    // Modeless, hidden until shown; null when the window could not be created.
    [[nodiscard]] HWND Create(HINSTANCE resources, int templateId, HWND owner);
    // Modal; gives the value passed to EndDialog, or -1 when the window could not be created.
    [[nodiscard]] INT_PTR DoModal(HINSTANCE resources, int templateId, HWND owner);

    HWND Handle() const { return window; }

  protected:
    // The class's dispatch: true when handled, with the dialog procedure's answer in result.
    virtual bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) = 0;
    virtual void OnFinalMessage() {}

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window = nullptr;
};

} // namespace Velkora

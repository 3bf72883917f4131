#pragma once
// Base of the list's window classes: one static window procedure finds the C++ object of a
// window and hands every message to its one dispatch member. The object is bound either at
// creation (our own classes get `this` as the creation parameter) or by subclassing a window
// that a dialog created (SetWindowSubclass). Nothing thrown inside a dispatch crosses into
// Win32: it ends the program (window_exception_policy_win32.h).
#include <windows.h>

namespace Velkora {

class CMessageWindow {
  public:
    CMessageWindow() = default;
    CMessageWindow(const CMessageWindow&) = delete;
    CMessageWindow& operator=(const CMessageWindow&) = delete;

    // The one dispatch of the window class: tests the messages in a fixed order and answers
    // DefaultWindowProc for everything it leaves alone.
    virtual LRESULT ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Unbinds a window that still exists (its subclass is removed).
    virtual ~CMessageWindow();
    // The procedure that a class registered for this kind of window uses.
    virtual WNDPROC GetWindowProc() { return WindowProc; }
    // Called after the window's last message; the window handle is already gone.
    virtual void OnFinalMessage() {}

    HWND Handle() const { return window; }

  protected:
    // Creates a window of a class whose procedure is GetWindowProc(); binds it at WM_NCCREATE.
    [[nodiscard]] HWND CreateBoundWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                                         DWORD style, const RECT& rect, HWND parent, HMENU menuOrId,
                                         HINSTANCE instance);
    // Takes over an existing window; false when it is already bound to an object or cannot be
    // subclassed.
    [[nodiscard]] bool SubclassWindow(HWND existing);
    LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  public:
    // The procedure of every bound window (also the class procedure of our own popups).
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR object);
    // The dispatch with the exception policy, and the unbinding after the last message.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND target);
    void Unbind();

    HWND window = nullptr;
    bool subclassed = false;
};

} // namespace Velkora

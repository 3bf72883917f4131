// A program built from the window framework whose handlers throw: a dialog's dispatch, a window
// of our own class, or a subclassed window. It installs the program's policy for exceptions in
// windows with a report on standard error, as a silent run has it, and runs guarded as the
// program does. Usage: window_exception_probe dialog|window|subclass
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "framework/loop_dialog_win32.h"
#include "framework/window_exceptions_win32.h"
#include "message_window_win32.h"
#include "run_guard.h"

namespace {

using namespace Velkora;

constexpr UINT kMessageThrow = WM_APP + 7;
constexpr int kProbeDialog = 100; // window_exception_probe.rc
constexpr wchar_t kProbeClass[] = L"VelkoraWindowExceptionProbe";

class CThrowingDialog : public CLoopDialog {
  protected:
    bool ProcessDialogMessage(UINT message, WPARAM, LPARAM, INT_PTR&) override {
        if (message == kMessageThrow)
            throw std::runtime_error("thrown in a dialog");
        return false;
    }
    void OnInitDialog() override {
        RegisterWithLoop();
        PostMessageW(Handle(), kMessageThrow, 0, 0);
    }
};

class CThrowingWindow : public CMessageWindow {
  public:
    bool Create() {
        return CreateBoundWindow(0, kProbeClass, L"", WS_OVERLAPPEDWINDOW, RECT{0, 0, 100, 100}, nullptr,
                                 nullptr, GetModuleHandleW(nullptr)) != nullptr;
    }
    bool Attach(HWND existing) { return SubclassWindow(existing); }
    LRESULT ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kMessageThrow)
            throw std::runtime_error("thrown in a window");
        return DefaultWindowProc(message, wParam, lParam);
    }
};

// What the probe ends with when an exception comes back out through the system's code, which
// the policy must prevent by ending the program at the window procedure.
constexpr int kUnwoundThroughTheSystem = 9;

// The window's run; a window that could not be made gives 1, an unknown mode 2.
int RunMode(const std::string& mode) {
    CMessageLoop loop;
    AppModule().AddMessageLoop(&loop);
    CThrowingDialog dialog;
    CThrowingWindow window;
    HWND plain = nullptr;
    if (mode == "dialog") {
        if (!dialog.Create(GetModuleHandleW(nullptr), kProbeDialog, nullptr))
            return 1;
    } else if (mode == "window") {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = CMessageWindow::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kProbeClass;
        if (!RegisterClassExW(&windowClass) || !window.Create())
            return 1;
        PostMessageW(window.Handle(), kMessageThrow, 0, 0);
    } else if (mode == "subclass") {
        plain = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        if (!plain || !window.Attach(plain))
            return 1;
        // Sent, not posted: the system's SendMessage is on the stack when it throws.
        SendMessageW(plain, kMessageThrow, 0, 0);
    } else {
        return 2;
    }
    return loop.Run();
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const FailureReportFn report = [](const std::wstring& message) {
        std::fwprintf(stderr, L"%ls\n", message.c_str());
        std::fflush(stderr);
    };
    EndWindowExceptionsLikeTheRun(report);
    return RunGuarded(
        [&] {
            try {
                return RunMode(mode);
            } catch (...) {
                return kUnwoundThroughTheSystem;
            }
        },
        report);
}

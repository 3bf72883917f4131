#include "run_with_progress_win32.h"

#include <exception>

#include "com_objects_win32.h"
#include "res/resource.h"
#include "run_exit_code.h"
#include "scoped_handle_win32.h"
#include "trace_marks_win32.h"

namespace Velkora {
namespace {

// How long a cancelled run may take to wind down (a WMI query may not return) before the
// process ends without it.
constexpr DWORD kCancelGraceMilliseconds = 5000;

struct RunOnThread {
    CCheckSession& session;
    CProgressDlg& progress;
    std::exception_ptr failure;
};

DWORD WINAPI RunChecks(void* parameter) {
    auto* run = static_cast<RunOnThread*>(parameter);
    CComInitializer com(COINIT_APARTMENTTHREADED);
    HWND progress = run->progress.Handle();
    try {
        run->session.Run(
            {},
            [progress](RunStep step) {
                TraceRunStep(step);
                PostMessageW(progress, kMessageRunStep, static_cast<WPARAM>(step), 0);
            },
            [run] { return run->progress.Cancelled(); });
        TraceMark(L"VelkoraSysTest: checks done");
    } catch (...) {
        run->failure = std::current_exception();
    }
    return 0;
}

enum class PumpUntil { kThreadEnds, kThreadEndsOrCancel };

// Dispatches this thread's messages until the run's thread ends (or, with kThreadEndsOrCancel,
// the user cancels) or the timeout passes; false on the timeout. A quit message while the run
// goes on (a WM_CLOSE that reached the hidden main window, or a WM_QUIT from outside) is a
// cancel: the run's thread still appends to what would be written and uses what would be freed.
bool PumpUntilEnded(HANDLE thread, CProgressDlg& progress, PumpUntil until, DWORD timeout) {
    const ULONGLONG started = GetTickCount64();
    for (;;) {
        if (until == PumpUntil::kThreadEndsOrCancel && progress.Cancelled())
            return true;
        DWORD waited = static_cast<DWORD>(GetTickCount64() - started);
        if (timeout != INFINITE && waited >= timeout)
            return false;
        DWORD wait = timeout == INFINITE ? INFINITE : timeout - waited;
        if (MsgWaitForMultipleObjects(1, &thread, FALSE, wait, QS_ALLINPUT) == WAIT_OBJECT_0)
            return true;
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                progress.Cancel();
                continue;
            }
            if (progress.Handle() && IsDialogMessageW(progress.Handle(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace

bool RunSessionWithProgress(HINSTANCE program, CProgressDlg& progress, CCheckSession& session,
                            CSystemCheckSuite& checks, const std::function<void()>& meanwhile) {
    // Without its window the run goes on all the same, unseen.
    static_cast<void>(progress.Create(program, IDD_PROGRESSDLG, nullptr));
    RunOnThread run{session, progress, nullptr};
    CHandle thread(CreateThread(nullptr, 0, RunChecks, &run, 0, nullptr));
    if (!thread) {
        // No thread to be had: the run as it always was, without a window that could not answer.
        session.Run({});
        meanwhile();
        return true;
    }
    meanwhile();
    PumpUntilEnded(thread.Get(), progress, PumpUntil::kThreadEndsOrCancel, INFINITE);
    if (progress.Cancelled()) {
        checks.CancelGraphicsDiagnostics();
        // The run's thread still uses the session and the checks: nothing may be freed under it.
        if (!PumpUntilEnded(thread.Get(), progress, PumpUntil::kThreadEnds, kCancelGraceMilliseconds))
            ExitProcess(kExitCancelledRun);
        return false;
    }
    if (run.failure)
        std::rethrow_exception(run.failure);
    return true;
}

} // namespace Velkora

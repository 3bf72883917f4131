#pragma once
// A dialog run's checks on a thread of their own, while this thread keeps the progress window
// answering, so that the user sees what is going on and can cancel.
#include <functional>

#include "check_session_win32.h"
#include "progress_dlg_win32.h"
#include "system_check_suite_win32.h"

namespace Velkora {

// Runs every check of the session (after Begin) with the progress window made from the program's
// resources; the window stays (hidden or shown) until the caller destroys it, so that it can
// close when the main window shows. False: the user cancelled, and the diagnostics program has
// been stopped with everything it started.
// meanwhile runs on this thread once the checks have started (the main window is made then).
[[nodiscard]] bool RunSessionWithProgress(HINSTANCE program, CProgressDlg& progress, CCheckSession& session,
                                          CSystemCheckSuite& checks, const std::function<void()>& meanwhile);

} // namespace Velkora

#include "progress_dlg_win32.h"

#include <commctrl.h>

#include "framework/window_placement_win32.h"
#include "graphics_message_boxes_win32.h"
#include "res/resource.h"
#include "run_progress.h"
#include "text_format.h"

namespace Velkora {
namespace {

constexpr UINT_PTR kShowTimer = 1;

} // namespace

bool CProgressDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        result = TRUE;
        return true;
    case WM_TIMER:
        if (wParam != kShowTimer)
            return false;
        KillTimer(Handle(), kShowTimer);
        // A box already up keeps the activation: the window shows behind it, disabled.
        if (!cancelled)
            ShowWindow(Handle(), openBoxes > 0 ? SW_SHOWNA : SW_SHOW);
        return true;
    case kMessageShowBox:
        ShowBox(*reinterpret_cast<const ProgressBoxRequest*>(lParam));
        return true;
    case kMessageRunStep:
        ShowStep(static_cast<RunStep>(wParam));
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL || cancelled)
            return false;
        Cancel();
        return true;
    }
    return false;
}

void CProgressDlg::Cancel() {
    if (cancelled.exchange(true))
        return;
    // Nothing more to press while the run is stopped.
    if (Handle())
        EnableWindow(GetDlgItem(Handle(), IDCANCEL), FALSE);
}

// Modal to this window, so that Enter or Escape meant for the box can never reach Cancel; after
// a cancel the run shows nothing more.
void CProgressDlg::ShowBox(const ProgressBoxRequest& request) {
    if (cancelled)
        return;
    ++openBoxes;
    CMessageBoxes owned(Handle());
    request.show(owned);
    --openBoxes;
}

void CProgressDlg::OnInitDialog() {
    CenterWindowInWorkArea(Handle());
    SetWindowIcons(Handle(), context.modules->Program(), IDR_MAINFRAME);
    const ITextSource& texts = *context.texts;
    SetWindowTextW(Handle(), FormatTextById(texts, kTextProgressCaption, {context.identity.name}).c_str());
    SetDlgItemTextW(Handle(), IDCANCEL, texts.Text(kTextProgressCancel).c_str());
    SendDlgItemMessageW(Handle(), IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, kProgressRange);
    ShowStep(RunStep::kOperatingSystem);
    SetTimer(Handle(), kShowTimer, kProgressDelayMilliseconds, nullptr);
}

void CProgressDlg::ShowStep(RunStep step) {
    const StepProgress progress = ProgressOf(step);
    SetDlgItemTextW(Handle(), IDC_PROGRESS_STEP, context.texts->Text(progress.text).c_str());
    SendDlgItemMessageW(Handle(), IDC_PROGRESS_BAR, PBM_SETPOS, progress.position, 0);
}

} // namespace Velkora

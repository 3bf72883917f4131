#pragma once
// The progress window: which check is running and how far the run has come, with a Cancel
// button. It is made hidden and shows only when the run takes longer than a moment. While it
// exists, every message box of the run belongs to it (see progress_owned_boxes_win32.h).
#include <atomic>
#include <functional>

#include "app_context_win32.h"
#include "check_run.h"
#include "framework/dialog_base_win32.h"
#include "graphics_message_boxes.h"

namespace Velkora {

// Posted by the run's thread as a step begins; wParam is the RunStep.
inline constexpr UINT kMessageRunStep = WM_APP + 2;
// Sent by the run's thread for a message box; lParam points to a ProgressBoxRequest.
inline constexpr UINT kMessageShowBox = WM_APP + 3;

struct ProgressBoxRequest {
    std::function<void(IMessageBoxes&)> show; // shows the box with the boxes it is given
};

class CProgressDlg : public CDialogBase {
  public:
    explicit CProgressDlg(const AppContext& context) : context(context) {}

    // Cancel was chosen (button, Escape or the close box), or the run was asked to quit. Safe to
    // ask from the run's thread.
    bool Cancelled() const { return cancelled; }
    // As the Cancel button: nothing more is shown, and Cancel cannot be pressed again.
    void Cancel();

  protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    void OnInitDialog();
    void ShowStep(RunStep step);
    void ShowBox(const ProgressBoxRequest& request);

    const AppContext& context;
    std::atomic<bool> cancelled{false};
    int openBoxes = 0;
};

} // namespace Velkora

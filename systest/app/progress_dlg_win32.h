#pragma once
// The progress window: which check is running and how far the run has come, with a Cancel
// button. It is made hidden and shows only when the run takes longer than a moment.
#include "app_context_win32.h"
#include "check_run.h"
#include "framework/dialog_base_win32.h"

namespace Velkora {

// Posted by the run's thread as a step begins; wParam is the RunStep.
inline constexpr UINT kMessageRunStep = WM_APP + 2;

class CProgressDlg : public CDialogBase {
public:
    explicit CProgressDlg(const AppContext& context) : context(context) {}

    // Cancel was chosen (button, Escape or the close box).
    bool Cancelled() const { return cancelled; }

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void OnInitDialog();
    void ShowStep(RunStep step);

    const AppContext& context;
    bool cancelled = false;
};

} // namespace Velkora

#pragma once
// The small modal information box.
#include "framework/dialog_base_win32.h"

namespace Velkora {

class CAboutDlg : public CDialogBase {
  protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
};

// Shows the About box modally, owned by the active window.
void ShowAboutBox(HINSTANCE resources);

} // namespace Velkora

#pragma once
// The licence agreement: the licence text wrapped to the list's width, a consent box, accept and decline.
#include <string>
#include <vector>

#include "app_context_win32.h"
#include "framework/loop_dialog_win32.h"

namespace Velkora {

// Posted on a DPI change, so that the licence is wrapped again after the list has been scaled.
inline constexpr UINT kMessageLicenceRewrap = WM_APP + 2;

class CLicDlg : public CLoopDialog {
  public:
    CLicDlg(const AppContext& context, std::wstring licencePath)
        : context(context), licencePath(std::move(licencePath)) {}

  protected:
    bool ProcessDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnInitDialog() override;
    bool OnCommand(WORD id, WORD notification) override;

  private:
    void ReadLicenceText();
    void ShowLicenceLines();

    const AppContext& context;
    std::wstring licencePath;
    std::vector<std::wstring> licenceLines; // as in the file; the list shows them wrapped
};

} // namespace Velkora

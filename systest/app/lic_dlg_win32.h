#pragma once
// The licence agreement: the licence text line by line, a consent box, accept and decline.
#include <string>

#include "app_context_win32.h"
#include "framework/loop_dialog_win32.h"

namespace Velkora {

class CLicDlg : public CLoopDialog {
public:
    CLicDlg(const AppContext& context, std::wstring licencePath)
        : context(context), licencePath(std::move(licencePath)) {}

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void OnInitDialog();
    void FillLicenceText();
    void SetTexts();

    const AppContext& context;
    std::wstring licencePath;
};

} // namespace Velkora

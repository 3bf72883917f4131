#pragma once
// The licence agreement: the licence text line by line, a consent box, accept and decline.
#include <string>

#include "app_context_win32.h"
#include "framework/dialog_base_win32.h"
#include "framework/message_loop_win32.h"

namespace Velkora {

class CLicDlg : public CDialogBase, public IMessageFilter, public IIdleHandler {
public:
    CLicDlg(const AppContext& context, std::wstring licencePath)
        : context(context), licencePath(std::move(licencePath)) {}

    bool PreTranslateMessage(MSG& message) override;
    void OnIdle() override {}

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void OnInitDialog();
    void FillLicenceText();
    void SetTexts();
    void Close(int code);

    const AppContext& context;
    std::wstring licencePath;
};

} // namespace Velkora

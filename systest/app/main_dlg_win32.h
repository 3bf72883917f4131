#pragma once
// The main window: introduction, logo, result list, summary, report header, report button.
// Its initialisation runs every check before the window is first shown.
#include <string>

#include "app_context_win32.h"
#include "check_run.h"
#include "framework/dialog_base_win32.h"
#include "framework/message_loop_win32.h"
#include "framework/scoped_handles_win32.h"
#include "list_user_data_win32.h"

namespace Velkora {

class CMainDlg : public CDialogBase, public IMessageFilter, public IIdleHandler {
public:
    explicit CMainDlg(const AppContext& context) : context(context) {}

    bool PreTranslateMessage(MSG& message) override;
    void OnIdle() override {}

    const std::wstring& ReportText() const { return reportText; }
    const RunSummary& Summary() const { return summary; }

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void OnInitDialog();
    void ShowSummary();
    void Close(int code);

    const AppContext& context;
    CListUserData resultList;
    HWND introduction = nullptr;
    std::wstring reportText;
    RunSummary summary;
    CGdiObject logo;
    CImageList statusImages;
    CIcon summaryIcon;
};

} // namespace Velkora

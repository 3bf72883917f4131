#pragma once
// The main window: introduction, logo, result list, summary, report header, report button. It can
// be made (hidden) while the checks run; ShowRun fills it once they are done.
#include <string>

#include "app_context_win32.h"
#include "check_run.h"
#include "check_session_win32.h"
#include "framework/loop_dialog_win32.h"
#include "gdi_objects_win32.h"
#include "list_user_data_win32.h"

// Posted to itself once the system has scaled the window for a new DPI.
inline constexpr UINT kMessageDpiSettled = WM_APP + 1;

namespace Velkora {

class CMainDlg : public CLoopDialog {
  public:
    // session: begun; its run may still be going on while the window is made.
    CMainDlg(const AppContext& context, const CCheckSession& session) : context(context), session(session) {}

    // The rows and the summary of the finished run.
    void ShowRun();

  protected:
    bool ProcessDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnInitDialog() override;
    bool OnCommand(WORD id, WORD notification) override;

  private:
    void ShowSummary();
    // Widens the summary label for the words of its language, moving the summary text after it.
    void FitSummaryLabel();
    // The logo and the summary icon at the window's DPI.
    void LoadPictures();
    void ShowSummaryIcon();

    const AppContext& context;
    CListUserData resultList;
    HWND introduction = nullptr;
    const CCheckSession& session;
    CBitmapHandle logo;
    CImageListHandle statusImages;
    CIconHandle summaryIcon;
};

} // namespace Velkora

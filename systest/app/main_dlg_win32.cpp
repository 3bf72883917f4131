#include "main_dlg_win32.h"

#include "about_dlg_win32.h"
#include "framework/window_placement_win32.h"
#include "report_file_win32.h"
#include "presentation_resource.h"
#include "res/resource.h"
#include "text_format.h"
#include "text_ids.h"

namespace Velkora {

bool CMainDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        result = TRUE; // the system sets the default focus
        return true;
    case WM_DESTROY:
        UnregisterFromLoop();
        return true;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_APP_ABOUT:
            ShowAboutBox(context.modules->Program());
            return true;
        case IDOK:
            CloseWithCode(1);
            return true;
        case IDCANCEL:
            CloseWithCode(2);
            return true;
        case IDC_MAIN_REPORT:
            if (HIWORD(wParam) != BN_CLICKED) return false;
            WriteAndOpenReport(Handle(), session.ReportText());
            return true;
        }
        return false;
    }
    return false;
}

void CMainDlg::OnInitDialog() {
    HINSTANCE program = context.modules->Program();

    CenterWindowInWorkArea(Handle());
    SetWindowIcons(Handle(), program, IDR_MAINFRAME);
    logo.Reset(LoadImageW(program, MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    SendDlgItemMessageW(Handle(), IDC_MAIN_LOGO, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo.Get()));
    RegisterWithLoop();
    resultList.AttachResultList(GetDlgItem(Handle(), IDC_MAIN_LIST));
    introduction = GetDlgItem(Handle(), IDC_MAIN_INTRO);
    statusImages.Reset(ImageList_LoadImageW(program, MAKEINTRESOURCEW(IDB_LIST_STATUS), 16, 0, RGB(255, 0, 255),
                                            IMAGE_BITMAP, LR_CREATEDIBSECTION));

    context.modules->SetCurrent(context.modules->LanguageModule());
    const ITextSource& texts = *context.texts;
    std::wstring header = session.Begin();

    SetWindowTextW(Handle(), FormatTextById(texts, kTextMainCaption, {context.identity.name}).c_str());
    SetDlgItemTextW(Handle(), IDC_MAIN_REPORT, texts.Text(kTextReportButton).c_str());
    SetWindowTextW(introduction, texts.Text(kTextIntroduction).c_str());
    resultList.AppendColumn(texts.Text(kTextColumnStatus), 1, -1, false, 0, 0);
    resultList.AppendColumn(texts.Text(kTextColumnDescription), 1, -1, false, 0, 0);

    session.Run([this](const ResultRow& row) { resultList.AppendRow(row); });
    ShowSummary();
    resultList.FitColumnToContent(0);
    resultList.FitColumnToContent(1);

    SetDlgItemTextW(Handle(), IDC_MAIN_REPORT_HEADER, header.c_str());
}

void CMainDlg::ShowSummary() {
    const RunSummary& summary = session.Summary();
    if (statusImages) summaryIcon.Reset(ImageList_GetIcon(statusImages.Get(), summary.icon, ILD_NORMAL));
    SendDlgItemMessageW(Handle(), IDC_MAIN_SUMMARY_ICON, STM_SETICON, reinterpret_cast<WPARAM>(summaryIcon.Get()), 0);
    SetDlgItemTextW(Handle(), IDC_MAIN_SUMMARY_LABEL, summary.label.c_str());
    SetDlgItemTextW(Handle(), IDC_MAIN_SUMMARY_TEXT, summary.text.c_str());
}

} // namespace Velkora

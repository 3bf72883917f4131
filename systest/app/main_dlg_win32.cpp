#include "main_dlg_win32.h"

#include "about_dlg_win32.h"
#include "framework/window_placement_win32.h"
#include "list_resources_win32.h"
#include "list_settings_win32.h"
#include "presentation_resource.h"
#include "report_file_win32.h"
#include "res/resource.h"
#include "text_format.h"
#include "text_ids.h"

namespace Velkora {

bool CMainDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case kMessageDpiChanged:
        // The system scales the dialog and its controls itself (per-monitor v2); the pictures
        // follow once it has.
        PostMessageW(Handle(), kMessageDpiSettled, 0, 0);
        return false;
    case kMessageDpiSettled:
        LoadPictures();
        return true;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_FONTCHANGE:
        // Only top-level windows hear of these; the list keeps colours, font and metrics of its own.
        SendDlgItemMessageW(Handle(), IDC_MAIN_LIST, message, wParam, lParam);
        return false;
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
            if (HIWORD(wParam) != BN_CLICKED)
                return false;
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
    RegisterWithLoop();
    resultList.AttachResultList(GetDlgItem(Handle(), IDC_MAIN_LIST));
    introduction = GetDlgItem(Handle(), IDC_MAIN_INTRO);
    LoadPictures();

    context.modules->SetCurrent(context.modules->LanguageModule());
    const ITextSource& texts = *context.texts;

    SetWindowTextW(Handle(), FormatTextById(texts, kTextMainCaption, {context.identity.name}).c_str());
    SetDlgItemTextW(Handle(), IDC_MAIN_REPORT, texts.Text(kTextReportButton).c_str());
    SetWindowTextW(introduction, texts.Text(kTextIntroduction).c_str());
    // The list's window text is its name for assistive technology.
    SetDlgItemTextW(Handle(), IDC_MAIN_LIST, texts.Text(kTextResultListName).c_str());
    resultList.SetContextMenuTexts(texts.Text(kTextMenuCopy), texts.Text(kTextMenuSelectAll));
    resultList.AppendColumn(texts.Text(kTextColumnStatus), 1, -1, false, 0, 0);
    resultList.AppendColumn(texts.Text(kTextColumnDescription), 1, -1, false, 0, 0);

    SetDlgItemTextW(Handle(), IDC_MAIN_REPORT_HEADER, session.Header().c_str());
}

void CMainDlg::ShowRun() {
    for (const RunEntry& entry : session.Summary().entries)
        resultList.AppendRow(entry.row);
    ShowSummary();
    resultList.FitColumnToContent(0);
    resultList.FitColumnToContent(1);
}

void CMainDlg::LoadPictures() {
    HINSTANCE program = context.modules->Program();
    int dpi = WindowDpi(Handle());
    // The logo is a picture: scaled smoothly, in proportion.
    CBitmapHandle natural(static_cast<HBITMAP>(
        LoadImageW(program, MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP size{};
    if (natural && dpi != kBaseDpi && GetObjectW(natural.Get(), sizeof(size), &size)) {
        CBitmapHandle scaled = StretchedBitmap(natural.Get(), ScaleForDpi(size.bmWidth, dpi),
                                               ScaleForDpi(size.bmHeight, dpi), true);
        if (scaled)
            natural = std::move(scaled);
    }
    SendDlgItemMessageW(Handle(), IDC_MAIN_LOGO, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(natural.Get()));
    logo = std::move(natural);
    statusImages = LoadImageStrip(program, IDB_LIST_STATUS, ScaleForDpi(kListImageSize, dpi));
    if (summaryIcon)
        ShowSummaryIcon(); // a DPI change after the run
}

void CMainDlg::ShowSummaryIcon() {
    if (statusImages)
        summaryIcon.Reset(ImageList_GetIcon(statusImages.Get(), session.Summary().icon, ILD_NORMAL));
    SendDlgItemMessageW(Handle(), IDC_MAIN_SUMMARY_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(summaryIcon.Get()), 0);
}

void CMainDlg::ShowSummary() {
    const RunSummary& summary = session.Summary();
    ShowSummaryIcon();
    SetDlgItemTextW(Handle(), IDC_MAIN_SUMMARY_LABEL, summary.label.c_str());
    SetDlgItemTextW(Handle(), IDC_MAIN_SUMMARY_TEXT, summary.text.c_str());
}

} // namespace Velkora

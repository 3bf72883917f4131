#include "main_dlg_win32.h"

#include "about_dlg_win32.h"
#include "dpi_messages_win32.h"
#include "framework/window_placement_win32.h"
#include "list_resources_win32.h"
#include "list_settings_win32.h"
#include "presentation_resource.h"
#include "report_file_win32.h"
#include "res/resource.h"
#include "summary_line_layout.h"
#include "text_format.h"
#include "text_ids.h"
#include "trace_marks_win32.h"

namespace Velkora {

namespace {
// The result list's columns, in the order OnInitDialog adds them.
constexpr int kStatusColumn = 0;
constexpr int kDescriptionColumn = 1;
// Pixels at 96 DPI that the summary label keeps free after its words.
constexpr int kSummaryLabelSpare = 4;

// The control's edges in its parent's client area.
RECT RectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The single line's width in the control's own font.
int TextWidthIn(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    CWindowDc dc(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    CSelection selectedFont(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT needed{};
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return needed.right - needed.left;
}
} // namespace

bool CMainDlg::ProcessDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
    switch (message) {
    case kMessageDpiChanged:
        // The system scales the dialog and its controls itself (per-monitor v2); the pictures
        // follow once it has.
        PostMessageW(Handle(), kMessageDpiSettled, 0, 0);
        return false;
    case kMessageDpiSettled:
        LoadPictures();
        FitSummaryLabel();
        return true;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_FONTCHANGE:
        // Only top-level windows hear of these; the list keeps colours, font and metrics of its own.
        SendDlgItemMessageW(Handle(), IDC_MAIN_LIST, message, wParam, lParam);
        return false;
    default:
        return false;
    }
}

bool CMainDlg::OnCommand(WORD id, WORD notification) {
    switch (id) {
    case IDC_APP_ABOUT:
        ShowAboutBox(context.modules->Program());
        return true;
    case IDC_MAIN_REPORT:
        if (notification != BN_CLICKED)
            return false;
        WriteAndOpenReport(Handle(), session.ReportText());
        return true;
    default:
        return false;
    }
}

void CMainDlg::OnInitDialog() {
    HINSTANCE program = context.modules->Program();

    CenterWindowInWorkArea(Handle());
    SetWindowIcons(Handle(), program, IDR_MAINFRAME);
    RegisterWithLoop();
    // A list that could not load its pictures still takes its columns and rows and shows what it
    // can; the run and the report go on. Only someone watching the debug output hears of it.
    if (!resultList.AttachResultList(GetDlgItem(Handle(), IDC_MAIN_LIST)))
        TraceMark(L"VelkoraSysTest: the result list is without its pictures");
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
    // Placeholders until the run's rows are in (ShowRun fits them to their content).
    resultList.AppendColumn(texts.Text(kTextColumnStatus), kPlaceholderColumnWidth, kNoHeaderImage,
                            kColumnSizeable, kFormatText, kNoColumnFlags);
    resultList.AppendColumn(texts.Text(kTextColumnDescription), kPlaceholderColumnWidth, kNoHeaderImage,
                            kColumnSizeable, kFormatText, kNoColumnFlags);

    SetDlgItemTextW(Handle(), IDC_MAIN_REPORT_HEADER, session.Header().c_str());
}

void CMainDlg::ShowRun() {
    for (const RunEntry& entry : session.Summary().entries)
        resultList.AppendRow(entry.row);
    ShowSummary();
    // Both columns were added, sizeable, at initialisation: fitting them cannot be refused.
    static_cast<void>(resultList.FitColumnToContent(kStatusColumn));
    static_cast<void>(resultList.FitColumnToContent(kDescriptionColumn));
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
    FitSummaryLabel();
}

void CMainDlg::FitSummaryLabel() {
    HWND label = GetDlgItem(Handle(), IDC_MAIN_SUMMARY_LABEL);
    HWND text = GetDlgItem(Handle(), IDC_MAIN_SUMMARY_TEXT);
    const RECT labelRect = RectInParent(label);
    const RECT textRect = RectInParent(text);
    const SummaryLine designed{{labelRect.left, labelRect.right}, {textRect.left, textRect.right}};
    const SummaryLine fitted = Velkora::FitSummaryLabel(
        designed, TextWidthIn(label) + ScaleForDpi(kSummaryLabelSpare, WindowDpi(Handle())));
    if (fitted.label.right == designed.label.right)
        return;
    constexpr UINT kKeepZOrderAndFocus = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(label, nullptr, fitted.label.left, labelRect.top, fitted.label.Width(),
                 labelRect.bottom - labelRect.top, kKeepZOrderAndFocus);
    SetWindowPos(text, nullptr, fitted.text.left, textRect.top, fitted.text.Width(),
                 textRect.bottom - textRect.top, kKeepZOrderAndFocus);
}

} // namespace Velkora

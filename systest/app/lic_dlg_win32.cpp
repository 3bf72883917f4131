#include "lic_dlg_win32.h"

#include "about_dlg_win32.h"
#include "dpi_messages_win32.h"
#include "framework/window_placement_win32.h"
#include "gdi_objects_win32.h"
#include "line_wrap.h"
#include "res/resource.h"
#include "text_file_read.h"
#include "text_format.h"
#include "text_ids.h"

namespace Velkora {

bool CLicDlg::ProcessDialogMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
    switch (message) {
    case kMessageDpiChanged:
        // The list gets a font and width for the new DPI first; wrap once it has.
        PostMessageW(Handle(), kMessageLicenceRewrap, 0, 0);
        return false;
    case kMessageLicenceRewrap:
        ShowLicenceLines();
        return true;
    default:
        return false;
    }
}

bool CLicDlg::OnCommand(WORD id, WORD) {
    switch (id) {
    case IDC_APP_ABOUT:
        ShowAboutBox(context.modules->Program());
        return true;
    case IDC_LIC_CONSENT: {
        HWND accept = GetDlgItem(Handle(), IDOK);
        EnableWindow(accept, IsDlgButtonChecked(Handle(), IDC_LIC_CONSENT) == BST_CHECKED);
        SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(accept), TRUE);
        return true;
    }
    default:
        return false;
    }
}

void CLicDlg::OnInitDialog() {
    CenterWindowInWorkArea(Handle());
    SetWindowIcons(Handle(), context.modules->Program(), IDR_MAINFRAME);
    EnableWindow(GetDlgItem(Handle(), IDOK), FALSE);
    ReadLicenceText();
    ShowLicenceLines();
    RegisterWithLoop();
    context.modules->SetCurrent(context.modules->LanguageModule());
    SetDlgItemTextW(Handle(), IDOK, context.texts->Text(kTextLicenceAccept).c_str());
    SetDlgItemTextW(Handle(), IDCANCEL, context.texts->Text(kTextLicenceDecline).c_str());
    SetDlgItemTextW(Handle(), IDC_LIC_INSTRUCTIONS, context.texts->Text(kTextLicenceInstructions).c_str());
    SetDlgItemTextW(Handle(), IDC_LIC_CONSENT, context.texts->Text(kTextLicenceConsent).c_str());
    SetWindowTextW(Handle(),
                   FormatTextById(*context.texts, kTextLicenceCaption, {context.identity.name}).c_str());
    context.modules->SetCurrent(context.modules->Program());
}

void CLicDlg::ReadLicenceText() {
    try {
        CTextFileRead file(licencePath);
        if (!file.IsFileOpen())
            return;
        std::wstring line;
        while (!file.AtEndOfFile()) {
            if (!file.ReadTextLine(line))
                break;
            licenceLines.push_back(line);
        }
    } catch (const CTextFileException&) {
        // An unreadable licence text leaves what was read so far; the user can still accept.
    }
}

// The list has no horizontal scroll bar: each line becomes as many entries as it needs to be
// read whole at the list's width, measured in the list's own font.
void CLicDlg::ShowLicenceLines() {
    HWND list = GetDlgItem(Handle(), IDC_LIC_TEXT);
    RECT client{};
    GetClientRect(list, &client);
    CWindowDc dc(list);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    CSelection selectedFont(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    // A listbox draws each entry two pixels in from the left edge; keep the same on the right.
    const int width = client.right - client.left - 4;
    auto measure = [&dc](std::wstring_view text) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.data(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const LRESULT topIndex = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& line : licenceLines)
        for (const std::wstring& entry : WrapLine(line, width, measure))
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageW(list, LB_SETTOPINDEX, topIndex, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

} // namespace Velkora

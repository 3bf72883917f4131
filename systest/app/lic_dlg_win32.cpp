#include "lic_dlg_win32.h"

#include "about_dlg_win32.h"
#include "framework/window_placement_win32.h"
#include "res/resource.h"
#include "text_file_read.h"
#include "text_format.h"
#include "text_ids.h"

namespace Velkora {

bool CLicDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
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
        case IDC_LIC_CONSENT: {
            HWND accept = GetDlgItem(Handle(), IDOK);
            EnableWindow(accept, IsDlgButtonChecked(Handle(), IDC_LIC_CONSENT) == BST_CHECKED);
            SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(accept), TRUE);
            return true;
        }
        }
        return false;
    }
    return false;
}

void CLicDlg::OnInitDialog() {
    CenterWindowInWorkArea(Handle());
    SetWindowIcons(Handle(), context.modules->Program(), IDR_MAINFRAME);
    EnableWindow(GetDlgItem(Handle(), IDOK), FALSE);
    FillLicenceText();
    RegisterWithLoop();
    context.modules->SetCurrent(context.modules->LanguageModule());
    SetDlgItemTextW(Handle(), IDOK, context.texts->Text(kTextLicenceAccept).c_str());
    SetDlgItemTextW(Handle(), IDCANCEL, context.texts->Text(kTextLicenceDecline).c_str());
    SetDlgItemTextW(Handle(), IDC_LIC_INSTRUCTIONS, context.texts->Text(kTextLicenceInstructions).c_str());
    SetDlgItemTextW(Handle(), IDC_LIC_CONSENT, context.texts->Text(kTextLicenceConsent).c_str());
    SetWindowTextW(Handle(), FormatTextById(*context.texts, kTextLicenceCaption, {context.identity.name}).c_str());
    context.modules->SetCurrent(context.modules->Program());
}

void CLicDlg::FillLicenceText() {
    HWND list = GetDlgItem(Handle(), IDC_LIC_TEXT);
    try {
        CTextFileRead file(licencePath);
        if (!file.IsFileOpen()) return;
        std::wstring line;
        while (!file.AtEndOfFile()) {
            if (!file.ReadTextLine(line)) break;
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        }
    } catch (const CTextFileException&) {
        // An unreadable licence text leaves what was read so far; the user can still accept.
    }
}

} // namespace Velkora

// A small dialog the driver's own tests drive: a list box, a check box that enables OK,
// OK ends with 7, Cancel with 3. It prints its environment value and working directory.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

#include "fixture_dialog_resource.h"

namespace {

INT_PTR CALLBACK FixtureProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        for (const wchar_t* line : {L"first line", L"", L"third line"}) {
            SendDlgItemMessageW(dialog, IDC_FIXTURE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_FIXTURE_TICK) {
            EnableWindow(GetDlgItem(dialog, IDOK),
                         IsDlgButtonChecked(dialog, IDC_FIXTURE_TICK) == BST_CHECKED);
        } else if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 7);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 3);
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    char value[256] = {};
    GetEnvironmentVariableA("FIXTURE_VALUE", value, sizeof value);
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    std::printf("value=%s\ncwd=%s\n", value, directory);
    std::fflush(stdout);
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_FIXTURE), nullptr, FixtureProc, 0));
}

// A dialog with a filled result list, driven by real X input from list_x_input_test.sh. It prints
// where the list's client area is on the screen, every selection change the list notifies, and,
// when closed with Escape, the sort state, the column widths and the title tip's state.
#include <cstdio>
#include <string>

#include "list_user_data_win32.h"
#include "user_list_class_win32.h"

namespace {

using Velkora::CListUserData;
using Velkora::ListNotification;

constexpr int kDialogId = 200;
constexpr int kListId = 1001;

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

void PrintSelection(const CListUserData& list) {
    std::printf("selection");
    for (int row : list.Selection().SelectedRows())
        std::printf(" %d", row);
    std::printf("\n");
    std::fflush(stdout);
}

void PrintFinalState(const CListUserData& list) {
    PrintSelection(list);
    std::printf("focus %d\n", list.Selection().Focus());
    std::printf("sort %d %d\n", list.SortColumn(), list.SortDescending() ? 1 : 0);
    std::printf("widths %d %d\n", list.Columns().Find(0)->width, list.Columns().Find(1)->width);
    std::printf("tip %d %s\n", list.TitleTip().IsShown() ? 1 : 0, Narrow(list.TitleTip().Text()).c_str());
    std::printf("labels");
    for (const Velkora::ResultRow& row : list.Rows())
        std::printf(" %s", Narrow(row.label).c_str());
    std::printf("\n");
    std::fflush(stdout);
}

INT_PTR CALLBACK DemoProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* list = reinterpret_cast<CListUserData*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        if (!reinterpret_cast<CListUserData*>(lParam)->AttachResultList(dialog, kListId))
            std::fprintf(stderr, "the list could not be attached\n");
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(Velkora::kListSelectionChanged))
            PrintSelection(*list);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
            PrintFinalState(*list);
            DestroyWindow(dialog);
            PostQuitMessage(0);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!Velkora::RegisterUserListClass(instance))
        return 3;
    CListUserData list;
    HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(kDialogId), nullptr, DemoProc,
                                     reinterpret_cast<LPARAM>(&list));
    if (!dialog || !list.Handle())
        return 4;
    list.AppendColumn(L"Status", 1);
    list.AppendColumn(L"Description", 1);
    const Velkora::ResultRow rows[] = {
        {0, L"Not met", L"Memory: 2 GB installed, 8 GB required"},
        {1, L"Warning",
         L"The graphics adapter meets the requirements, but its driver is older than recommended"},
        {2, L"Met", L"Processor: 8 cores"},
        {2, L"Met", L"Operating system: Windows 7 Professional Service Pack 1 (64-bit)"},
        {2, L"Met", L"Free disk space: 120 GB"},
        {1, L"Warning", L"Screen resolution: 1280 x 1024"},
        {2, L"OK", L"Video memory: 4096 MB"},
        {1, L"Obsolete", L"Driver from 2016"},
        {0, L"Row 8", L"More rows"},
        {1, L"Row 9", L"More rows"},
        {2, L"Row 10", L"More rows"},
        {0, L"Row 11", L"More rows"},
    };
    for (const Velkora::ResultRow& row : rows)
        list.AppendRow(row);
    if (!list.FitColumnToContent(0) || !list.FitColumnToContent(1))
        std::fprintf(stderr, "the columns could not be fitted\n");
    SetWindowPos(dialog, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    UpdateWindow(dialog);

    RECT client{};
    GetClientRect(list.Handle(), &client);
    MapWindowPoints(list.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::printf("list %ld %ld %ld %ld %d %d %d %d\n", client.left, client.top, client.right - client.left,
                client.bottom - client.top, list.HeaderHeight(), list.RowHeight(),
                list.Columns().Find(0)->width, list.Columns().Find(1)->width);
    std::fflush(stdout);

    // Never outlive a driver that went away.
    SetTimer(nullptr, 0, 60000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && !msg.hwnd)
            return 5;
        if (IsWindow(dialog) && IsDialogMessageW(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

// Copying what the result list shows: Ctrl+A and Ctrl+C, and the context menu that offers the
// same. The text is the portable list_row_text.h's.
#include <algorithm>

#include "list_impl_win32.h"
#include "list_row_text.h"
#include "list_user_data_win32.h"

namespace Velkora {

template <typename T> bool CListImpl<T>::CopyRowsToClipboard() {
    std::wstring text;
    for (int row : RowsToCopy(selection.SelectedRows(), Derived().CountRows()))
        text += RowCopyLine(CellTextsOf(row));
    if (!OpenClipboard(Handle()))
        return false;
    bool copied = false;
    if (EmptyClipboard()) {
        std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* target = GlobalLock(memory)) {
                std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(target));
                GlobalUnlock(memory);
                copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
            }
            // The clipboard owns the memory once it took it.
            if (!copied)
                GlobalFree(memory);
        }
    }
    CloseClipboard();
    return copied;
}

template <typename T> void CListImpl<T>::SelectAllRows() {
    int rowCount = Derived().CountRows();
    if (rowCount <= 0)
        return;
    selection.SelectAll(rowCount);
    SelectionChangedByKey();
}

// From the mouse at its point; from the keyboard (Shift+F10, the menu key; the point is -1, -1)
// below the row that shows the focus.
template <typename T> void CListImpl<T>::OnContextMenu(LPARAM lParam) {
    HideTitleTip();
    EndSlide();
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        int row = VisibleFocusRow(selection, Derived().CountRows(), true);
        RECT r = row >= 0 && IsRowFullyVisible(row, CurrentRowView())
                     ? AccessItemRect({AccessibleKind::kRow, row})
                     : RECT{0, HeaderHeight(), 0, HeaderHeight()};
        at = {std::max<LONG>(r.left, 0) + RowHeight(), r.bottom};
        ClientToScreen(Handle(), &at);
    }
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    UINT enabled = Derived().CountRows() > 0 ? MF_ENABLED : MF_GRAYED;
    AppendMenuW(menu, MF_STRING | enabled, kListCommandCopy, menuCopyText.c_str());
    AppendMenuW(menu, MF_STRING | enabled, kListCommandSelectAll, menuSelectAllText.c_str());
    UINT command =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                                         at.x, at.y, 0, Handle(), nullptr));
    DestroyMenu(menu);
    if (command == kListCommandCopy)
        // Nobody to tell when the clipboard is busy: it keeps what it had, and Copy can be chosen again.
        static_cast<void>(CopyRowsToClipboard());
    else if (command == kListCommandSelectAll)
        SelectAllRows();
}

// The list's one use.
template bool CListImpl<CListUserData>::CopyRowsToClipboard();
template void CListImpl<CListUserData>::SelectAllRows();
template void CListImpl<CListUserData>::OnContextMenu(LPARAM);

} // namespace Velkora

// The result list for assistive technology: the accessible object handed out for WM_GETOBJECT
// answers from here, and focus and selection changes are announced as WinEvents. The child IDs,
// roles, states and names are the portable ones of list_accessibility.h and list_row_text.h.
#include "list_impl_win32.h"
#include "list_painter_win32.h"
#include "list_row_text.h"
#include "list_user_data_win32.h"
#include "oleacc_functions_win32.h"

namespace Velkora {

template <typename T> std::vector<std::wstring> CListImpl<T>::CellTextsOf(int row) const {
    std::vector<std::wstring> texts;
    for (int i = 0; i < columns.Count(); ++i)
        texts.push_back(Derived().GetCellText(row, columns.Find(i)->subItem));
    return texts;
}

template <typename T> HWND CListImpl<T>::AccessWindow() const {
    return Handle();
}

template <typename T> int CListImpl<T>::AccessRowCount() const {
    return Derived().CountRows();
}

template <typename T> int CListImpl<T>::AccessColumnCount() const {
    return columns.Count();
}

template <typename T> std::wstring CListImpl<T>::AccessRowName(int row) const {
    return RowAccessibleName(CellTextsOf(row));
}

template <typename T> std::wstring CListImpl<T>::AccessColumnTitle(int column) const {
    const ListColumn* c = columns.Find(column);
    return c ? c->title : std::wstring();
}

template <typename T> bool CListImpl<T>::AccessRowSelected(int row) const {
    return selection.IsSelected(row);
}

template <typename T> int CListImpl<T>::AccessFocusRow() const {
    return VisibleFocusRow(selection, Derived().CountRows(), HasFocus());
}

template <typename T> bool CListImpl<T>::HasFocus() const {
    return Handle() && GetFocus() == Handle();
}

template <typename T> RECT CListImpl<T>::AccessItemRect(const AccessibleChild& child) const {
    if (child.kind == AccessibleKind::kRow)
        return ToRect(RowRect(CurrentRowGrid(), child.index));
    if (child.kind == AccessibleKind::kColumnHeader)
        return ToRect(ColumnSpan(columns, child.index, horizontalPosition, 0, HeaderHeight()));
    return ClientRect();
}

template <typename T> AccessibleChild CListImpl<T>::AccessHitTest(POINT client) const {
    if (kShowHeader && client.y >= 0 && client.y < HeaderHeight()) {
        int column = columns.ColumnAt(client.x + horizontalPosition);
        return column >= 0 ? AccessibleChild{AccessibleKind::kColumnHeader, column}
                           : AccessibleChild{AccessibleKind::kList, -1};
    }
    int row = RowAtY(CurrentRowGrid(), client.y);
    return row >= 0 ? AccessibleChild{AccessibleKind::kRow, row} : AccessibleChild{AccessibleKind::kList, -1};
}

// accSelect as a screen reader uses it: take the focus, select this row alone, add or remove it.
template <typename T> bool CListImpl<T>::AccessSelect(int row, long flags) {
    if (row < 0 || row >= Derived().CountRows())
        return false;
    if (flags & SELFLAG_TAKEFOCUS) {
        SetFocus(Handle());
        selection.SetFocus(row);
    }
    if (flags & SELFLAG_TAKESELECTION)
        selection.SelectOnly(row);
    else if (((flags & SELFLAG_ADDSELECTION) && !selection.IsSelected(row)) ||
             ((flags & SELFLAG_REMOVESELECTION) && selection.IsSelected(row))) {
        int focus = selection.Focus();
        selection.Toggle(row);
        selection.SetFocus(focus >= 0 ? focus : row);
    }
    ScrollRowIntoView(row);
    Repaint();
    Notify(kListSelectionChanged, selection.Focus(), -1);
    return true;
}

template <typename T> LRESULT CListImpl<T>::OnGetObject(WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT))
        return 0;
    if (!accessible) {
        if (CListAccessible* made = CListAccessible::Create(*this))
            *accessible.Receive() = made;
    }
    // The interface ID from the header (oleacc's import library offers it only as an import).
    return accessible ? LresultFromAccessible(__uuidof(IAccessible), wParam,
                                              static_cast<IAccessible*>(accessible.Get()))
                      : 0;
}

template <typename T> void CListImpl<T>::AnnounceChanges() {
    if (!Handle())
        return;
    const std::set<int>& rows = selection.SelectedRows();
    if (rows != announcedSelection) {
        announcedSelection = rows;
        if (rows.size() == 1)
            NotifyListEvent(Handle(), EVENT_OBJECT_SELECTION, ChildIdOfRow(*rows.begin()));
        else
            NotifyListEvent(Handle(), EVENT_OBJECT_SELECTIONWITHIN, kChildSelf);
    }
    int focus = AccessFocusRow();
    if (HasFocus() && focus != announcedFocus) {
        announcedFocus = focus;
        NotifyListEvent(Handle(), EVENT_OBJECT_FOCUS, ChildIdOfRow(focus));
    }
}

// The list's one use.
template std::vector<std::wstring> CListImpl<CListUserData>::CellTextsOf(int) const;
template HWND CListImpl<CListUserData>::AccessWindow() const;
template int CListImpl<CListUserData>::AccessRowCount() const;
template int CListImpl<CListUserData>::AccessColumnCount() const;
template std::wstring CListImpl<CListUserData>::AccessRowName(int) const;
template std::wstring CListImpl<CListUserData>::AccessColumnTitle(int) const;
template bool CListImpl<CListUserData>::AccessRowSelected(int) const;
template int CListImpl<CListUserData>::AccessFocusRow() const;
template bool CListImpl<CListUserData>::HasFocus() const;
template RECT CListImpl<CListUserData>::AccessItemRect(const AccessibleChild&) const;
template AccessibleChild CListImpl<CListUserData>::AccessHitTest(POINT) const;
template bool CListImpl<CListUserData>::AccessSelect(int, long);
template LRESULT CListImpl<CListUserData>::OnGetObject(WPARAM, LPARAM);
template void CListImpl<CListUserData>::AnnounceChanges();

} // namespace Velkora

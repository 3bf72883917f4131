// The keyboard in the result list: navigation, sideways scrolling, type-ahead, Ctrl+A and
// Ctrl+C, and sorting by a header click. The decisions are list_interaction.h's, type_ahead.h's
// and list_sorting.h's.
#include "list_impl_win32.h"
#include "list_user_data_win32.h"

namespace Velkora {

namespace {
Modifiers KeyboardModifiers() {
    return {GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0};
}
} // namespace

template <typename T> void CListImpl<T>::OnKeyDown(UINT key) {
    HideTitleTip();
    EndSlide();
    Modifiers modifiers = KeyboardModifiers();
    int start = NavigationStartRow(selection, modifiers);
    switch (key) {
    case VK_UP:
        return OnNavigationKey(NavigationKey::kUp, start, modifiers);
    case VK_DOWN:
        return OnNavigationKey(NavigationKey::kDown, start, modifiers);
    case VK_PRIOR:
        return OnNavigationKey(NavigationKey::kPageUp, start, modifiers);
    case VK_NEXT:
        return OnNavigationKey(NavigationKey::kPageDown, start, modifiers);
    case VK_HOME:
        return OnNavigationKey(NavigationKey::kHome, start, modifiers);
    case VK_END:
        return OnNavigationKey(NavigationKey::kEnd, start, modifiers);
    case VK_LEFT:
    case VK_RIGHT: {
        int line = modifiers.ctrl ? kCtrlHorizontalLines * kHorizontalScrollLine : kHorizontalScrollLine;
        SetHorizontalPosition(
            ScrollRequestPosition(key == VK_LEFT ? ScrollRequest::kLineBack : ScrollRequest::kLineForward,
                                  {.position = horizontalPosition,
                                   .line = line,
                                   .maxPosition = MaxScrollPosition(CurrentHorizontalBar())}));
        return ReselectFocus(modifiers);
    }
    case VK_TAB:
        return ReselectFocus(modifiers);
    case VK_APPS:
        return OnContextMenu(-1);
    case VK_F10:
        if (modifiers.shift)
            OnContextMenu(-1);
        return;
    default:
        break;
    }
    if (key < 'A' || key > 'Z')
        return;
    if (!modifiers.ctrl)
        return TypeAhead(key, start);
    if (key == 'A')
        SelectAllRows();
    else if (key == 'C')
        // Nobody to tell when the clipboard is busy: it keeps what it had, and Ctrl+C can be pressed again.
        static_cast<void>(CopyRowsToClipboard());
}

template <typename T>
void CListImpl<T>::OnNavigationKey(NavigationKey navigation, int start, Modifiers modifiers) {
    int focus = NavigatedRow(navigation, start, Derived().CountRows(), VisibleRows());
    if (focus < 0)
        return;
    ScrollRowIntoView(focus);
    bool changed = SelectAfterKey(selection, focus, modifiers);
    Repaint();
    if (changed)
        Notify(kListSelectionChanged, focus, -1);
    else
        AnnounceChanges(); // the focus alone moved
}

template <typename T> void CListImpl<T>::ReselectFocus(Modifiers modifiers) {
    if (!modifiers.ctrl && SelectAfterKey(selection, selection.Focus(), modifiers))
        SelectionChangedByKey();
}

template <typename T> void CListImpl<T>::TypeAhead(UINT key, int start) {
    const ListColumn* column = columns.Find(sortState.column >= 0 ? sortState.column : 0);
    int subItem = column ? column->subItem : 0;
    // The key's own time, not the time it is handled: a busy machine must not break a word apart.
    int found = typeAhead.Type(static_cast<wchar_t>(key), GetMessageTime(), start, Derived().CountRows(),
                               [&](int row) { return std::wstring(Derived().GetCellText(row, subItem)); });
    if (found < 0)
        return;
    selection.SelectOnly(found);
    ScrollRowIntoView(found);
    SelectionChangedByKey();
}

template <typename T> void CListImpl<T>::SortRowsByColumn(int column) {
    const ListColumn* c = columns.Find(column);
    if (!kShowHeader || !kSortOnHeaderClick || !c)
        return;
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (NextSortStep(sortState, column) == SortStep::kReverse)
        Derived().ReverseRows();
    else
        Derived().SortRows(c->subItem);
    SetCursor(previous);
    selection.Clear();
    Repaint();
    NotifyListEvent(Handle(), EVENT_OBJECT_REORDER, kChildSelf);
    AnnounceChanges();
}

// The list's one use.
template void CListImpl<CListUserData>::OnKeyDown(UINT);
template void CListImpl<CListUserData>::OnNavigationKey(NavigationKey, int, Modifiers);
template void CListImpl<CListUserData>::ReselectFocus(Modifiers);
template void CListImpl<CListUserData>::TypeAhead(UINT, int);
template void CListImpl<CListUserData>::SortRowsByColumn(int);

} // namespace Velkora

// The title tip of the result list: over the text part of a cell whose text is cut, a tip shows
// the whole text in place. Where it goes is list_geometry.h's.
#include <algorithm>

#include "gdi_objects_win32.h"
#include "list_impl_win32.h"
#include "list_painter_win32.h"
#include "list_user_data_win32.h"

namespace Velkora {

template <typename T> void CListImpl<T>::HideTitleTip() {
    titleTip.Hide();
}

template <typename T> void CListImpl<T>::UpdateTitleTip(POINT client) {
    RowGrid grid = CurrentRowGrid();
    int row = RowAtY(grid, client.y);
    int column = columns.ColumnAt(client.x + horizontalPosition);
    const ListColumn* c = columns.Find(column);
    if (row < 0 || !c || !DrawsCells(c->width)) {
        HideTitleTip();
        tipRow = tipColumn = -1;
        return;
    }
    if (row == tipRow && column == tipColumn && titleTip.IsShown())
        return;
    ListRect rowRect = RowRect(grid, row);
    ListRect cell = ColumnSpan(columns, column, horizontalPosition, rowRect.top, rowRect.bottom);
    const std::wstring& text = Derived().GetCellText(row, c->subItem);
    bool hasImage = Derived().GetCellImage(row, c->subItem) >= 0 && resources.rowImages;
    CellLayout layout = LayOutCell(cell, column == 0, hasImage, text.empty(), resources.imageSize);
    bool overText = client.x >= layout.text.left && client.x < std::min(layout.text.right, cell.right);
    int textWidth = 0;
    if (overText && !text.empty()) {
        CWindowDc dc(Handle());
        CSelection selected(dc.Get(), titleTip.Font() ? static_cast<HGDIOBJ>(titleTip.Font())
                                                      : GetStockObject(DEFAULT_GUI_FONT));
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        textWidth = size.cx;
    }
    if (!overText || !NeedsTitleTip(textWidth, layout.text)) {
        HideTitleTip();
        tipRow = tipColumn = -1;
        return;
    }
    RECT tip = ToRect(TitleTipRect(textWidth, layout.text));
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&tip), 2);
    // A cell near the screen's edge must not push its tip off the monitor or under the task bar.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromRect(&tip, MONITOR_DEFAULTTONEAREST), &monitor))
        tip = ToRect(KeepInsideArea(ToListRect(tip), ToListRect(monitor.rcWork)));
    tipRow = row;
    tipColumn = column;
    titleTip.Show(tip, text);
}

// The list's one use.
template void CListImpl<CListUserData>::HideTitleTip();
template void CListImpl<CListUserData>::UpdateTitleTip(POINT);

} // namespace Velkora

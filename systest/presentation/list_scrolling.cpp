#include "list_scrolling.h"

#include <algorithm>

#include "list_geometry.h"

namespace Velkora {

int MaxScrollPosition(const ScrollBarLayout& bar) {
    if (!bar.visible)
        return 0;
    return std::max(bar.maximum + 1 - bar.page, 0);
}

namespace {
ScrollBarLayout MakeBar(long long content, int page, int position) {
    ScrollBarLayout bar;
    bar.page = std::max(page, 0);
    if (content <= bar.page)
        return bar; // hidden, position 0
    bar.visible = true;
    bar.maximum = static_cast<int>(std::min<long long>(content, 0x7FFFFFFF) - 1);
    bar.position = std::clamp(position, 0, MaxScrollPosition(bar));
    return bar;
}
} // namespace

ScrollBarLayout VerticalScrollBar(const VerticalContent& c, int position) {
    const int clientHeight = c.clientHeight, headerHeight = c.headerHeight, rowHeight = c.rowHeight;
    const int rowCount = c.rowCount;
    long long rowsHeight = static_cast<long long>(std::max(rowCount, 0)) * std::max(rowHeight, 0);
    long long content = std::max(headerHeight, 0) + rowsHeight;
    if (content <= clientHeight)
        return MakeBar(0, clientHeight - headerHeight, 0); // hidden
    // The range counts the header too: the list shows whole rows from the top, so the position
    // needs up to one row more than the rows' height to bring a cut last row fully into view.
    ScrollBarLayout bar;
    bar.page = std::max(clientHeight - headerHeight, 0);
    bar.visible = true;
    bar.maximum = static_cast<int>(std::min<long long>(content, 0x7FFFFFFF) - 1);
    bar.position = std::clamp(position, 0, MaxScrollPosition(bar));
    return bar;
}

ScrollBarLayout HorizontalScrollBar(int clientWidth, int totalWidth, int position) {
    return MakeBar(totalWidth, clientWidth, position);
}

int ScrollRequestPosition(ScrollRequest request, const ScrollMotion& motion) {
    const int line = motion.line, page = motion.page, maxPosition = motion.maxPosition;
    long long target = motion.position;
    switch (request) {
    case ScrollRequest::kLineBack:
        target -= line;
        break;
    case ScrollRequest::kLineForward:
        target += line;
        break;
    case ScrollRequest::kPageBack:
        target -= page;
        break;
    case ScrollRequest::kPageForward:
        target += page;
        break;
    case ScrollRequest::kToStart:
        target = 0;
        break;
    case ScrollRequest::kToEnd:
        target = maxPosition;
        break;
    case ScrollRequest::kTrack:
        target = motion.trackPosition;
        break;
    case ScrollRequest::kStay:
        break;
    }
    return static_cast<int>(std::clamp<long long>(target, 0, std::max(maxPosition, 0)));
}

int WheelScrollPosition(const RowView& view, const WheelTurn& turn) {
    if (view.rowHeight <= 0)
        return view.position;
    long long lines = turn.lines == kWheelPageScroll ? view.visibleRows : static_cast<long long>(turn.lines);
    long long rows = lines * turn.delta / 120;
    long long first = FirstVisibleRow(view.position, view.rowHeight) - rows;
    return static_cast<int>(std::clamp<long long>(first * view.rowHeight, 0, std::max(view.maxPosition, 0)));
}

int VisibleRowCount(int clientHeight, int headerHeight, int rowHeight) {
    if (rowHeight <= 0)
        return 1;
    return std::max((clientHeight - headerHeight) / rowHeight, 1);
}

bool IsRowFullyVisible(int row, const RowView& view) {
    int first = FirstVisibleRow(view.position, view.rowHeight);
    return row >= first && row < first + std::max(view.visibleRows, 1);
}

int ScrollIntoViewPosition(int row, const RowView& view) {
    if (row < 0 || IsRowFullyVisible(row, view))
        return view.position;
    int first = FirstVisibleRow(view.position, view.rowHeight);
    long long top = row < first ? row : row + 1 - std::max(view.visibleRows, 1);
    return static_cast<int>(std::clamp<long long>(top * view.rowHeight, 0, std::max(view.maxPosition, 0)));
}

} // namespace Velkora

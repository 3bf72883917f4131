#pragma once
// The result list's scroll bars: their ranges in pixels, where a scroll request or the mouse
// wheel takes the position.
#include <cstdint>

namespace Velkora {

struct ScrollBarLayout {
    bool visible = false;
    int maximum = 0; // last pixel of the content (the bar's range is 0 to maximum)
    int page = 0;
    int position = 0; // clamped to what the range allows
    friend bool operator==(const ScrollBarLayout&, const ScrollBarLayout&) = default;
};

// The furthest position: the content's end at the bottom or right of the visible part.
int MaxScrollPosition(const ScrollBarLayout& bar);

// What the vertical bar scrolls over.
struct VerticalContent {
    int clientHeight = 0;
    int headerHeight = 0;
    int rowCount = 0;
    int rowHeight = 0;
};

// Shown when the header and all rows are taller than the client area; the page is the row area
// and the range is header plus rows, so that the last row can always be scrolled fully into view.
ScrollBarLayout VerticalScrollBar(const VerticalContent& content, int position);
// Shown when the columns are wider than the client area; the page is the client width.
ScrollBarLayout HorizontalScrollBar(int clientWidth, int totalWidth, int position);

enum class ScrollRequest {
    kLineBack,
    kLineForward,
    kPageBack,
    kPageForward,
    kToStart,
    kToEnd,
    kTrack,
    kStay
};

// Where one scroll bar stands and how far its requests go.
struct ScrollMotion {
    int position = 0;
    int trackPosition = 0; // the thumb while it is dragged
    int line = 0;          // a row (kHorizontalScrollLine sideways)
    int page = 0;          // the visible part
    int maxPosition = 0;
};

// Line and page go by the motion's steps; track follows the thumb.
int ScrollRequestPosition(ScrollRequest request, const ScrollMotion& motion);

inline constexpr int kHorizontalScrollLine = 5;
// The system's "one screen per notch" wheel setting.
inline constexpr std::uint32_t kWheelPageScroll = 0xFFFFFFFFu;

// The rows as the list shows them: where the view stands and how far it may go.
struct RowView {
    int position = 0; // pixels scrolled past the first row
    int rowHeight = 0;
    int visibleRows = 1; // whole rows in the row area
    int maxPosition = 0;
};

// A turn of the mouse wheel: the system's lines per notch and the wheel's delta (120 a notch).
struct WheelTurn {
    std::uint32_t lines = 3;
    int delta = 0;
};

// The wheel moves by wheel lines x delta / 120 whole rows (a page per notch with kWheelPageScroll),
// never above the first row nor past the end.
int WheelScrollPosition(const RowView& view, const WheelTurn& turn);

// Whole rows that fit below the header, at least 1.
int VisibleRowCount(int clientHeight, int headerHeight, int rowHeight);

// Whether the whole row is inside the row area.
bool IsRowFullyVisible(int row, const RowView& view);
// The position that shows the row whole: unchanged when it is; else the row on top (scrolling
// up) or at the bottom (scrolling down).
int ScrollIntoViewPosition(int row, const RowView& view);

} // namespace Velkora

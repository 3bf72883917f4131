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

// Shown when the header and all rows are taller than the client area; the page is the row area
// and the range is header plus rows, so that the last row can always be scrolled fully into view.
ScrollBarLayout VerticalScrollBar(int clientHeight, int headerHeight, int rowCount, int rowHeight,
                                  int position);
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

// The wheel moves by wheel lines x delta / 120 whole rows (a page per notch with kWheelPageScroll),
// never above the first row nor past the end.
int WheelScrollPosition(int position, int rowHeight, std::uint32_t wheelLines, int wheelDelta,
                        int visibleRows, int maxPosition);

// Whole rows that fit below the header, at least 1.
int VisibleRowCount(int clientHeight, int headerHeight, int rowHeight);

// Whether the whole row is inside the row area.
bool IsRowFullyVisible(int row, int position, int rowHeight, int visibleRows);
// The position that shows the row whole: unchanged when it is; else the row on top (scrolling
// up) or at the bottom (scrolling down).
int ScrollIntoViewPosition(int row, int position, int rowHeight, int visibleRows, int maxPosition);

} // namespace Velkora

#pragma once
// One column of the result list: what its header says, how wide it is and what its cells show.
#include <cstdint>
#include <string>
#include <vector>

namespace Velkora {

// Cell kinds. Only plain text is drawn by this list; the others are kept so that a column
// record can say what it was meant to be.
enum ColumnFormat : std::int32_t {
    kFormatText = 0,
    kFormatEdit = 1,
    kFormatDate = 2,
    kFormatCheckBox = 4,
    kFormatCheckBoxOnly = 5,
    kFormatLink = 6,
    kFormatProgress = 7,
    kFormatStopDrawing = 8,
};

// Column flags.
inline constexpr std::uint32_t kNoColumnFlags = 0;
inline constexpr std::uint32_t kColumnAlignLeft = 0x1;
inline constexpr std::uint32_t kColumnAlignRight = 0x2;
inline constexpr std::uint32_t kColumnAlignCentre = 0x4;
inline constexpr std::uint32_t kColumnReadOnly = 0x8;

// Arguments that read at a column's creation.
inline constexpr int kNoHeaderImage = -1;
inline constexpr bool kColumnSizeable = false; // the `fixed` argument
inline constexpr bool kColumnFixed = true;

struct ListColumn {
    std::wstring title;
    std::int32_t width = 0; // pixels
    bool fixed = false;     // not sizeable by the mouse nor by fitting; never shows a sort arrow
    std::int32_t format = kFormatText;
    std::uint32_t flags = 0;
    std::int32_t image = kNoHeaderImage; // header glyph
    std::int32_t subItem = 0;            // which value of a row the column shows
    std::vector<std::wstring> choices;   // texts of a drop-down editor; unused here
};

enum class TextAlignment { kLeft, kCentre, kRight };

// Centred wins over right, right over left.
TextAlignment AlignmentOf(std::uint32_t flags);

} // namespace Velkora

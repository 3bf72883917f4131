#pragma once
// The graphics card list: one rule per line, "name,version,date,code". The name covers adapters
// by words of their caption, or by a piece of the PCI device ID when it begins with "pci".
// The scan picks the entry that decides about the adapter on the primary display.
#include <cstdint>
#include <string>
#include <string_view>

#include "graphics_adapter_info.h"
#include "graphics_message_boxes.h"

namespace Velkora {

inline constexpr wchar_t kCardListFileName[] = L"GraphicsCardGBList.txt";

struct CardListEntry {
    std::wstring name; // as written; trimmed and lower-cased only for matching
    DriverVersionParts version;
    std::uint32_t date = 0; // yyyymmdd
    std::wstring code;      // compared exactly: "CD", "NG", "GD", "GL" or anything else
};

struct CardListMatch {
    std::wstring code; // empty when no entry matched
    std::int32_t entryMajor = 0;
    std::int32_t entryMinor = 0;
    bool operator==(const CardListMatch&) const = default;
};

inline constexpr std::int32_t kCardListNotAnEntry = -1;
inline constexpr std::int32_t kCardListOtherAdapter = -2;
inline constexpr std::int32_t kCardListThisAdapter = 1;

// False for a line that is not an entry: fewer than three commas, or a date that is not yyyymmdd.
// The version is read as far as it parses; it never rejects the line.
[[nodiscard]] bool ParseCardListLine(std::wstring_view line, CardListEntry& entry);

// Whether the entry's name covers the adapter (caption words or "pci" device ID piece).
bool CardListNameCoversAdapter(std::wstring_view name, const GraphicsAdapterInfo& info);

// -1 not an entry, -2 names another adapter, 1 names this one; only then are the flags set:
// whether the installed driver's version and date are not older than the entry's
// (an installed date of 0 is never older).
std::int32_t MatchCardListEntry(const GraphicsAdapterInfo& info, std::wstring_view line, CardListEntry& entry,
                                bool& versionNotOlder, bool& dateNotOlder);

// How the installed version compared with the entry's, part by part, for the verbose display.
std::wstring CardListComparisonTrace(const DriverVersionParts& installed, const DriverVersionParts& listed);

// The lines of a list file, one at a time.
class ICardListLines {
  public:
    enum class Read { kLine, kEnd, kFailed };
    virtual ~ICardListLines() = default;
    virtual Read ReadLine(std::wstring& line) = 0;
};

// The first matching "CD" entry whose date the installed driver meets; else the last matching
// entry; else none. Lines beginning with '#' are comments. No lines (nullptr) or a read failure
// give no entry. With verbose set, the comparisons are shown in boxes. usable, when given, says
// whether the list was there, read whole, and holds at least one entry line (for any adapter): a
// list without one cannot vouch for a card.
CardListMatch ScanCardList(const GraphicsAdapterInfo& info, ICardListLines* lines, IMessageBoxes* verbose,
                           bool* usable = nullptr);

} // namespace Velkora

#include "card_list.h"

#include <vector>

#include "graphics_driver_version.h"
#include "graphics_verbose.h"
#include "text_format.h"

namespace Velkora {
namespace {

std::wstring LowerAscii(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return lower;
}

bool IsWhiteSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && IsWhiteSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A word of the name must stand at the start of a caption word, and must not run on into a
// digit or an 'm' (so "k600" is neither "k6000" nor the mobile "k600m").
bool CaptionHasWord(std::wstring_view hay, std::wstring_view word) {
    std::size_t at = hay.find(word);
    if (at == std::wstring_view::npos || at == 0 || hay[at - 1] != L' ')
        return false;
    std::size_t after = at + word.size();
    if (after < hay.size()) {
        wchar_t next = hay[after];
        if ((next >= L'0' && next <= L'9') || next == L'm')
            return false;
    }
    return true;
}

int CompareVersions(const DriverVersionParts& a, const DriverVersionParts& b) {
    const std::int32_t left[] = {a.major, a.minor, a.build, a.revision};
    const std::int32_t right[] = {b.major, b.minor, b.build, b.revision};
    for (int i = 0; i < 4; ++i) {
        if (left[i] != right[i])
            return left[i] < right[i] ? -1 : 1;
    }
    return 0;
}

void ShowComparison(IMessageBoxes& boxes, const GraphicsAdapterInfo& info, const CardListEntry& entry,
                    bool versionNotOlder, bool dateNotOlder) {
    const DriverVersionParts& e = entry.version;
    const DriverVersionParts& i = info.driverVersion;
    std::wstring trace = CardListComparisonTrace(i, e);
    std::wstring text =
        FormatText(L"%d-%d-%d-%d %d-%d-%d-%d\nOk-Version:%d Dp:%s\nOk-Date:%d Adapder:%d Gc:%d",
                   {e.major, e.minor, e.build, e.revision, i.major, i.minor, i.build, i.revision,
                    versionNotOlder ? 1 : 0, trace, dateNotOlder ? 1 : 0, info.driverDate, entry.date});
    // The 8-bit box takes at most 499 characters.
    std::string narrow = NarrowAsciiText(text);
    if (narrow.size() > 499)
        narrow.resize(499);
    boxes.ShowNarrow(narrow, "Die Version");
    boxes.ShowWide(trace, L"Der Vergleich");
}

} // namespace

bool ParseCardListLine(std::wstring_view line, CardListEntry& entry) {
    if (line.empty())
        return false;
    std::size_t first = line.find(L',');
    if (first == std::wstring_view::npos)
        return false;
    std::size_t second = line.find(L',', first + 1);
    if (second == std::wstring_view::npos)
        return false;
    std::size_t third = line.find(L',', second + 1);
    if (third == std::wstring_view::npos)
        return false;
    std::uint32_t date = 0;
    if (!ParseDriverDate(line.substr(second + 1, third - second - 1), date))
        return false;

    entry.name = std::wstring(line.substr(0, first));
    // The appended '.' lets a two-part version such as 388.13 parse.
    std::wstring version(line.substr(first + 1, second - first - 1));
    version += L'.';
    // A version that does not parse is the entry's all the same: the parts read before the fault.
    (void)ParseDriverVersion(version, false, entry.version);
    entry.date = date;
    entry.code = std::wstring(line.substr(third + 1));
    return true;
}

bool CardListNameCoversAdapter(std::wstring_view name, const GraphicsAdapterInfo& info) {
    std::wstring lowerName = LowerAscii(Trim(name));
    if (lowerName.starts_with(L"pci")) {
        return LowerAscii(info.pnpDeviceId).find(lowerName) != std::wstring::npos;
    }
    std::wstring hay = L" " + LowerAscii(info.caption);
    std::wstring_view rest(lowerName);
    while (!rest.empty()) {
        std::size_t blank = rest.find(L' ');
        std::wstring_view word = rest.substr(0, blank);
        if (!word.empty() && !CaptionHasWord(hay, word))
            return false;
        if (blank == std::wstring_view::npos)
            break;
        rest.remove_prefix(blank + 1);
    }
    return true;
}

std::int32_t MatchCardListEntry(const GraphicsAdapterInfo& info, std::wstring_view line, CardListEntry& entry,
                                bool& versionNotOlder, bool& dateNotOlder) {
    if (!ParseCardListLine(line, entry))
        return kCardListNotAnEntry;
    if (!CardListNameCoversAdapter(entry.name, info))
        return kCardListOtherAdapter;
    versionNotOlder = CompareVersions(info.driverVersion, entry.version) >= 0;
    dateNotOlder = info.driverDate == 0 || info.driverDate >= entry.date;
    return kCardListThisAdapter;
}

std::wstring CardListComparisonTrace(const DriverVersionParts& installed, const DriverVersionParts& listed) {
    std::wstring trace = L"GC:";
    if (listed.major < installed.major)
        trace += L"iv1<v1|";
    if (listed.major != installed.major)
        return trace;
    trace += L"iv1==v1-";
    if (listed.minor < installed.minor)
        trace += L"iv2<v2|";
    if (listed.minor != installed.minor)
        return trace;
    trace += L"iv2==v2-";
    if (listed.build < installed.build)
        trace += L"iv3<v3|";
    if (listed.build != installed.build)
        return trace;
    trace += L"iv3==v3-";
    if (listed.revision <= installed.revision)
        trace += L"iv4<=v4|";
    return trace;
}

CardListMatch ScanCardList(const GraphicsAdapterInfo& info, ICardListLines* lines, IMessageBoxes* verbose,
                           bool* usable) {
    CardListMatch match;
    bool heldEntry = false;
    if (usable)
        *usable = false;
    if (!lines)
        return match;
    std::wstring line;
    for (;;) {
        ICardListLines::Read read = lines->ReadLine(line);
        if (read == ICardListLines::Read::kEnd)
            break;
        // A list read only in part could decide by an entry that a later line overrides.
        if (read == ICardListLines::Read::kFailed)
            return CardListMatch{};
        if (!line.empty() && line.front() == L'#')
            continue;
        CardListEntry entry;
        bool versionNotOlder = false, dateNotOlder = false;
        std::int32_t matched = MatchCardListEntry(info, line, entry, versionNotOlder, dateNotOlder);
        if (matched != kCardListNotAnEntry)
            heldEntry = true;
        if (matched < 0)
            continue;
        if (verbose)
            ShowComparison(*verbose, info, entry, versionNotOlder, dateNotOlder);
        match = CardListMatch{entry.code, entry.version.major, entry.version.minor};
        if (entry.code == L"CD") {
            if (verbose)
                verbose->ShowWide(line, L"Eintrag in Liste");
            if (dateNotOlder)
                break;
        }
    }
    if (usable)
        *usable = heldEntry;
    return match;
}

} // namespace Velkora

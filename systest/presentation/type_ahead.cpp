#include "type_ahead.h"

namespace Velkora {

namespace {
wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}
} // namespace

bool BeginsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix) {
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (AsciiUpper(text[i]) != AsciiUpper(prefix[i]))
            return false;
    return true;
}

int CTypeAhead::Type(wchar_t key, std::uint32_t now, int startRow, int rowCount, const TextOfRow& textOf) {
    key = AsciiUpper(key);
    // Unsigned difference: right across the wrap of the millisecond counter.
    bool paused = !typedBefore || now - lastKeyTime >= kTypeAheadPauseMs;
    int from = startRow + 1;
    if (paused) {
        bool sameLetter = !searchText.empty() && searchText.front() == key;
        searchText.assign(1, key);
        if (!sameLetter)
            from = 0;
    } else {
        if (searchText.empty() || searchText.front() != key)
            searchText += key;
        if (searchText.size() >= 2 && startRow >= 0 && startRow < rowCount &&
            BeginsWithIgnoringCase(textOf(startRow), searchText)) {
            lastKeyTime = now;
            return -1; // the row still matches: it stays selected
        }
    }
    typedBefore = true;
    lastKeyTime = now;
    if (rowCount <= 0)
        return -1;
    if (from < 0 || from >= rowCount)
        from = 0;
    for (int i = 0; i < rowCount; ++i) {
        int row = (from + i) % rowCount;
        if (BeginsWithIgnoringCase(textOf(row), searchText))
            return row;
    }
    return -1;
}

} // namespace Velkora

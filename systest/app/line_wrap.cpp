#include "line_wrap.h"

namespace Velkora {
namespace {

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// The length of the longest start of word that fits, at least one character (two for a
// surrogate pair, which is never split).
size_t FittingPrefix(std::wstring_view word, int maxWidth, const TextWidthMeasure& measure) {
    size_t fitting = 0;
    size_t next = 0;
    while (next < word.size()) {
        next += (IsHighSurrogate(word[next]) && next + 1 < word.size()) ? 2 : 1;
        if (fitting != 0 && measure(word.substr(0, next)) > maxWidth)
            break;
        if (fitting == 0 && measure(word.substr(0, next)) > maxWidth)
            return next;
        fitting = next;
    }
    return fitting;
}

} // namespace

std::vector<std::wstring> WrapLine(std::wstring_view line, int maxWidth, const TextWidthMeasure& measure) {
    std::vector<std::wstring> pieces;
    std::wstring current;
    size_t position = 0;
    // Leading spaces indent the first piece only.
    size_t wordStart = line.find_first_not_of(L' ');
    if (wordStart == std::wstring_view::npos)
        return {std::wstring(line)};
    std::wstring_view indent = line.substr(0, wordStart);
    position = wordStart;
    bool first = true;
    while (position < line.size()) {
        size_t wordEnd = line.find(L' ', position);
        if (wordEnd == std::wstring_view::npos)
            wordEnd = line.size();
        std::wstring_view word = line.substr(position, wordEnd - position);
        std::wstring candidate = current;
        if (first)
            candidate.append(indent);
        else if (!current.empty())
            candidate.push_back(L' ');
        candidate.append(word);
        if (measure(candidate) <= maxWidth) {
            current = std::move(candidate);
        } else {
            if (!current.empty())
                pieces.push_back(std::move(current));
            current.clear();
            while (!word.empty() && measure(word) > maxWidth) {
                size_t length = FittingPrefix(word, maxWidth, measure);
                pieces.emplace_back(word.substr(0, length));
                word.remove_prefix(length);
            }
            current.assign(word);
        }
        first = false;
        position = line.find_first_not_of(L' ', wordEnd);
        if (position == std::wstring_view::npos)
            break;
    }
    if (!current.empty() || pieces.empty())
        pieces.push_back(std::move(current));
    return pieces;
}

} // namespace Velkora

#pragma once
// Finding a row by typing its first letters. Keys that follow each other within 800 ms extend
// the search text; pressing the first letter again steps through the rows that begin with it.
#include <cstdint>
#include <functional>
#include <string>

namespace Velkora {

inline constexpr std::uint32_t kTypeAheadPauseMs = 800;

class CTypeAhead {
  public:
    using TextOfRow = std::function<std::wstring(int row)>;

    // One key (an upper-case letter) at `now` (milliseconds since system start; the counter may
    // wrap). `startRow` is where key navigation starts (-1 when nothing is selected). Answers the
    // row to select alone, or -1 when nothing moves.
    int Type(wchar_t key, std::uint32_t now, int startRow, int rowCount, const TextOfRow& textOf);

    const std::wstring& SearchText() const { return searchText; }

  private:
    std::wstring searchText;
    std::uint32_t lastKeyTime = 0;
    bool typedBefore = false;
};

// Whether text begins with prefix, ignoring the case of ASCII letters (the search text is made
// of virtual-key letters A to Z).
bool BeginsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix);

} // namespace Velkora

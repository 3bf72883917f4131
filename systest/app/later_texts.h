#pragma once
// Texts numbered after the first language modules were made. A module made for an earlier version
// (or for a third language) lacks them; a missing one would leave a row, a caption or a button
// blank, so it is taken from the English module, and where that lacks it too, from the program.
#include <functional>
#include <string>

#include "text_ids.h"

namespace Velkora {

// Every module ever shipped holds the numbers up to this one.
inline constexpr TextId kLastOriginalText = kTextRequirementMinimum;

inline bool IsLaterText(TextId id) {
    return id > kLastOriginalText;
}

// The English module's text for a later number, built into the program; empty for any other number.
std::wstring BuiltInEnglishText(TextId id);

// The text to show: the current module's; for a later number that the module lacks (or holds
// empty), the English module's, then the built-in one. An original number keeps the module's
// answer, empty or not.
std::wstring TextWithFallback(TextId id, const std::wstring& fromModule,
                              const std::function<std::wstring()>& fromEnglishModule);

} // namespace Velkora

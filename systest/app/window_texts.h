#pragma once
// Texts of the windows beyond their captions, by number in the language module.
#include "text_source.h"

namespace Velkora {

inline constexpr TextId kTextResultListName = 1100;   // what assistive technology calls the result list
inline constexpr TextId kTextMenuCopy = 1101;         // the list's context menu, with access key and Ctrl+C
inline constexpr TextId kTextMenuSelectAll = 1102;    // the list's context menu, with access key and Ctrl+A

} // namespace Velkora

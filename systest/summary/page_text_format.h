#pragma once
// The language module's texts hold %d and %s where a figure or a name goes (as the checks'
// texts do); the page fills them in its own UTF-8.
#include <string>
#include <string_view>

namespace Velkora {

// The text with its first %d replaced by the markup given (already HTML); without a %d, the
// markup follows the text, so that no figure is lost to a translation that dropped it.
std::string NumberInText(std::string_view text, std::string_view markup);
std::string WithNumber(std::string_view text, long long value);
// The first %s replaced by the value (as it is: the caller escapes).
std::string WithText(std::string_view text, std::string_view value);

} // namespace Velkora

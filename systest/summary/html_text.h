#pragma once
// Text from a result document or table placed in a page: always characters, never markup.
#include <string>
#include <string_view>

namespace Velkora {

// UTF-8 text for an element's content or a quoted attribute: & < > " ' as references; bytes that
// are not UTF-8 and control characters (other than tab and line breaks) as U+FFFD.
std::string HtmlText(std::string_view text);

} // namespace Velkora

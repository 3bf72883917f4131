#pragma once
// In a silent run every message box becomes one line of text on standard error.
#include <string>
#include <string_view>

namespace Velkora {

// "title: text", with each run of line breaks in the text turned into one blank.
std::wstring MessageBoxLine(std::wstring_view title, std::wstring_view text);

} // namespace Velkora

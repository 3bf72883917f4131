#pragma once
// "-verbosevideo" on the command line makes the graphics checks show their intermediate values.
#include <string>
#include <string_view>

namespace Velkora {

// Anywhere in the whole command line, exact case, as a plain substring: a longer word that begins
// with it, or a path that contains it, counts too.
bool IsVerboseVideoCommandLine(std::wstring_view commandLine);

// The running process's command line (Windows only).
bool IsVerboseVideo();

// 8-bit text for the 8-bit boxes: the texts are ASCII; anything else becomes '?'.
std::string NarrowAsciiText(std::wstring_view text);

} // namespace Velkora

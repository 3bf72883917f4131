#include "graphics_verbose.h"

namespace Velkora {

bool IsVerboseVideoCommandLine(std::wstring_view commandLine) {
    return commandLine.find(L"-verbosevideo") != std::wstring_view::npos;
}

std::string NarrowAsciiText(std::wstring_view text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text)
        narrow.push_back(c > 0 && c < 0x80 ? static_cast<char>(c) : '?');
    return narrow;
}

} // namespace Velkora

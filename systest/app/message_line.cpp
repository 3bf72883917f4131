#include "message_line.h"

namespace Velkora {

std::wstring MessageBoxLine(std::wstring_view title, std::wstring_view text) {
    std::wstring line(title);
    if (!line.empty())
        line += L": ";
    bool inBreak = false;
    for (wchar_t c : text) {
        if (c == L'\r' || c == L'\n') {
            if (!inBreak)
                line += L' ';
            inBreak = true;
            continue;
        }
        inBreak = false;
        line += c;
    }
    return line;
}

} // namespace Velkora

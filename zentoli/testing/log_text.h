#pragma once
// Expected log texts are written with "\n"; the log holds CR LF.
#include <string>

namespace Zentoli {

inline std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace Zentoli

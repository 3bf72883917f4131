#pragma once
// NVIDIA's driver numbering: the Windows driver version a.b.c.d carries the NVIDIA release
// in its last five digits, so 23.21.13.8813 is release 388.13.
#include <cstdint>
#include <string_view>

namespace Velkora {

struct FourPartVersion {
    std::uint32_t major = 0, minor = 0, build = 0, revision = 0;
    bool operator==(const FourPartVersion&) const = default;
};

// a.b.c.d becomes ((c mod 10) * 100 + d / 100).(d mod 100).0.0
constexpr FourPartVersion RenumberNvidiaVersion(FourPartVersion v) {
    return FourPartVersion{(v.build % 10) * 100 + v.revision / 100, v.revision % 100, 0, 0};
}

// Whether a caption names NVIDIA, in any letter case.
constexpr bool CaptionNamesNvidia(std::string_view caption) {
    constexpr std::string_view word = "nvidia";
    for (std::size_t i = 0; i + word.size() <= caption.size(); ++i) {
        std::size_t k = 0;
        while (k < word.size()) {
            char c = caption[i + k];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c != word[k]) break;
            ++k;
        }
        if (k == word.size()) return true;
    }
    return false;
}

static_assert(RenumberNvidiaVersion({23, 21, 13, 8813}) == FourPartVersion{388, 13, 0, 0});

} // namespace Velkora

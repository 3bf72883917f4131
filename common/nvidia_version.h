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

namespace Detail {
template <class Char> constexpr bool ContainsNvidia(const Char* caption, std::size_t size) {
    constexpr char word[] = "nvidia";
    constexpr std::size_t wordSize = sizeof(word) - 1;
    for (std::size_t i = 0; i + wordSize <= size; ++i) {
        std::size_t k = 0;
        while (k < wordSize) {
            Char c = caption[i + k];
            if (c >= Char('A') && c <= Char('Z'))
                c = static_cast<Char>(c - Char('A') + Char('a'));
            if (c != static_cast<Char>(word[k]))
                break;
            ++k;
        }
        if (k == wordSize)
            return true;
    }
    return false;
}
} // namespace Detail

// Whether a caption names NVIDIA, in any letter case.
constexpr bool CaptionNamesNvidia(std::string_view caption) {
    return Detail::ContainsNvidia(caption.data(), caption.size());
}
// The same for wide captions (UTF-16 code units).
constexpr bool CaptionNamesNvidia(std::wstring_view caption) {
    return Detail::ContainsNvidia(caption.data(), caption.size());
}

static_assert(RenumberNvidiaVersion({23, 21, 13, 8813}) == FourPartVersion{388, 13, 0, 0});
static_assert(CaptionNamesNvidia(std::string_view("NVIDIA GeForce")) &&
              CaptionNamesNvidia(std::wstring_view(L"x nVidia")));
static_assert(!CaptionNamesNvidia(std::wstring_view(L"nvidi")));
static_assert(CaptionNamesNvidia(L"GeForce (NVidia)") && !CaptionNamesNvidia("nvidi a"));

} // namespace Velkora

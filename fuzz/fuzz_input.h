#pragma once
// Takes a fuzzer's bytes apart into the values a harness hands to the code under test: small
// numbers, 8-bit texts and wide texts (two bytes per UTF-16 unit, little-endian). Texts end at
// a separator byte sequence or at the end of the input, so that a corpus file stays readable.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Velkora {

class CFuzzInput {
  public:
    CFuzzInput(const std::uint8_t* data, std::size_t size)
        : rest(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return rest.empty(); }
    std::size_t Left() const { return rest.size(); }

    // One byte; 0 once the input is used up.
    std::uint8_t TakeByte() {
        if (rest.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(rest.front());
        rest.remove_prefix(1);
        return b;
    }

    std::uint32_t TakeUInt32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= std::uint32_t{TakeByte()} << (8 * i);
        return v;
    }

    // The bytes up to the next newline (which is dropped), or the rest.
    std::string TakeLine() {
        const std::size_t end = rest.find('\n');
        std::string line(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        return line;
    }

    std::string TakeRest() {
        std::string all(rest);
        rest = {};
        return all;
    }

    // The next line as wide text: each byte below 0x80 is one unit; a byte 0x80 and above is
    // followed by a unit in two bytes, little-endian (so that any UTF-16 unit, surrogates and
    // NUL included, can be written while ASCII corpora stay plain text).
    std::wstring TakeWideLine() { return Widen(TakeLine()); }
    std::wstring TakeWideRest() { return Widen(TakeRest()); }

    static std::wstring Widen(std::string_view bytes) {
        std::wstring wide;
        wide.reserve(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<std::uint8_t>(bytes[i]);
            if (b < 0x80) {
                wide += static_cast<wchar_t>(b);
            } else if (i + 2 < bytes.size()) {
                const unsigned low = static_cast<std::uint8_t>(bytes[i + 1]);
                const unsigned high = static_cast<std::uint8_t>(bytes[i + 2]);
                wide += static_cast<wchar_t>(low | high << 8);
                i += 2;
            }
        }
        return wide;
    }

  private:
    std::string_view rest;
};

} // namespace Velkora

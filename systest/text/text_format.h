#pragma once
// A printf-style formatter for texts that come from outside the program (language modules).
// It knows %s, %d, %i, %u, %c and %%, with flags '-' and '0' and a width. It never reads an
// argument that was not passed: a conversion without a matching argument, or one it does not
// know, is copied to the output as it stands.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "text_source.h"

namespace Velkora {

class FormatArg {
  public:
    FormatArg(long long number) : value(number) {}
    FormatArg(int number) : value(static_cast<long long>(number)) {}
    FormatArg(unsigned number) : value(static_cast<long long>(number)) {}
    FormatArg(std::wstring text) : value(std::move(text)) {}
    FormatArg(const wchar_t* text) : value(std::wstring(text ? text : L"")) {}

    const long long* Number() const { return std::get_if<long long>(&value); }
    const std::wstring* String() const { return std::get_if<std::wstring>(&value); }

  private:
    std::variant<long long, std::wstring> value;
};

// Widths above this are cut down: a hostile format must not make the program allocate gigabytes.
inline constexpr std::size_t kMaxFormatWidth = 1024;

std::wstring FormatText(std::wstring_view format, std::span<const FormatArg> args);
inline std::wstring FormatText(std::wstring_view format, std::initializer_list<FormatArg> args) {
    return FormatText(format, std::span<const FormatArg>(args.begin(), args.size()));
}

// The text by number used as the format.
inline std::wstring FormatTextById(const ITextSource& texts, TextId id,
                                   std::initializer_list<FormatArg> args) {
    return FormatText(texts.Text(id), args);
}

} // namespace Velkora

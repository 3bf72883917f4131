#pragma once
// Texts by number. Every user-visible text of the dialog program comes from the language
// module through this interface, so that checks and windows can be tested with a fake.
// Wide strings hold UTF-16 code units on every platform.
#include <cstdint>
#include <string>

namespace Velkora {

using TextId = std::uint16_t;

class ITextSource {
  public:
    virtual ~ITextSource() = default;
    // The text stored under the number in the current resource module; empty when absent.
    virtual std::wstring Text(TextId id) const = 0;
    // The registered modules asked in turn until one has the number; empty when none has it.
    virtual std::wstring RegisteredText(TextId id) const = 0;
};

} // namespace Velkora

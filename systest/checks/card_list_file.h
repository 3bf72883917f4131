#pragma once
// The list files on disk: read through the text file reader, and swapped by name.
#include <memory>
#include <string>

#include "card_list.h"

namespace Velkora {

class ICardListFiles {
  public:
    virtual ~ICardListFiles() = default;
    // The file's lines; nullptr when it cannot be opened.
    virtual std::unique_ptr<ICardListLines> Open(const std::wstring& name) = 0;
    virtual bool Exists(const std::wstring& name) = 0;
    // Puts from in the place of to in one step: either to is replaced, or both stay as they were.
    [[nodiscard]] virtual bool Replace(const std::wstring& from, const std::wstring& to) = 0;
};

// The lines of a text file in any encoding the text file reader knows; nullptr when it does not open.
std::unique_ptr<ICardListLines> OpenCardListFile(const std::wstring& path);

} // namespace Velkora

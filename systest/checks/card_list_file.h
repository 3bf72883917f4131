#pragma once
// The list files on disk, read through the text file reader. Nothing here writes: the program's
// folder may be a share that other machines read at the same time, or read-only.
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
};

// The lines of a text file in any encoding the text file reader knows; nullptr when it does not open.
std::unique_ptr<ICardListLines> OpenCardListFile(const std::wstring& path);

} // namespace Velkora

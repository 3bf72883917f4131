#pragma once
// The list files in the program's folder, named by their bare names.
#include "card_list_file.h"

namespace Velkora {

class CCardListFiles : public ICardListFiles {
  public:
    std::unique_ptr<ICardListLines> Open(const std::wstring& name) override;
    bool Exists(const std::wstring& name) override;
};

} // namespace Velkora

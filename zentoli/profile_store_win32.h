#pragma once
// The settings file through the profile (INI) functions.
#include "diag_settings.h"

namespace Zentoli {

class CWin32ProfileStore : public IProfileStore {
  public:
    std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                            const std::wstring& defaultText, const std::wstring& path) override;
    [[nodiscard]] bool WriteString(const std::wstring& section, const std::wstring& key,
                                   const std::wstring& value, const std::wstring& path) override;
};

} // namespace Zentoli

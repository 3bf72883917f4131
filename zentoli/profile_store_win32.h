#pragma once
// The settings file through the profile (INI) functions.
#include "diag_settings.h"

namespace Zentoli {

class CWin32ProfileStore : public IProfileStore {
  public:
    std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                            const std::wstring& defaultText, const std::wstring& path) override;
    std::optional<std::vector<std::wstring>> ReadSection(const std::wstring& section,
                                                         const std::wstring& path) override;
    [[nodiscard]] bool WriteSection(const std::wstring& section, const std::vector<std::wstring>& lines,
                                    const std::wstring& path) override;
};

} // namespace Zentoli

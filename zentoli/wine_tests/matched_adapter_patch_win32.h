#pragma once
// Makes Wine's display device match WMI's video controller, as a real machine's does, and gives
// the display driver's key a version; everything changed is put back on destruction.
// Wine takes the display device id from the GPU's HardwareID value and rewrites it only when
// its server starts, so the patch holds for every program started while it is in place.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace Zentoli {

class CMatchedAdapterPatch {
  public:
    CMatchedAdapterPatch() = default;
    ~CMatchedAdapterPatch() { Restore(); }
    CMatchedAdapterPatch(const CMatchedAdapterPatch&) = delete;
    CMatchedAdapterPatch& operator=(const CMatchedAdapterPatch&) = delete;

    // False (with a reason) when the keys were not where Wine keeps them.
    [[nodiscard]] bool Apply(const std::wstring& driverVersion, std::wstring& reason);
    void Restore();

    // WMI's PNPDeviceID of the first video controller, as matched.
    const std::wstring& PnpDeviceId() const { return pnpDeviceId; }

  private:
    struct SavedValue {
        std::wstring key;
        std::wstring name;
        std::optional<std::vector<BYTE>> data; // none: the value did not exist
        DWORD type = REG_SZ;
    };
    [[nodiscard]] bool Save(const std::wstring& key, const wchar_t* name);
    [[nodiscard]] static bool Write(const std::wstring& key, const wchar_t* name, DWORD type,
                                    const void* data, DWORD size);

    std::vector<SavedValue> saved;
    std::wstring pnpDeviceId;
};

} // namespace Zentoli

#pragma once
// The adapter facts from Windows: WMI's Win32_VideoController, EnumDisplayDevicesW and the
// display driver's registry key.
#include "adapter_table.h"

namespace Zentoli {

class CWin32AdapterPlatform : public IAdapterPlatform {
  public:
    [[nodiscard]] bool QueryVideoControllers(std::size_t maxCount,
                                             std::vector<VideoControllerRecord>& records) override;
    std::optional<std::vector<DisplayDeviceRecord>> DisplayDevices() override;
    [[nodiscard]] std::optional<DriverKeyValues> ReadDriverKey(const std::wstring& keyPath) override;
};

} // namespace Zentoli

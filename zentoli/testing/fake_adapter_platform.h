#pragma once
// Recorded WMI objects, display devices and driver keys.
#include <map>

#include "adapter_table.h"

namespace Zentoli {

class CFakeAdapterPlatform : public IAdapterPlatform {
  public:
    [[nodiscard]] bool QueryVideoControllers(std::size_t maxCount,
                                             std::vector<VideoControllerRecord>& records) override {
        if (!queryWorks)
            return false;
        records.assign(controllers.begin(), controllers.begin() + std::min(maxCount, controllers.size()));
        return true;
    }
    std::optional<std::vector<DisplayDeviceRecord>> DisplayDevices() override {
        if (!enumDisplayDevicesFound)
            return std::nullopt;
        return devices;
    }
    [[nodiscard]] std::optional<DriverKeyValues> ReadDriverKey(const std::wstring& keyPath) override {
        openedKeys.push_back(keyPath);
        auto it = driverKeys.find(keyPath);
        if (it == driverKeys.end())
            return std::nullopt;
        return it->second;
    }

    // An adapter that drives the desktop: its WMI object and a matching display device.
    void AddActive(std::wstring caption, std::uint32_t ramBytes, std::wstring date, std::wstring version,
                   std::wstring pnp, std::wstring deviceId) {
        controllers.push_back({caption, ramBytes, date, version, pnp, false});
        std::wstring key = L"\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{g}\\000" +
                           std::to_wstring(devices.size());
        devices.push_back({deviceId, key, true, false});
    }

    bool queryWorks = true;
    bool enumDisplayDevicesFound = true;
    std::vector<VideoControllerRecord> controllers;
    std::vector<DisplayDeviceRecord> devices;
    std::map<std::wstring, DriverKeyValues> driverKeys;
    std::vector<std::wstring> openedKeys;
};

} // namespace Zentoli

#include "matched_display_double_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace Zentoli {

std::optional<std::vector<DisplayDeviceRecord>> CMatchedDisplayDevices::DisplayDevices() {
    std::optional<std::vector<DisplayDeviceRecord>> devices = CWin32AdapterPlatform::DisplayDevices();
    if (!devices)
        return devices;
    for (DisplayDeviceRecord& device : *devices) {
        if (device.attachedToDesktop && !device.mirroringDriver) {
            device.deviceId = deviceId;
            break;
        }
    }
    return devices;
}

std::optional<std::wstring> MatchedDeviceIdOfThisRun() {
    wchar_t id[512];
    const DWORD length = GetEnvironmentVariableW(kMatchedDeviceIdVariable, id, 512);
    if (length == 0 || length >= 512)
        return std::nullopt;
    return std::wstring(id, length);
}

} // namespace Zentoli

// The test program's entry: a copy started as Zentoli runs the diagnostics, any other start the tests.
int main(int argc, char** argv) {
    if (std::optional<std::wstring> id = Zentoli::MatchedDeviceIdOfThisRun()) {
        Zentoli::CMatchedDiagPlatform platform(*id);
        return Zentoli::RunDiagnostics(platform);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

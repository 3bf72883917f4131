#pragma once
// Where Wine's display device cannot be given WMI's id (Wine 10 takes it from its own GPU list and
// not from the registry, so the patch has no effect), a copy of this test program runs Zentoli's
// diagnostics in its own process in place of Zentoli.exe, with Windows' display devices except
// that the primary one carries WMI's hardware id. Everything else is Windows' own.
#include <optional>
#include <string>

#include "adapter_platform_win32.h"
#include "diag_platform_win32.h"

namespace Zentoli {

// Set in a child's environment: the copy of this program runs Zentoli with that display device id.
inline constexpr wchar_t kMatchedDeviceIdVariable[] = L"VELKORA_TEST_MATCHED_DEVICE_ID";

class CMatchedDisplayDevices : public CWin32AdapterPlatform {
  public:
    explicit CMatchedDisplayDevices(std::wstring deviceId) : deviceId(std::move(deviceId)) {}
    std::optional<std::vector<DisplayDeviceRecord>> DisplayDevices() override;

  private:
    std::wstring deviceId;
};

class CMatchedDiagPlatform : public CWin32DiagPlatform {
  public:
    explicit CMatchedDiagPlatform(std::wstring deviceId) : matched(std::move(deviceId)) {}
    IAdapterPlatform& Adapters() override { return matched; }

  private:
    CMatchedDisplayDevices matched;
};

// The display device id to run Zentoli with, when this process is such a copy.
std::optional<std::wstring> MatchedDeviceIdOfThisRun();

} // namespace Zentoli

#pragma once
// The adapter inventory: which video controller drives the primary display, with its memory,
// driver version and date. The platform gathers plain facts (WMI objects, display devices and
// their registry values); every decision is taken here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics_adapter_info.h"
#include "graphics_message_boxes.h"

namespace Velkora {

// One property of a Win32_VideoController object as IWbemClassObject::Get gave it.
struct WmiValue {
    enum class Kind { kUnreadable, kNull, kText, kOther };
    Kind kind = Kind::kUnreadable;
    std::wstring text;                   // for kText
    std::optional<std::uint32_t> number; // when the value converts to an unsigned 32-bit number

    static WmiValue Text(std::wstring value) { return {Kind::kText, std::move(value), std::nullopt}; }
    static WmiValue Number(std::uint32_t value) { return {Kind::kOther, {}, value}; }
    static WmiValue Null() { return {Kind::kNull, {}, std::nullopt}; }
};

struct VideoControllerFacts {
    WmiValue pnpDeviceId;
    WmiValue driverVersion;
    WmiValue caption;
    WmiValue adapterRam;
    WmiValue driverDate;
};

// Only so many controllers are examined; the platform need not fetch more.
inline constexpr std::size_t kMaxVideoControllers = 10;

struct VideoControllerQuery {
    bool succeeded = false; // WMI reached and "SELECT * FROM Win32_VideoController" run
    std::vector<VideoControllerFacts> controllers; // in WMI's order
};

// One display device of the desktop (EnumDisplayDevicesW) and its driver's registry key.
struct DisplayDeviceFacts {
    std::uint32_t stateFlags = 0;
    std::wstring deviceId;
    std::wstring deviceKey;
    bool keyOpened = false;
    std::optional<std::wstring> driverVersion;  // "DriverVersion", nullopt when it could not be read
    std::optional<std::wstring> releaseVersion; // "ReleaseVersion", likewise
};

inline constexpr std::uint32_t kDisplayAttachedToDesktop = 0x1;
inline constexpr std::uint32_t kDisplayPrimaryDevice = 0x4;
inline constexpr std::uint32_t kDisplayMirroringDriver = 0x8;

class IGraphicsFacts {
  public:
    virtual ~IGraphicsFacts() = default;
    // At most kMaxVideoControllers objects.
    virtual VideoControllerQuery QueryVideoControllers() = 0;
    virtual std::vector<DisplayDeviceFacts> EnumerateDisplayDevices() = 0;
};

inline constexpr std::int32_t kInventoryDone = 0;
inline constexpr std::int32_t kInventoryNoWmi = -1;
inline constexpr std::int32_t kInventoryNoDriverVersion = -2;
inline constexpr std::int32_t kInventoryNoAdapterRam = -3;
inline constexpr std::int32_t kInventoryNoDriverDate = -4;

// Result 0 done; -1 WMI failed or a matched adapter has no caption text; -2 a controller without
// a driver version text; -3 AdapterRAM unreadable; -4 DriverDate not text. With verbose set, the
// final version is shown in a box.
[[nodiscard]] std::int32_t CollectGraphicsAdapterInfo(GraphicsAdapterInfo& info, IGraphicsFacts& facts,
                                                      IMessageBoxes* verbose);

// The desktop devices of the adapter with this PNP device ID, and its registry driver version,
// which replaces version when one of its devices has a readable key.
void FindDisplayDriverVersion(const std::vector<DisplayDeviceFacts>& devices, std::wstring_view pnpDeviceId,
                              bool& matched, bool& primary, DriverVersionParts& version);

// The display device's DeviceKey as a path below HKEY_LOCAL_MACHINE.
std::wstring DisplayDeviceRegistryPath(std::wstring_view deviceKey);

// A registry text read into a zero-filled buffer of 100 units: up to the first NUL, at most 99.
inline constexpr std::size_t kRegistryTextUnits = 100;
std::wstring RegistryBufferText(std::wstring_view buffer);

} // namespace Velkora

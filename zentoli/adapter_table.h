#pragma once
// The video adapters of the machine as Zentoli sees them: one slot per object of WMI's
// Win32_VideoController, marked active when a display device on the desktop matches it.
// The platform hands in plain records; every decision is made here.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Zentoli {

inline constexpr std::size_t kAdapterSlots = 10;
// Captions and PNP device ids are held up to this many characters, longer ones are cut.
inline constexpr std::size_t kAdapterTextMax = 255;
// The registry's driver version is read into 200 bytes: 99 characters and the terminator.
inline constexpr std::size_t kRegistryVersionMax = 99;

using DriverVersion = std::array<std::int32_t, 4>;

struct AdapterSlot {
    bool active = false;
    std::wstring caption; // lower-cased
    std::uint32_t memoryMb = 0;
    DriverVersion driverVersion{};
    std::uint32_t driverDate = 0; // yyyymmdd
    std::wstring pnpDeviceId;     // lower-cased
};

struct AdapterTable {
    std::array<AdapterSlot, kAdapterSlots> slots{};
    // The first active slot in table order, or null.
    const AdapterSlot* ActiveAdapter() const;
};

// One Win32_VideoController object. A property is present only when it had the expected type;
// readFailed tells that reading some property failed.
struct VideoControllerRecord {
    std::optional<std::wstring> caption;
    std::optional<std::uint32_t> adapterRam; // bytes, as the unsigned 32-bit value WMI holds
    std::optional<std::wstring> driverDate;
    std::optional<std::wstring> driverVersion;
    std::optional<std::wstring> pnpDeviceId;
    bool readFailed = false;
};

// One entry of EnumDisplayDevicesW.
struct DisplayDeviceRecord {
    std::wstring deviceId;
    std::wstring deviceKey;
    bool attachedToDesktop = false;
    bool mirroringDriver = false;
};

struct DriverKeyValues {
    std::wstring driverVersion;
    std::wstring releaseVersion;
};

// What the adapter inventory needs from the platform.
class IAdapterPlatform {
  public:
    virtual ~IAdapterPlatform() = default;
    // COM and WMI: up to maxCount Win32_VideoController objects. False when a step before the
    // property reads failed (security, locator, connection, query, enumeration).
    [[nodiscard]] virtual bool QueryVideoControllers(std::size_t maxCount,
                                                     std::vector<VideoControllerRecord>& records) = 0;
    // Every display device; none when EnumDisplayDevicesW cannot be found at run time.
    virtual std::optional<std::vector<DisplayDeviceRecord>> DisplayDevices() = 0;
    // The two values of a key below HKEY_LOCAL_MACHINE (empty when absent); none when the key
    // cannot be opened.
    [[nodiscard]] virtual std::optional<DriverKeyValues> ReadDriverKey(const std::wstring& keyPath) = 0;
};

// The version text rule: "-" counts as ".", empty parts are skipped, the first four parts are
// read as leading integers, missing parts are 0.
DriverVersion ParseVersionText(std::wstring_view text);

// The first eight characters of a CIM date as yyyymmdd; 0 when there are fewer or any of them
// is not a digit.
std::uint32_t ParseDriverDate(std::wstring_view text);

// The registry path below HKEY_LOCAL_MACHINE that a display device's key names.
std::wstring DriverKeyPath(std::wstring_view deviceKey);

// Fills a slot from one WMI object; returns false when a property read failed.
[[nodiscard]] bool FillSlot(AdapterSlot& slot, const VideoControllerRecord& record);

[[nodiscard]] bool MatchDisplayDevice(AdapterSlot& slot, IAdapterPlatform& platform);

// For a caption that names NVIDIA: a.b.c.d becomes ((c mod 10) * 100 + d / 100).(d mod 100).0.0
void RenumberNvidiaVersion(AdapterSlot& slot);

// The number of active adapters if above 0; otherwise -1 when a step or read failed, else 0.
[[nodiscard]] int EnumerateAdapters(AdapterTable& table, IAdapterPlatform& platform);

} // namespace Zentoli

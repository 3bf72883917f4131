#include "adapter_table.h"

#include "nvidia_version.h"
#include "text_rules.h"

namespace Zentoli {

const AdapterSlot* AdapterTable::ActiveAdapter() const {
    for (const AdapterSlot& slot : slots)
        if (slot.active)
            return &slot;
    return nullptr;
}

DriverVersion ParseVersionText(std::wstring_view text) {
    DriverVersion version{};
    std::size_t part = 0;
    std::size_t i = 0;
    while (i < text.size() && part < version.size()) {
        std::size_t end = text.find_first_of(L".-", i);
        if (end == std::wstring_view::npos)
            end = text.size();
        if (end > i)
            version[part++] = LeadingInteger(text.substr(i, end - i));
        i = end + 1;
    }
    return version;
}

std::uint32_t ParseDriverDate(std::wstring_view text) {
    if (text.size() < 8)
        return 0;
    // Digits only: a sign or a blank would let "-0000001" pass every date check as 4294967295.
    std::uint32_t date = 0;
    for (wchar_t c : text.substr(0, 8)) {
        if (c < L'0' || c > L'9')
            return 0;
        date = date * 10 + static_cast<std::uint32_t>(c - L'0');
    }
    return date;
}

std::wstring DriverKeyPath(std::wstring_view deviceKey) {
    constexpr std::wstring_view prefix = L"\\Registry\\Machine\\";
    if (deviceKey.substr(0, prefix.size()) == prefix)
        deviceKey.remove_prefix(prefix.size());
    return std::wstring(deviceKey);
}

bool FillSlot(AdapterSlot& slot, const VideoControllerRecord& record) {
    if (record.caption)
        slot.caption = LowerAscii(CutText<wchar_t>(*record.caption, kAdapterTextMax));
    if (record.adapterRam)
        slot.memoryMb = *record.adapterRam >> 20;
    if (record.driverDate && record.driverDate->size() >= 8)
        slot.driverDate = ParseDriverDate(*record.driverDate);
    if (record.driverVersion)
        slot.driverVersion = ParseVersionText(*record.driverVersion);
    if (record.pnpDeviceId)
        slot.pnpDeviceId = LowerAscii(CutText<wchar_t>(*record.pnpDeviceId, kAdapterTextMax));
    return !record.readFailed;
}

bool MatchDisplayDevice(AdapterSlot& slot, IAdapterPlatform& platform) {
    std::optional<std::vector<DisplayDeviceRecord>> devices = platform.DisplayDevices();
    if (!devices)
        return false;
    const DisplayDeviceRecord* match = nullptr;
    for (const DisplayDeviceRecord& device : *devices) {
        if (!device.attachedToDesktop || device.mirroringDriver || device.deviceKey.empty())
            continue;
        // An empty id would be contained in every adapter's id; it identifies nothing.
        if (device.deviceId.empty())
            continue;
        if (slot.pnpDeviceId.find(LowerAscii(device.deviceId)) != std::wstring::npos) {
            match = &device;
            break;
        }
    }
    if (!match)
        return false;
    slot.active = true;
    std::optional<DriverKeyValues> values = platform.ReadDriverKey(DriverKeyPath(match->deviceKey));
    if (!values)
        return true;
    std::wstring text = CutText<wchar_t>(values->driverVersion, kRegistryVersionMax);
    if (text.empty())
        text = CutText<wchar_t>(values->releaseVersion, kRegistryVersionMax);
    if (!text.empty())
        slot.driverVersion = ParseVersionText(text);
    return true;
}

void RenumberNvidiaVersion(AdapterSlot& slot) {
    if (!Velkora::CaptionNamesNvidia(std::wstring_view(slot.caption)))
        return;
    const DriverVersion& v = slot.driverVersion;
    Velkora::FourPartVersion renumbered =
        Velkora::RenumberNvidiaVersion({static_cast<std::uint32_t>(v[0]), static_cast<std::uint32_t>(v[1]),
                                        static_cast<std::uint32_t>(v[2]), static_cast<std::uint32_t>(v[3])});
    slot.driverVersion = {static_cast<std::int32_t>(renumbered.major),
                          static_cast<std::int32_t>(renumbered.minor), 0, 0};
}

int EnumerateAdapters(AdapterTable& table, IAdapterPlatform& platform) {
    std::vector<VideoControllerRecord> records;
    bool failed = !platform.QueryVideoControllers(kAdapterSlots, records);
    if (failed)
        return -1;
    if (records.empty())
        failed = true;
    int active = 0;
    for (std::size_t i = 0; i < records.size() && i < kAdapterSlots; ++i) {
        AdapterSlot& slot = table.slots[i];
        if (!FillSlot(slot, records[i]))
            failed = true;
        if (MatchDisplayDevice(slot, platform)) {
            RenumberNvidiaVersion(slot);
            ++active;
        }
    }
    if (active > 0)
        return active;
    return failed ? -1 : 0;
}

} // namespace Zentoli

// Zentoli's adapter inventory from WMI objects, display devices and driver keys made of the
// input: the version text rule, the driver date, the NVIDIA renumbering and the matching.
// A date that is taken must be the first eight characters, all digits.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "adapter_table.h"
#include "fake_adapter_platform.h"
#include "fuzz_input.h"

using namespace Zentoli;
using Velkora::CFuzzInput;

namespace {

std::optional<std::wstring> TakeOptionalText(CFuzzInput& input, bool present) {
    std::wstring text = input.TakeWideLine();
    if (!present)
        return std::nullopt;
    return text;
}

std::uint32_t DigitsValue(std::wstring_view text) {
    std::uint32_t value = 0;
    for (wchar_t c : text.substr(0, 8)) {
        if (c < L'0' || c > L'9')
            return 0;
        value = value * 10 + static_cast<std::uint32_t>(c - L'0');
    }
    return text.size() >= 8 ? value : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    CFakeAdapterPlatform platform;
    const std::uint8_t mode = input.TakeByte();
    platform.queryWorks = (mode & 1) == 0;
    platform.enumDisplayDevicesFound = (mode & 2) == 0;
    const unsigned controllers = input.TakeByte() % 12;
    for (unsigned i = 0; i < controllers && !input.Empty(); ++i) {
        const std::uint8_t present = input.TakeByte();
        VideoControllerRecord record;
        record.caption = TakeOptionalText(input, present & 1);
        if (present & 2)
            record.adapterRam = input.TakeUInt32();
        record.driverDate = TakeOptionalText(input, present & 4);
        record.driverVersion = TakeOptionalText(input, present & 8);
        record.pnpDeviceId = TakeOptionalText(input, present & 16);
        record.readFailed = (present & 32) != 0;
        platform.controllers.push_back(record);
    }
    while (!input.Empty()) {
        const std::uint8_t flags = input.TakeByte();
        DisplayDeviceRecord device{input.TakeWideLine(), input.TakeWideLine(), (flags & 1) != 0,
                                   (flags & 2) != 0};
        if (flags & 4)
            platform.driverKeys[DriverKeyPath(device.deviceKey)] = {input.TakeWideLine(),
                                                                    input.TakeWideLine()};
        platform.devices.push_back(device);
    }

    for (const VideoControllerRecord& record : platform.controllers) {
        if (!record.driverDate)
            continue;
        if (ParseDriverDate(*record.driverDate) != DigitsValue(*record.driverDate))
            std::abort();
        if (record.driverVersion)
            (void)ParseVersionText(*record.driverVersion); // any answer; only faults count
    }
    AdapterTable table;
    const int outcome = EnumerateAdapters(table, platform);
    if (outcome < -1 || outcome > static_cast<int>(kAdapterSlots))
        std::abort();
    for (const AdapterSlot& slot : table.slots) {
        if (slot.caption.size() > kAdapterTextMax || slot.pnpDeviceId.size() > kAdapterTextMax)
            std::abort();
    }
    return 0;
}

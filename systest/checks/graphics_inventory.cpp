#include "graphics_inventory.h"

#include "graphics_driver_version.h"
#include "text_format.h"

namespace Velkora {

std::wstring DisplayDeviceRegistryPath(std::wstring_view deviceKey) {
    constexpr std::wstring_view machine = L"\\Registry\\Machine\\";
    if (deviceKey.starts_with(machine))
        deviceKey.remove_prefix(machine.size());
    return std::wstring(deviceKey);
}

std::wstring RegistryBufferText(std::wstring_view buffer) {
    buffer = buffer.substr(0, kRegistryTextUnits - 1);
    return std::wstring(buffer.substr(0, buffer.find(L'\0')));
}

void FindDisplayDriverVersion(const std::vector<DisplayDeviceFacts>& devices, std::wstring_view pnpDeviceId,
                              bool& matched, bool& primary, DriverVersionParts& version) {
    matched = false;
    primary = false;
    for (const DisplayDeviceFacts& device : devices) {
        if (!(device.stateFlags & kDisplayAttachedToDesktop) ||
            (device.stateFlags & kDisplayMirroringDriver) || device.deviceKey.empty()) {
            continue;
        }
        // The device ID is the start of the PNP device ID; an empty one belongs to every adapter.
        if (!device.deviceId.empty() && !pnpDeviceId.starts_with(device.deviceId))
            continue;
        matched = true;
        primary = (device.stateFlags & kDisplayPrimaryDevice) != 0;
        if (!device.keyOpened)
            continue;
        if (!device.driverVersion && !device.releaseVersion) {
            if (primary)
                return;
            continue;
        }
        const std::wstring& driverText = device.driverVersion ? *device.driverVersion : std::wstring();
        std::wstring text = !driverText.empty() ? driverText : device.releaseVersion.value_or(std::wstring());
        // A version that does not parse counts with the parts read before the fault.
        (void)ParseDriverVersion(text, true, version);
        if (primary)
            return;
    }
}

std::int32_t CollectGraphicsAdapterInfo(GraphicsAdapterInfo& info, IGraphicsFacts& facts,
                                        IMessageBoxes* verbose) {
    info.caption.clear();
    info.memoryBytes = 0;
    info.adaptersDiffer = false;

    VideoControllerQuery query = facts.QueryVideoControllers();
    if (!query.succeeded)
        return kInventoryNoWmi;
    std::vector<DisplayDeviceFacts> devices;
    bool devicesRead = false;

    bool firstMatchedSeen = false;
    std::wstring firstMatchedCaption;
    std::size_t examined = 0;
    for (const VideoControllerFacts& controller : query.controllers) {
        if (examined++ == kMaxVideoControllers)
            break;
        std::wstring pnpDeviceId = controller.pnpDeviceId.kind == WmiValue::Kind::kText
                                       ? controller.pnpDeviceId.text
                                       : std::wstring();
        if (controller.driverVersion.kind != WmiValue::Kind::kText)
            return kInventoryNoDriverVersion;
        DriverVersionParts version;
        // A version that does not parse counts with the parts read before the fault.
        (void)ParseDriverVersion(controller.driverVersion.text, false, version);

        if (!devicesRead) {
            devices = facts.EnumerateDisplayDevices();
            devicesRead = true;
        }
        bool matched = false, primary = false;
        FindDisplayDriverVersion(devices, pnpDeviceId, matched, primary, version);
        if (!matched)
            continue;

        if (controller.caption.kind != WmiValue::Kind::kText)
            return kInventoryNoWmi;
        std::uint32_t memory = 0;
        switch (controller.adapterRam.kind) {
        case WmiValue::Kind::kUnreadable:
            return kInventoryNoAdapterRam;
        case WmiValue::Kind::kNull:
            break;
        default:
            // A value that does not convert to a number is as good as unreadable.
            if (!controller.adapterRam.number)
                return kInventoryNoAdapterRam;
            memory = *controller.adapterRam.number;
        }
        if (controller.driverDate.kind != WmiValue::Kind::kText)
            return kInventoryNoDriverDate;
        std::uint32_t date = 0;
        // WMI datetimes begin with yyyymmdd.
        // A date that does not parse stays 0, older than any date required.
        (void)ParseDriverDate(std::wstring_view(controller.driverDate.text).substr(0, 8), date);

        if (primary) {
            info.caption = controller.caption.text;
            info.driverVersion = version;
            info.memoryBytes = memory;
            info.driverDate = date;
            info.pnpDeviceId = pnpDeviceId;
        }
        if (!firstMatchedSeen) {
            firstMatchedSeen = true;
            firstMatchedCaption = controller.caption.text;
        } else if (controller.caption.text != firstMatchedCaption) {
            info.adaptersDiffer = true;
        }
    }

    RenumberNvidiaVersion(info.caption, info.driverVersion);
    if (verbose) {
        const DriverVersionParts& v = info.driverVersion;
        verbose->ShowWide(FormatText(L"Version: %d.%d.%d.%d", {v.major, v.minor, v.build, v.revision}),
                          L"Version");
    }
    return kInventoryDone;
}

} // namespace Velkora

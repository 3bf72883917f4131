#include "adapter_checks.h"

namespace Zentoli {

using Velkora::DiagnosticsVerdict;

int CheckAdapters(AdapterTable& table, IAdapterPlatform& platform, const DiagSettings& settings,
                  CDiagLog& log) {
    int n = EnumerateAdapters(table, platform);
    log.LogWide(L"%d active video adapters were found.\n", {n});
    const AdapterSlot* active = table.ActiveAdapter();
    if (!active)
        return kNoActiveAdapter;
    log.LogWide(L"caption: %s \n", {active->caption});
    if (!settings.allowMultiGpu && n > 1) {
        for (const AdapterSlot& slot : table.slots) {
            if (slot.active && slot.caption != active->caption) {
                log.LogWide(L"Error! The adapters are not identical !\n");
                return kAdaptersNotIdentical;
            }
        }
    }
    // A lone Intel adapter shares system memory; its size says nothing.
    if (n == 1 && active->caption.compare(0, 5, L"intel") == 0)
        return kSingleIntelAdapter;
    log.LogWide(L"Memory size: %d MB\n", {active->memoryMb});
    if (active->memoryMb >= 1000)
        return kAdaptersFine;
    log.LogWide(L"Error! The memory is less than 1 GB !\n");
    return kTooLittleMemory;
}

DiagnosticsVerdict CheckDriverDate(const AdapterTable& table, bool gl42, GlVendor vendor,
                                   const DiagSettings& settings, CDiagLog& log) {
    const AdapterSlot* active = table.ActiveAdapter();
    if (!active)
        return DiagnosticsVerdict::kNotSupported;
    const std::uint32_t d = active->driverDate;
    const DriverVersion& v = active->driverVersion;
    log.LogWide(L"Check %s (%s) driver version: %d.%d.%d.%d  date: %d...\n\n",
                {active->caption, active->pnpDeviceId, v[0], v[1], v[2], v[3], d});
    const auto intelDate = static_cast<std::uint32_t>(settings.intelGl42DriverDate);
    if (vendor == GlVendor::intel && (d < intelDate || !gl42)) {
        log.LogWide(
            L"Not supported GPU or old driver! Allow Intel GPU with min. OpenGL 4.2 and driver date %d \n",
            {settings.intelGl42DriverDate});
        return DiagnosticsVerdict::kNotExamined;
    }
    if (d < static_cast<std::uint32_t>(settings.requiredDriverDate))
        return DiagnosticsVerdict::kOldDriver;
    if (!gl42)
        return DiagnosticsVerdict::kSupported;
    switch (vendor) {
    case GlVendor::nvidia:
        if (d >= static_cast<std::uint32_t>(settings.nvGl42DriverDate)) {
            log.LogWide(L"Check driver date for NVidia OpenGL 4.2 support (required min: %d)\n",
                        {settings.nvGl42DriverDate});
            log.LogWide(L"date OK\n");
            return DiagnosticsVerdict::kSupportedGl42;
        }
        break;
    case GlVendor::other:
        if (d >= static_cast<std::uint32_t>(settings.amdGl42DriverDate)) {
            log.LogWide(L"Check driver date for AMD OpenGL 4.2 support (required min: %d)\n",
                        {settings.amdGl42DriverDate});
            log.LogWide(L"date OK\n");
            return DiagnosticsVerdict::kSupportedGl42;
        }
        break;
    case GlVendor::intel:
        log.LogWide(L"Check driver date for Intel OpenGL 4.2 support (required min: %d)\n",
                    {settings.intelGl42DriverDate});
        log.LogWide(
            L"temporarily disabled OpenGL 4.2 on Intel, because of driver issues with atomic counters\n");
        break;
    }
    log.LogWide(L"The driver is old ! \n");
    return DiagnosticsVerdict::kSupported;
}

} // namespace Zentoli

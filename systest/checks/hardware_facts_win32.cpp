#include "hardware_facts_win32.h"

#include <windows.h>

#include <limits>

#include "kernel32_lookup_win32.h"
#include "os_display_string_win32.h"

namespace Velkora {
namespace {

std::int64_t ClampToSigned(ULONGLONG bytes) {
    constexpr ULONGLONG most = static_cast<ULONGLONG>(std::numeric_limits<std::int64_t>::max());
    return static_cast<std::int64_t>(bytes > most ? most : bytes);
}

} // namespace

OSSupportFacts ReadOSSupportFacts() {
    wchar_t name[256] = {};
    wchar_t code[3] = {};
    OSSupportFacts facts;
    facts.displayResult = GetOSDisplayString(name, code);
    facts.supportLetter = code[0];
    facts.digit = code[1];
    return facts;
}

ProcessorFacts ReadProcessorFacts() {
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    ProcessorFacts facts;
    facts.hasSse = IsProcessorFeaturePresent(PF_XMMI_INSTRUCTIONS_AVAILABLE) != FALSE;
    facts.hasSse2 = IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != FALSE;
    facts.logicalProcessors = static_cast<std::int32_t>(system.dwNumberOfProcessors);
    return facts;
}

MemoryFacts ReadMemoryFacts() {
    MemoryFacts facts;
    ULONGLONG kilobytes = 0;
    if (GetPhysicallyInstalledSystemMemory(&kilobytes)) {
        facts.known = true;
        facts.installedKilobytes = kilobytes;
    }
    return facts;
}

std::int64_t GetDriveFreeBytesWith(GetDiskFreeSpaceExFn getDiskFreeSpaceEx, const wchar_t* root) {
    if (getDiskFreeSpaceEx) {
        ULARGE_INTEGER available{}, total{}, totalFree{};
        if (!getDiskFreeSpaceEx(root, &available, &total, &totalFree))
            return 0;
        return ClampToSigned(totalFree.QuadPart);
    }
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceW(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return 0;
    return ClampToSigned(static_cast<ULONGLONG>(sectorsPerCluster) * bytesPerSector * freeClusters);
}

std::int64_t GetDriveFreeBytes(const wchar_t* root) {
    return GetDriveFreeBytesWith(LookUpKernel32<GetDiskFreeSpaceExFn>("GetDiskFreeSpaceExW"), root);
}

DriveTable ReadDriveTable() {
    DriveTable drives{};
    wchar_t root[] = L"A:\\";
    for (std::size_t i = 0; i < drives.size(); ++i) {
        root[0] = static_cast<wchar_t>(L'A' + i);
        drives[i].driveType = GetDriveTypeW(root);
        if (drives[i].driveType == DRIVE_FIXED)
            drives[i].freeBytes = GetDriveFreeBytes(root);
    }
    return drives;
}

ScreenFacts ReadScreenFacts() {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    ScreenFacts displayMode;
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && (mode.dmFields & DM_PELSWIDTH) &&
        (mode.dmFields & DM_PELSHEIGHT))
        displayMode = ScreenFacts{static_cast<std::int32_t>(mode.dmPelsWidth),
                                  static_cast<std::int32_t>(mode.dmPelsHeight)};
    return RealScreenSize(displayMode,
                          ScreenFacts{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

} // namespace Velkora

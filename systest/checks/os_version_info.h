#pragma once
// The version facts of the running Windows as WMI reports them. A plain record: it is read by
// the exported GetOSDisplayString, which must work without any runtime start-up, so it holds
// fixed buffers only.
#include <cstddef>
#include <cstdint>

namespace Velkora::Utilities {

inline constexpr std::size_t kCsdVersionChars = 128;
inline constexpr std::size_t kCaptionChars = 256;

// Laid out like the platform's extended version record without its size field, with the
// caption behind the service pack text. Zero-filled before use.
struct WindowsOSVersionInfo {
    std::uint32_t majorVersion;
    std::uint32_t minorVersion;
    std::uint32_t buildNumber;
    std::uint32_t platformId; // 2 (Windows NT) once the version text was parsed
    wchar_t csdVersion[kCsdVersionChars];
    wchar_t caption[kCaptionChars];
    std::uint16_t servicePackMajor;
    std::uint16_t servicePackMinor;
    std::uint16_t suiteMask;
    std::uint8_t productType; // 1 workstation, 2 domain controller, 3 server
};

inline constexpr std::uint32_t kPlatformWindowsNT = 2;

} // namespace Velkora::Utilities

#pragma once
// The display name of the running Windows and the product's support code for it, composed
// from the version record and three facts asked of the platform on every call.
#include <cstddef>
#include <cstdint>

#include "os_version_info.h"

namespace Velkora::Utilities {

inline constexpr std::size_t kDisplayNameChars = 256;
inline constexpr std::size_t kSupportCodeChars = 3;

// Native processor architecture codes.
inline constexpr std::uint32_t kArchitectureX86 = 0;
inline constexpr std::uint32_t kArchitectureItanium = 6;
inline constexpr std::uint32_t kArchitectureX64 = 9;

struct OSPlatformFacts {
    std::uint32_t architecture = 0; // native processor architecture
    std::uint32_t edition = 0;      // GetProductInfo code; only read for Windows 6
    std::int32_t serverR2 = 0;      // SM_SERVERR2; only read for Windows 5.2
};

// Writes name (kDisplayNameChars) and code (kSupportCodeChars) and gives 1, or gives 0 and
// leaves both untouched when the record is not a Windows NT version above 4.
[[nodiscard]] int ComposeOSDisplayString(const WindowsOSVersionInfo& info, const OSPlatformFacts& facts,
                                         wchar_t* name, wchar_t* code);

} // namespace Velkora::Utilities

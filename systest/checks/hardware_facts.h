#pragma once
// The platform facts the operating system and hardware checks judge, as plain records.
#include <array>
#include <cstdint>

namespace Velkora {

struct OSSupportFacts {
    std::int32_t displayResult = 0; // what GetOSDisplayString returned; 1 when identified
    wchar_t supportLetter = 0;
    wchar_t digit = 0; // '0' plus a number, or 0
};

struct ProcessorFacts {
    bool hasSse = false;
    bool hasSse2 = false;
    std::int32_t logicalProcessors = 0;
};

struct MemoryFacts {
    bool known = false; // false when the installed memory could not be read
    std::uint64_t installedKilobytes = 0;
};

inline constexpr std::uint32_t kDriveTypeFixed = 3;

struct DriveFacts {
    std::uint32_t driveType = 0; // as GetDriveTypeW reports it
    std::int64_t freeBytes = 0;  // read for fixed drives only; 0 when unreadable
};

// Indexed by drive letter, 'A' first.
using DriveTable = std::array<DriveFacts, 26>;

struct ScreenFacts {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The screen in real pixels: the display mode of the primary display, which no DPI scaling
// touches; the screen metrics only when the mode could not be read (they are scaled down for a
// program the system takes for DPI-unaware, so 1920 x 1080 at 150 % would read 1280 x 720).
inline ScreenFacts RealScreenSize(const ScreenFacts& displayMode, const ScreenFacts& metrics) {
    return displayMode.width > 0 && displayMode.height > 0 ? displayMode : metrics;
}

} // namespace Velkora

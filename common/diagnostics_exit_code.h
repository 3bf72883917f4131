#pragma once
// The contract between the two programs: the diagnostics program's exit code is its verdict, and
// the only thing that crosses to the checker. The low three bits carry the level; the OpenGL 4.2
// bit rides on "supported" and "switchable graphics". No other code is a verdict: a crash, a DLL
// that failed to initialise or a program that is not ours end with others.
#include <cstdint>

namespace Velkora {

inline constexpr std::int32_t kOpenGl42Bit = 8;
// The level: what the checker keeps of a verdict.
inline constexpr std::int32_t kDiagnosticsLevelMask = 7;

// Ordered: every verdict above kNotExamined counts as supported.
enum class DiagnosticsVerdict : std::int32_t {
    kNotSupported = 0,
    kNotExamined = 1, // not supported either: a remote session, no OpenGL context, Intel not qualified
    kOldDriver = 2,   // supported, the driver older than required
    kSupported = 3,   // at the OpenGL 3.3 level
    kSwitchable = 4,  // supported, with switchable graphics
    kSupportedGl42 = kSupported | kOpenGl42Bit,
    kSwitchableGl42 = kSwitchable | kOpenGl42Bit,
};

constexpr std::int32_t ExitCodeOf(DiagnosticsVerdict verdict) {
    return static_cast<std::int32_t>(verdict);
}

constexpr bool HasOpenGl42(DiagnosticsVerdict verdict) {
    return (ExitCodeOf(verdict) & kOpenGl42Bit) != 0;
}

} // namespace Velkora

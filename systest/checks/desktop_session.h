#pragma once
// Whether the run has a user's desktop. Without one (session 0: a service, many deployment
// agents running as SYSTEM) OpenGL offers only Windows' software renderer, and the diagnostics
// would judge every machine "not supported": the graphics checks are then not made at all.
#include <cstdint>
#include <optional>

namespace Velkora {

enum class WindowStationVisibility { kVisible, kNotVisible, kUnknown };

struct DesktopSessionFacts {
    // The process's window station: visible (interactive) or not; unknown when it cannot be asked.
    WindowStationVisibility station = WindowStationVisibility::kUnknown;
    std::optional<std::uint32_t> sessionId; // no value: the session could not be asked
};

// False when either fact says there is no desktop: a window station that is not visible, or
// session 0. Facts that could not be read count for the desktop, so that a failing query
// never withholds the graphics checks.
bool HasUserDesktop(const DesktopSessionFacts& facts);

} // namespace Velkora

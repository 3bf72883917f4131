#pragma once
// What the diagnostics run and the inventory left for the graphics checks to judge.
#include <cstdint>

#include "diagnostics_launch.h"
#include "graphics_adapter_info.h"

namespace Velkora {

struct GraphicsCheckState {
    GraphicsAdapterInfo info;
    // The verdict of the diagnostics program, its exit code AND 7: 0, 1 not supported; 2 old
    // driver; 3 supported; 4 switchable graphics. 7 when it gave none: it could not be started,
    // was stopped, or ended with a code that is no verdict (see diagnostics_code.h).
    std::int32_t diagnosticsCode = 0;
    bool noDriverVersion = false; // a video controller had no driver version
    // The launcher's whole answer and how the run ended: the machine-readable result reports
    // them, and a stopped program is not started a second time.
    std::int32_t diagnosticsExitCode = 0;
    LaunchOutcome diagnosticsOutcome = LaunchOutcome::kEnded;
};

// The one instance of the process.
GraphicsCheckState& ProcessGraphicsCheckState();

} // namespace Velkora

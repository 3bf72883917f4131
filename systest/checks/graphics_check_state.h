#pragma once
// What the diagnostics run and the inventory left for the graphics checks to judge.
#include <cstdint>

#include "diagnostics_launch.h"
#include "graphics_adapter_info.h"

namespace Velkora {

struct GraphicsCheckState {
    GraphicsAdapterInfo info;
    // The level of the diagnostics program's verdict (DiagnosticsCodeOf): a DiagnosticsVerdict
    // without the OpenGL 4.2 bit, or kDiagnosticsNoVerdict.
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

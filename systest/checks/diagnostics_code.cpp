#include "diagnostics_code.h"

#include "bounded_wide_text.h"

namespace Velkora {
namespace {

// 0, 1 not supported; 2 old driver; 3 supported; 4 switchable graphics; 11, 12 the same at the
// OpenGL 4.2 level.
bool IsVerdictCode(std::int32_t exitCode) {
    switch (exitCode) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 11:
    case 12:
        return true;
    default:
        return false;
    }
}

} // namespace

DiagnosticsEnd ClassifyDiagnosticsEnd(LaunchOutcome outcome, std::int32_t exitCode) {
    switch (outcome) {
    case LaunchOutcome::kNotStarted:
        return DiagnosticsEnd::kNotStarted;
    case LaunchOutcome::kStopped:
        return DiagnosticsEnd::kStopped;
    case LaunchOutcome::kEnded:
        break;
    }
    return IsVerdictCode(exitCode) ? DiagnosticsEnd::kVerdict : DiagnosticsEnd::kEndedAbnormally;
}

std::int32_t DiagnosticsCodeOf(LaunchOutcome outcome, std::int32_t exitCode) {
    if (ClassifyDiagnosticsEnd(outcome, exitCode) != DiagnosticsEnd::kVerdict)
        return kDiagnosticsNoVerdict;
    return exitCode & 7;
}

std::wstring HexExitCode(std::int32_t exitCode) {
    wchar_t hex[9] = {};
    Utilities::FormatHex(static_cast<std::uint32_t>(exitCode), hex);
    return hex;
}

} // namespace Velkora

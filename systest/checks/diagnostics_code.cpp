#include "diagnostics_code.h"

#include "bounded_wide_text.h"

namespace Velkora {
namespace {

bool IsVerdictCode(std::int32_t exitCode) {
    switch (static_cast<DiagnosticsVerdict>(exitCode)) {
    case DiagnosticsVerdict::kNotSupported:
    case DiagnosticsVerdict::kNotExamined:
    case DiagnosticsVerdict::kOldDriver:
    case DiagnosticsVerdict::kSupported:
    case DiagnosticsVerdict::kSwitchable:
    case DiagnosticsVerdict::kSupportedGl42:
    case DiagnosticsVerdict::kSwitchableGl42:
        return true;
    }
    return false;
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
    return exitCode & kDiagnosticsLevelMask;
}

std::wstring HexExitCode(std::int32_t exitCode) {
    wchar_t hex[9] = {};
    Utilities::FormatHex(static_cast<std::uint32_t>(exitCode), hex);
    return hex;
}

} // namespace Velkora

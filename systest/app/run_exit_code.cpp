#include "run_exit_code.h"

#include <algorithm>

#include "command_line.h"

namespace Velkora {

int SilentRunExitCode(Severity summaryLevel, bool outputsWritten) {
    if (!outputsWritten)
        return kExitOutputNotWritten;
    // The summary only ever lies between 1 and its start value 6; the clamp keeps the code in the
    // documented range whatever a check might one day report.
    return kExitSilentBase + std::clamp(summaryLevel, kSeverityNotMet, kSeverityNoVerdict);
}

int DialogRunExitCode(int windowResult, bool outputsWritten) {
    return outputsWritten ? windowResult : kExitOutputNotWritten;
}

} // namespace Velkora

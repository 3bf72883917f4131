#include "machine_result.h"

#include <algorithm>

namespace Velkora {

MachineState StateOfSeverity(int severity) {
    switch (severity) {
    case kSeverityNotMet:
        return MachineState::kNotReady;
    case kSeverityWarning:
    case kSeverityOwnWarning:
        return MachineState::kWarnings;
    case kSeverityMet:
    case kSeverityMetBetter:
        return MachineState::kReady;
    default:
        return MachineState::kNotJudged;
    }
}

Verdict VerdictOfName(std::string_view name) {
    for (Verdict verdict : {Verdict::kNotMet, Verdict::kWarning, Verdict::kMet})
        if (name == NameOfVerdict(verdict))
            return verdict;
    return Verdict::kUnknown;
}

std::string_view NameOfVerdict(Verdict verdict) {
    switch (verdict) {
    case Verdict::kNotMet:
        return VerdictName(kSeverityNotMet);
    case Verdict::kWarning:
        return VerdictName(kSeverityWarning);
    case Verdict::kMet:
        return VerdictName(kSeverityMet);
    case Verdict::kUnknown:
        break;
    }
    return VerdictName(kSeverityNoVerdict);
}

std::size_t TableColumn(std::string_view name) {
    static const std::vector<std::string> columns = SharedTableColumns();
    return static_cast<std::size_t>(std::find(columns.begin(), columns.end(), name) - columns.begin());
}

} // namespace Velkora

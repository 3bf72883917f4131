#pragma once
// One verdict of a check, and the list row it becomes.
#include <cstdint>
#include <string>

namespace Velkora {

// Lower is worse: 1 not met, 2 warning, 3 met, 4 met with the better outcome,
// 5 warning with its own label (never produced), 6 start value of the summary.
using Severity = std::int32_t;

inline constexpr Severity kSeverityNotMet = 1;
inline constexpr Severity kSeverityWarning = 2;
inline constexpr Severity kSeverityMet = 3;
inline constexpr Severity kSeverityMetBetter = 4;
inline constexpr Severity kSeverityOwnWarning = 5;
inline constexpr Severity kSeverityNoVerdict = 6;

struct CheckResult {
    Severity severity = 0;   // below 1: nothing to report, the result is dropped
    std::wstring text;       // shown in the result list
    std::wstring reportText; // written to the report
};

struct ResultRow {
    std::int32_t image = 0; // index into the status image strip
    std::wstring label;
    std::wstring description;
};

// Indices into the status image strip.
enum StatusImage : std::int32_t {
    kImageRedCross = 0,
    kImageWarning = 1,
    kImageGreenTick = 2,
    kImageThumbsUp = 3,
};

} // namespace Velkora

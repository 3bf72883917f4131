#pragma once
// The check run: every check once, in a fixed order; each verdict becomes a row and a report
// line, and the worst counted severity becomes the summary.
#include <functional>
#include <string>
#include <vector>

#include "check_suite.h"
#include "text_ids.h"

namespace Velkora {

// Where a row came from, for machine-readable output.
enum class CheckId {
    kOperatingSystem,
    kProcessor,
    kMemory,
    kDiskSpace,
    kScreen,
    kVideoMemory,
    kGraphicsCard,
    kGraphicsDriver,
    kAdaptersIdentical,
    kListReplaced,
    kClosingNote,
    kDiagnosticsTimeout,
    kDiagnosticsNotStarted,
    kDiagnosticsEndedAbnormally,
    kAdapterNotIdentified,
    kOperatingSystemNotIdentified,
    kCardListNotRead,
    kGraphicsWithoutDesktop,
};

// Every check id, in the order the shared results table gives them columns.
inline constexpr CheckId kAllCheckIds[] = {
    CheckId::kOperatingSystem,
    CheckId::kProcessor,
    CheckId::kMemory,
    CheckId::kDiskSpace,
    CheckId::kScreen,
    CheckId::kVideoMemory,
    CheckId::kGraphicsCard,
    CheckId::kGraphicsDriver,
    CheckId::kAdaptersIdentical,
    CheckId::kListReplaced,
    CheckId::kClosingNote,
    CheckId::kDiagnosticsTimeout,
    CheckId::kDiagnosticsNotStarted,
    CheckId::kDiagnosticsEndedAbnormally,
    CheckId::kAdapterNotIdentified,
    CheckId::kOperatingSystemNotIdentified,
    CheckId::kCardListNotRead,
    CheckId::kGraphicsWithoutDesktop,
};

struct RunEntry {
    CheckId id;
    CheckResult result;
    ResultRow row;
    std::wstring label; // the bare word, as the list shows it (but not cut)
    bool counts = true; // for the summary
};

struct RunSummary {
    Severity level = kSeverityNoVerdict;
    std::int32_t icon = 0;
    std::wstring label; // the bare word, as the window shows it
    std::wstring text;
    std::vector<RunEntry> entries; // every handled result, in list order
    bool cancelled = false;        // the run stopped early: nothing of it may be shown or written
};

// Called for every row as it is made, so the list can show it.
using AppendRowFn = std::function<void(const ResultRow&)>;

// The steps of a run in their order, for a progress display.
enum class RunStep { kOperatingSystem, kProcessor, kMemory, kDiskSpace, kScreen, kGraphics };
// Called as each step begins.
using RunStepFn = std::function<void(RunStep)>;
// Asked after every step: true once the user has cancelled the run, which then stops where it is.
using RunCancelledFn = std::function<bool()>;

// reportText arrives holding the header line; on return it holds every result line and the
// summary line. The diagnostics program is started first, so that it runs while the other checks
// do; the rows are those of a run that waits for it at once. Without a user's desktop the
// graphics checks give one counted warning instead, and the diagnostics program is not started. Once
// cancelled answers true, no further check, list swap or repeat of the diagnostics happens.
RunSummary RunAllChecks(ICheckSuite& checks, const ITextSource& texts, const std::wstring& productName,
                        const AppendRowFn& appendRow, std::wstring& reportText,
                        const RunStepFn& stepBegins = {}, const RunCancelledFn& cancelled = {});

} // namespace Velkora

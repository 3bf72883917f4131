#pragma once
// The checks the run calls, in the run's order. The program implements them on the platform;
// tests feed fakes.
#include <optional>

#include "check_result.h"
#include "diagnostics_code.h"

namespace Velkora {

// How the last run of the diagnostics program ended.
struct DiagnosticsRunFacts {
    DiagnosticsEnd end = DiagnosticsEnd::kVerdict;
    std::int32_t exitCode = 0;                // when it ended by itself
    std::optional<std::int32_t> limitSeconds; // the time limit it was stopped at
};

class ICheckSuite {
  public:
    virtual ~ICheckSuite() = default;
    virtual void CheckOperatingSystem(CheckResult& result) = 0;
    virtual void CheckProcessor(CheckResult& result) = 0;
    virtual void CheckMemory(CheckResult& result) = 0;
    virtual void CheckDiskSpace(CheckResult& result) = 0;
    virtual void CheckScreen(CheckResult& result) = 0;
    // False without a user's desktop (a service session): the graphics checks are not made, and
    // the diagnostics program is never started, since OpenGL there is software only.
    virtual bool HasUserDesktop() = 0;
    // Starts the diagnostics program, to run while the checks above do; RunGraphicsDiagnostics
    // waits for it. Nothing happens when it has been started already.
    virtual void StartGraphicsDiagnostics() = 0;
    // False: the three graphics checks are skipped.
    [[nodiscard]] virtual bool RunGraphicsDiagnostics() = 0;
    virtual void CheckVideoMemory(CheckResult& result) = 0;
    // True: the card row is the warning that the card list could not be used.
    virtual bool CheckCardListVerdict(CheckResult& cardResult, CheckResult& driverResult) = 0;
    virtual void CheckAdaptersIdentical(CheckResult& result) = 0;
    // True: the card list was replaced and the diagnostics repeated; a note is due.
    [[nodiscard]] virtual bool ReplaceCardListForOlderWindows() = 0;
    // After RunGraphicsDiagnostics (and again after a repeat by ReplaceCardListForOlderWindows).
    virtual DiagnosticsRunFacts LastDiagnosticsRun() = 0;
};

} // namespace Velkora

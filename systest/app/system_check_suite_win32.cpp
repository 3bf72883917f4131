#include "system_check_suite_win32.h"

#include "desktop_session_win32.h"
#include "graphics_platform_win32.h"
#include "hardware_checks_win32.h"
#include "os_display_string_win32.h"
#include "time_limited_call.h"

namespace Velkora {
namespace {

std::uint32_t WaitLimitOf(const std::optional<std::int32_t>& seconds) {
    if (!seconds || *seconds < 1)
        return CProcessLauncher::kNoTimeLimit;
    return static_cast<std::uint32_t>(*seconds) * 1000u;
}

class CMachineCheckSuite : public CSystemCheckSuite {
  public:
    CMachineCheckSuite(const ITextSource& texts, const ProductIdentity& identity,
                       const CheckSuiteOptions& options)
        : texts(texts), timeLimit(options.timeLimitSeconds),
          platform(options.boxes, WaitLimitOf(options.timeLimitSeconds), options.verbose),
          graphics(graphicsState, platform.Services(), texts, identity.name) {
        // The operating system query gets the run's limit too: WMI may hang as well as the
        // diagnostics program.
        if (timeLimit)
            Utilities::SetOSQueryTimeLimit(WaitLimitOf(timeLimit));
        if (!userDesktop) {
            // Never started: the result document says so, and the checks judge by 7.
            graphicsState.diagnosticsOutcome = LaunchOutcome::kNotStarted;
            graphicsState.diagnosticsExitCode = kLaunchFailed;
            graphicsState.diagnosticsCode = 7;
        }
    }

    void CheckOperatingSystem(CheckResult& result) override {
        // A query started ahead has left its answer in the cache (or failed, and the check asks
        // once more); either way the check does not run beside it.
        osQuery.Wait(std::nullopt);
        Velkora::CheckOperatingSystem(texts, result);
    }
    void CheckProcessor(CheckResult& result) override { Velkora::CheckProcessor(texts, result); }
    void CheckMemory(CheckResult& result) override { Velkora::CheckMemory(texts, result); }
    void CheckDiskSpace(CheckResult& result) override { Velkora::CheckDiskSpace(texts, result); }
    void CheckScreen(CheckResult& result) override { Velkora::CheckScreen(texts, result); }
    bool HasUserDesktop() override { return userDesktop; }
    void StartGraphicsDiagnostics() override {
        if (userDesktop)
            graphics.StartGraphicsDiagnostics();
    }
    bool RunGraphicsDiagnostics() override { return graphics.RunGraphicsDiagnostics(); }
    void CheckVideoMemory(CheckResult& result) override { graphics.CheckVideoMemory(result); }
    bool CheckCardListVerdict(CheckResult& card, CheckResult& driver) override {
        return graphics.CheckCardListVerdict(card, driver);
    }
    void CheckAdaptersIdentical(CheckResult& result) override { graphics.CheckAdaptersIdentical(result); }
    bool ReplaceCardListForOlderWindows() override { return graphics.ReplaceCardListForOlderWindows(); }
    DiagnosticsRunFacts LastDiagnosticsRun() override {
        return DiagnosticsRunFacts{
            ClassifyDiagnosticsEnd(graphicsState.diagnosticsOutcome, graphicsState.diagnosticsExitCode),
            graphicsState.diagnosticsExitCode, timeLimit};
    }

    const GraphicsCheckState& GraphicsState() const override { return graphicsState; }
    std::optional<std::int32_t> TimeLimitSeconds() const override { return timeLimit; }
    void CancelGraphicsDiagnostics() override { platform.StopDiagnostics(); }
    void PrepareFacts() override {
        platform.PrefetchFacts();
        // Only a head start: without a thread for it, the operating system check asks itself.
        if (!osQuery.Started())
            (void)osQuery.Start([] {
                Utilities::WindowsOSVersionInfo info;
                return Utilities::QueryOSVersionInfo(info);
            });
    }

  private:
    const ITextSource& texts;
    std::optional<std::int32_t> timeLimit;
    // Decided once, before anything is started.
    const bool userDesktop = Velkora::HasUserDesktop(ReadDesktopSessionFacts());
    GraphicsCheckState graphicsState;
    CGraphicsPlatform platform;
    CGraphicsChecks graphics;
    CBackgroundCall<bool> osQuery; // the operating system query of WMI, started ahead
};

} // namespace

std::unique_ptr<CSystemCheckSuite> CreateSystemCheckSuite(const ITextSource& texts,
                                                          const ProductIdentity& identity,
                                                          const CheckSuiteOptions& options) {
    return std::make_unique<CMachineCheckSuite>(texts, identity, options);
}

} // namespace Velkora

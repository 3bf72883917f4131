#include "graphics_verdicts.h"

#include "deferred_message_boxes.h"
#include "diagnostics_code.h"

#include "graphics_verbose.h"
#include "text_format.h"
#include "text_ids.h"

namespace Velkora {
namespace {

void SetResult(CheckResult& result, Severity severity, std::wstring text) {
    result.severity = severity;
    result.reportText = text;
    result.text = std::move(text);
}

} // namespace

GraphicsCheckState& ProcessGraphicsCheckState() {
    static GraphicsCheckState state;
    return state;
}

CGraphicsChecks::CGraphicsChecks(GraphicsCheckState& state, const GraphicsServices& services,
                                 const ITextSource& texts, std::wstring productName)
    : state(state), services(services), texts(texts), productName(std::move(productName)) {}

void CGraphicsChecks::StartGraphicsDiagnostics() {
    if (!services.launcher.HasStartedProcess())
        services.launcher.StartProcess(kDiagnosticsCommandLine, kHideWindow, kNewConsole);
}

bool CGraphicsChecks::RunGraphicsDiagnostics() {
    // A program started early runs while the inventory is taken; the inventory's boxes wait until
    // the program's return value has been shown, since they always came after it.
    const bool startedEarly = services.launcher.HasStartedProcess();
    CDeferredMessageBoxes inventoryBoxes;
    std::int32_t r = 0;
    if (startedEarly)
        r = CollectGraphicsAdapterInfo(state.info, services.facts,
                                       services.verbose ? &inventoryBoxes : nullptr);

    state.diagnosticsExitCode = startedEarly
                                    ? services.launcher.FinishProcess()
                                    : services.launcher.LaunchProcess(kDiagnosticsCommandLine, kHideWindow,
                                                                      kNewConsole, kWaitForExit);
    state.diagnosticsOutcome = services.launcher.LastOutcome();
    state.diagnosticsCode = DiagnosticsCodeOf(state.diagnosticsOutcome, state.diagnosticsExitCode);
    if (services.verbose) {
        services.boxes.ShowNarrow(NarrowAsciiText(FormatText(L"Return value: %d", {state.diagnosticsCode})),
                                  "ZenToli.exe");
    }
    if (startedEarly) {
        inventoryBoxes.ShowAll(services.boxes);
    } else {
        r = CollectGraphicsAdapterInfo(state.info, services.facts, VerboseBoxes());
    }
    state.noDriverVersion = r == kInventoryNoDriverVersion;
    return r >= 0 || state.noDriverVersion;
}

void CGraphicsChecks::CheckVideoMemory(CheckResult& result) const {
    if (state.noDriverVersion) {
        SetResult(result, kSeverityWarning, texts.Text(kTextDriverVersionUnknown));
        return;
    }
    std::wstring lowerRequirement = FormatTextById(texts, kTextRequirementMinimum, {512});
    std::wstring higherRequirement = FormatTextById(texts, kTextRequirementRecommended, {1});
    result = CheckResult{};
    if (state.info.memoryBytes == 0) {
        // No size from WMI, or no adapter on the primary display found at all (remote and virtual
        // display drivers): a row that says so, never silence that lets the summary read "met".
        const std::wstring& caption = state.info.caption;
        SetResult(result, kSeverityWarning,
                  caption.empty() ? texts.Text(kTextVideoMemoryUnknownUnnamed)
                                  : FormatTextById(texts, kTextVideoMemoryUnknown, {caption}));
        return;
    }
    std::uint32_t mebibytes = state.info.memoryBytes >> 20;
    const std::wstring& caption = state.info.caption;
    if (mebibytes < 500) {
        SetResult(result, kSeverityNotMet,
                  FormatTextById(texts, kTextVideoMemoryBelow, {caption, lowerRequirement}));
    } else if (mebibytes < 1000) {
        SetResult(result, kSeverityWarning,
                  FormatTextById(texts, kTextVideoMemoryBelow, {caption, higherRequirement}));
    } else {
        SetResult(result, kSeverityMet,
                  FormatTextById(texts, kTextVideoMemoryMeets, {caption, higherRequirement}));
    }
}

bool CGraphicsChecks::CheckCardListVerdict(CheckResult& cardResult, CheckResult& driverResult) const {
    cardResult = CheckResult{};
    driverResult = CheckResult{};
    if (state.noDriverVersion)
        return false;

    // Read (and shown in verbose mode) whatever the diagnostics said.
    std::unique_ptr<ICardListLines> lines = services.files.Open(cardListInUse);
    bool listUsable = false;
    CardListMatch m = ScanCardList(state.info, lines.get(), VerboseBoxes(), &listUsable);
    lines.reset();

    const GraphicsAdapterInfo& info = state.info;
    const std::int32_t major = info.driverVersion.major, minor = info.driverVersion.minor;
    // Without a caption (no display device matched) the sentence would have a hole in it.
    std::wstring notSupported = info.caption.empty()
                                    ? texts.Text(kTextCardNotCertifiedUnnamed)
                                    : FormatTextById(texts, kTextCardNotCertified, {info.caption});
    switch (static_cast<DiagnosticsVerdict>(state.diagnosticsCode)) {
    case DiagnosticsVerdict::kNotSupported:
    case DiagnosticsVerdict::kNotExamined:
        SetResult(cardResult, kSeverityWarning, notSupported);
        break;
    case DiagnosticsVerdict::kOldDriver:
        if (m.code == L"GD") {
            SetResult(
                driverResult, kSeverityWarning,
                FormatTextById(texts, kTextDriverCertifiedOther, {m.entryMajor, m.entryMinor, major, minor}));
        } else if (m.code == L"GL" || m.code == L"CD") {
            SetResult(cardResult, kSeverityWarning,
                      FormatTextById(texts, kTextDriverTooOld, {major, minor, m.entryMajor, m.entryMinor}));
        } else {
            // "NG", any other code and no entry alike.
            SetResult(cardResult, kSeverityWarning, notSupported);
        }
        break;
    case DiagnosticsVerdict::kSupported:
        // The diagnostics vouch for the card only together with the list: without a list to
        // check against, "supported" would be more than was checked.
        if (!listUsable) {
            SetResult(cardResult, kSeverityWarning, texts.Text(kTextCardListNotRead));
            return true;
        }
        if (m.code == L"GD") {
            cardResult.severity = kSeverityWarning;
            cardResult.text = texts.Text(kTextCardDriverNotCertified);
            cardResult.reportText = FormatTextById(texts, kTextCardDriverNotForProduct, {productName});
        } else {
            SetResult(cardResult, kSeverityMetBetter, texts.Text(kTextCardSupported));
        }
        break;
    case DiagnosticsVerdict::kSwitchable:
        SetResult(cardResult, kSeverityMetBetter, texts.Text(kTextSwitchableGraphics));
        break;
    default:
        // kDiagnosticsNoVerdict: the diagnostics did not run to a verdict.
        break;
    }
    return false;
}

void CGraphicsChecks::CheckAdaptersIdentical(CheckResult& result) const {
    result = CheckResult{};
    if (!state.noDriverVersion && state.info.adaptersDiffer)
        SetResult(result, kSeverityWarning, texts.Text(kTextAdaptersDiffer));
}

bool CGraphicsChecks::ReplaceCardListForOlderWindows() {
    std::optional<WindowsVersionNumber> version = services.version.QueryWindowsVersion();
    if (state.diagnosticsCode < ExitCodeOf(DiagnosticsVerdict::kOldDriver) || !version)
        return false;
    // A program that had to be stopped at the time limit would most likely hang again: no second
    // wait of the same length for nothing.
    if (state.diagnosticsOutcome == LaunchOutcome::kStopped)
        return false;
    bool olderThan62 = version->major < 6 || (version->major == 6 && version->minor < 2);
    if (!olderThan62)
        return false;
    // Without a list for older Windows the list in use stays, and there is nothing new to judge
    // by: the diagnostics are not repeated (a repeat would give the same code, and the note that
    // follows a true result says that the list was replaced).
    if (!services.files.Exists(kOlderWindowsCardListFileName))
        return false;
    cardListInUse = kOlderWindowsCardListFileName;
    // Only the second run's code counts: the inventory was taken (and judged) with the first, and
    // a second one that fails leaves the rows of the first as they are.
    (void)RunGraphicsDiagnostics();
    return state.diagnosticsCode < ExitCodeOf(DiagnosticsVerdict::kOldDriver);
}

} // namespace Velkora

#include "check_run.h"

#include <algorithm>
#include <tuple>

#include "text_format.h"
#include "text_ids.h"
#include "verdict_tables.h"

namespace Velkora {
namespace {

class CRunRecorder {
  public:
    CRunRecorder(const ITextSource& texts, const AppendRowFn& appendRow, std::wstring& reportText,
                 RunSummary& summary)
        : texts(texts), appendRow(appendRow), reportText(reportText), summary(summary) {}

    void Handle(CheckId id, CheckResult result, bool counts) {
        if (result.severity < 1)
            return;
        ResultRow row = MakeResultRow(texts, result.severity, result.text);
        if (appendRow)
            appendRow(row);
        reportText += MakeReportLine(texts, result.severity, result.reportText);
        if (counts)
            summary.level = std::min(summary.level, result.severity);
        std::wstring label = BareLabel(texts.Text(LookUpLabel(result.severity).labelId));
        summary.entries.push_back(RunEntry{id, std::move(result), std::move(row), std::move(label), counts});
    }

    // The checks that set only the list text report the same text.
    void HandleSameText(CheckId id, CheckResult result, bool counts) {
        result.reportText = result.text;
        Handle(id, std::move(result), counts);
    }

    void Note(CheckId id, TextId textId) { Warning(id, texts.Text(textId), false); }

    // A warning that counts: something the requirements depend on could not be checked, and a
    // run that says "met" must not hide that.
    void NotChecked(CheckId id, std::wstring text) { Warning(id, std::move(text), true); }

    // One warning when the diagnostics program gave no verdict: not started, stopped at the time
    // limit, or ended abnormally.
    void DiagnosticsWithoutVerdict(ICheckSuite& checks) {
        const DiagnosticsRunFacts run = checks.LastDiagnosticsRun();
        switch (run.end) {
        case DiagnosticsEnd::kVerdict:
            return;
        case DiagnosticsEnd::kStopped:
            NotChecked(CheckId::kDiagnosticsTimeout,
                       FormatTextById(texts, kTextDiagnosticsStopped, {run.limitSeconds.value_or(0)}));
            break;
        case DiagnosticsEnd::kNotStarted:
            NotChecked(CheckId::kDiagnosticsNotStarted, texts.Text(kTextDiagnosticsNotStarted));
            break;
        case DiagnosticsEnd::kEndedAbnormally:
            NotChecked(CheckId::kDiagnosticsEndedAbnormally,
                       FormatTextById(texts, kTextDiagnosticsEndedAbnormally, {HexExitCode(run.exitCode)}));
            break;
        }
    }

  private:
    void Warning(CheckId id, std::wstring text, bool counts) {
        std::wstring reportText = text;
        Handle(id, CheckResult{kSeverityWarning, std::move(text), std::move(reportText)}, counts);
    }

    const ITextSource& texts;
    const AppendRowFn& appendRow;
    std::wstring& reportText;
    RunSummary& summary;
};

void Summarise(const ITextSource& texts, const std::wstring& productName, std::wstring& reportText,
               RunSummary& summary) {
    SummaryEntry entry = LookUpSummary(summary.level);
    summary.icon = entry.icon;
    const std::wstring label = texts.Text(entry.labelId);
    summary.label = BareLabel(label);
    summary.text = FormatTextById(texts, entry.textId, {productName});
    reportText += label + summary.text + L"\r\n";
}

} // namespace

RunSummary RunAllChecks(ICheckSuite& checks, const ITextSource& texts, const std::wstring& productName,
                        const AppendRowFn& appendRow, std::wstring& reportText, const RunStepFn& stepBegins,
                        const RunCancelledFn& cancelled) {
    RunSummary summary;
    CRunRecorder run(texts, appendRow, reportText, summary);
    auto begin = [&](RunStep step) {
        if (stepBegins)
            stepBegins(step);
    };
    auto stopped = [&] {
        if (cancelled && cancelled())
            summary.cancelled = true;
        return summary.cancelled;
    };
    const bool desktop = checks.HasUserDesktop();
    if (desktop)
        checks.StartGraphicsDiagnostics();

    using Check = void (ICheckSuite::*)(CheckResult&);
    const std::tuple<RunStep, CheckId, Check> hardwareChecks[] = {
        {RunStep::kOperatingSystem, CheckId::kOperatingSystem, &ICheckSuite::CheckOperatingSystem},
        {RunStep::kProcessor, CheckId::kProcessor, &ICheckSuite::CheckProcessor},
        {RunStep::kMemory, CheckId::kMemory, &ICheckSuite::CheckMemory},
        {RunStep::kDiskSpace, CheckId::kDiskSpace, &ICheckSuite::CheckDiskSpace},
        {RunStep::kScreen, CheckId::kScreen, &ICheckSuite::CheckScreen},
    };
    for (const auto& [step, id, check] : hardwareChecks) {
        if (stopped())
            return summary;
        begin(step);
        CheckResult result;
        (checks.*check)(result);
        // An operating system that could not be identified gives no row of its own.
        if (id == CheckId::kOperatingSystem && result.severity < 1) {
            run.NotChecked(CheckId::kOperatingSystemNotIdentified, texts.Text(kTextOSNotIdentified));
            continue;
        }
        run.HandleSameText(id, std::move(result), true);
    }

    if (stopped())
        return summary;
    begin(RunStep::kGraphics);
    if (!desktop) {
        // Not a verdict on the hardware: the same machine may well pass in its user's session.
        run.NotChecked(CheckId::kGraphicsWithoutDesktop, texts.Text(kTextGraphicsWithoutDesktop));
        run.Note(CheckId::kClosingNote, kTextClosingNote);
        Summarise(texts, productName, reportText, summary);
        return summary;
    }
    bool graphicsJudged = checks.RunGraphicsDiagnostics();
    // A cancel while the diagnostics ran stopped them: what they left is no result.
    if (stopped())
        return summary;
    run.DiagnosticsWithoutVerdict(checks);
    if (!graphicsJudged) {
        run.NotChecked(CheckId::kAdapterNotIdentified, texts.Text(kTextAdapterNotIdentified));
    } else {
        CheckResult memory;
        checks.CheckVideoMemory(memory);
        run.HandleSameText(CheckId::kVideoMemory, std::move(memory), true);

        CheckResult card, driver;
        bool listNotRead = checks.CheckCardListVerdict(card, driver);
        run.Handle(listNotRead ? CheckId::kCardListNotRead : CheckId::kGraphicsCard, std::move(card), true);
        run.Handle(CheckId::kGraphicsDriver, std::move(driver), true);

        CheckResult identical;
        checks.CheckAdaptersIdentical(identical);
        run.Handle(CheckId::kAdaptersIdentical, std::move(identical), true);
    }

    // The rows above and the diagnostics row come from the first run; the repeat only decides
    // whether the note is due.
    if (stopped())
        return summary;
    const bool listReplaced = checks.ReplaceCardListForOlderWindows();
    if (stopped())
        return summary;
    if (listReplaced)
        run.Note(CheckId::kListReplaced, kTextListReplacedNote);
    run.Note(CheckId::kClosingNote, kTextClosingNote);
    Summarise(texts, productName, reportText, summary);
    return summary;
}

} // namespace Velkora

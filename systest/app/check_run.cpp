#include "check_run.h"

#include <algorithm>

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
        if (result.severity < 1) return;
        ResultRow row = MakeResultRow(texts, result.severity, result.text);
        if (appendRow) appendRow(row);
        reportText += MakeReportLine(texts, result.severity, result.reportText);
        if (counts) summary.level = std::min(summary.level, result.severity);
        std::wstring label = texts.Text(LookUpLabel(result.severity).labelId);
        summary.entries.push_back(RunEntry{id, std::move(result), std::move(row), std::move(label), counts});
    }

    // The checks that set only the list text report the same text.
    void HandleSameText(CheckId id, CheckResult result, bool counts) {
        result.reportText = result.text;
        Handle(id, std::move(result), counts);
    }

    void Note(CheckId id, TextId textId) {
        std::wstring text = texts.Text(textId);
        Handle(id, CheckResult{kSeverityWarning, text, text}, false);
    }

    // One warning when the diagnostics program had to be stopped. It counts: the graphics
    // hardware could not be confirmed, and a run that says "met" must not hide that.
    void DiagnosticsStopped(ICheckSuite& checks) {
        if (stopReported) return;
        std::optional<std::int32_t> seconds = checks.DiagnosticsStoppedAtLimit();
        if (!seconds) return;
        stopReported = true;
        std::wstring text = FormatTextById(texts, kTextDiagnosticsStopped, {*seconds});
        Handle(CheckId::DiagnosticsTimeout, CheckResult{kSeverityWarning, text, text}, true);
    }

private:
    const ITextSource& texts;
    const AppendRowFn& appendRow;
    std::wstring& reportText;
    RunSummary& summary;
    bool stopReported = false;
};

} // namespace

RunSummary RunAllChecks(ICheckSuite& checks, const ITextSource& texts, const std::wstring& productName,
                        const AppendRowFn& appendRow, std::wstring& reportText) {
    RunSummary summary;
    CRunRecorder run(texts, appendRow, reportText, summary);

    using Check = void (ICheckSuite::*)(CheckResult&);
    const std::pair<CheckId, Check> hardwareChecks[] = {
        {CheckId::OperatingSystem, &ICheckSuite::CheckOperatingSystem},
        {CheckId::Processor, &ICheckSuite::CheckProcessor},
        {CheckId::Memory, &ICheckSuite::CheckMemory},
        {CheckId::DiskSpace, &ICheckSuite::CheckDiskSpace},
        {CheckId::Screen, &ICheckSuite::CheckScreen},
    };
    for (const auto& [id, check] : hardwareChecks) {
        CheckResult result;
        (checks.*check)(result);
        run.HandleSameText(id, std::move(result), true);
    }

    bool graphicsJudged = checks.RunGraphicsDiagnostics();
    run.DiagnosticsStopped(checks);
    if (graphicsJudged) {
        CheckResult memory;
        checks.CheckVideoMemory(memory);
        run.HandleSameText(CheckId::VideoMemory, std::move(memory), true);

        CheckResult card, driver;
        checks.CheckCardListVerdict(card, driver);
        run.Handle(CheckId::GraphicsCard, std::move(card), true);
        run.Handle(CheckId::GraphicsDriver, std::move(driver), true);

        CheckResult identical;
        checks.CheckAdaptersIdentical(identical);
        run.Handle(CheckId::AdaptersIdentical, std::move(identical), true);
    }

    if (checks.ReplaceCardListForOlderWindows()) run.Note(CheckId::ListReplaced, kTextListReplacedNote);
    run.DiagnosticsStopped(checks); // the repeat may have been stopped instead
    run.Note(CheckId::ClosingNote, kTextClosingNote);

    SummaryEntry entry = LookUpSummary(summary.level);
    summary.icon = entry.icon;
    summary.label = texts.Text(entry.labelId);
    summary.text = FormatTextById(texts, entry.textId, {productName});
    reportText += summary.label + summary.text + L"\r\n";
    return summary;
}

} // namespace Velkora

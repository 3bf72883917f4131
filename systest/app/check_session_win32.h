#pragma once
// One check run with its report: the header line from the machine's name, the clock and the
// build date, then every check. The main window and a silent run both go through here, so that
// both give the same rows and the same report text.
#include <string>

#include "app_context_win32.h"
#include "check_run.h"
#include "result_json.h"

namespace Velkora {

// A trace mark as each step of a run begins (see trace_marks_win32.h).
void TraceRunStep(RunStep step);

class CCheckSession {
  public:
    explicit CCheckSession(const AppContext& context) : context(context) {}
    CCheckSession(const CCheckSession&) = delete;
    CCheckSession& operator=(const CCheckSession&) = delete;

    // Reads the computer name, the clock and the build date and makes the report's first line.
    // The language module must be current.
    const std::wstring& Begin();
    // Every check once, after Begin; each row goes to appendRow (may be empty) as it is made,
    // stepBegins hears of each step, and the run stops early once cancelled answers true.
    void Run(const AppendRowFn& appendRow, const RunStepFn& stepBegins = {},
             const RunCancelledFn& cancelled = {});

    const std::wstring& Header() const { return header; }
    const std::wstring& ReportText() const { return reportText; }
    const RunSummary& Summary() const { return summary; }
    bool HasRun() const { return hasRun; }
    const std::wstring& ComputerName() const { return computerName; }
    const std::wstring& BuildDate() const { return buildDate; }
    const LocalDateTime& CheckedAt() const { return checkedAt; }

  private:
    const AppContext& context;
    std::wstring computerName;
    std::wstring buildDate;
    LocalDateTime checkedAt;
    std::wstring header;
    std::wstring reportText;
    RunSummary summary;
    bool hasRun = false;
};

} // namespace Velkora

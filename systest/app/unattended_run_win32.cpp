#include "unattended_run_win32.h"

#include "os_display_string_win32.h"
#include "output_files_win32.h"
#include "result_json.h"
#include "run_exit_code.h"
#include "stderr_message_boxes_win32.h"
#include "trace_marks_win32.h"

namespace Velkora {
namespace {

ResultDocument MakeResultDocument(const AppContext& context, const std::wstring& languageCode,
                                  const CCheckSession& session, const CSystemCheckSuite& suite) {
    ResultDocument d;
    d.productName = context.identity.name;
    d.productYear = context.identity.year;
    d.buildDate = session.BuildDate();
    d.computerName = session.ComputerName();
    d.checkedAt = session.CheckedAt();
    d.languageCode = languageCode;
    d.reportHeader = session.Header();
    d.run = &session.Summary();
    const GraphicsCheckState& graphics = suite.GraphicsState();
    d.diagnostics.exitCode = graphics.diagnosticsExitCode;
    d.diagnostics.code = graphics.diagnosticsCode;
    d.diagnostics.started = graphics.diagnosticsOutcome != LaunchOutcome::kNotStarted;
    d.diagnostics.timedOut = graphics.diagnosticsOutcome == LaunchOutcome::kStopped;
    d.diagnostics.timeLimitSeconds = suite.TimeLimitSeconds();
    d.adapter = graphics.info;
    // Cached by the operating system check of the run: no second query.
    wchar_t name[256] = {}, code[3] = {};
    if (GetOSDisplayString(name, code)) {
        d.osDisplayName = std::wstring(name, wcsnlen(name, 256));
        d.osSupportCode = std::wstring(code, wcsnlen(code, 3));
    }
    return d;
}

} // namespace

bool WriteRequestedOutputs(const CommandLineOptions& options, const AppContext& context,
                           const std::wstring& languageCode, const CCheckSession& session,
                           const CSystemCheckSuite& suite) {
    bool written = true;
    if (options.reportPath)
        written = WriteReportOutput(*options.reportPath, session.ReportText()) && written;
    if (options.jsonPath || options.csvPath) {
        const ResultDocument document = MakeResultDocument(context, languageCode, session, suite);
        if (options.jsonPath)
            written = WriteJsonOutput(*options.jsonPath, BuildResultJson(document)) && written;
        if (options.csvPath)
            written = WriteTableRowOutput(*options.csvPath, SharedTableRecord(document),
                                          SharedTableWaitSeconds(options)) &&
                      written;
    }
    return written;
}

int RunSilently(const CommandLineOptions& options, AppContext& context, const std::wstring& languageCode) {
    CStandardErrorBoxes boxes;
    CheckSuiteOptions suiteOptions{&boxes, EffectiveTimeout(options), options.verboseVideo};
    std::unique_ptr<CSystemCheckSuite> checks =
        CreateSystemCheckSuite(*context.texts, context.identity, suiteOptions);
    context.checks = checks.get();
    // The diagnostics program first: the rest of the run happens while it runs.
    checks->StartGraphicsDiagnostics();
    checks->PrepareFacts();
    // As the main window does once its own images are loaded: every text from the language module.
    context.modules->SetCurrent(context.modules->LanguageModule());
    CCheckSession session(context);
    session.Begin();
    session.Run({}, TraceRunStep);
    TraceMark(L"VelkoraSysTest: checks done");
    bool written = WriteRequestedOutputs(options, context, languageCode, session, *checks);
    TraceMark(L"VelkoraSysTest: outputs written");
    context.checks = nullptr;
    return SilentRunExitCode(session.Summary().level, written);
}

} // namespace Velkora

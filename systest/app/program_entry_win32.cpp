#include "program_entry_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app_context_win32.h"
#include "code_page_conversion.h"
#include "com_objects_win32.h"
#include "command_line.h"
#include "framework/message_loop_win32.h"
#include "framework/window_exceptions_win32.h"
#include "help_text.h"
#include "language_selection.h"
#include "language_selection_win32.h"
#include "lic_dlg_win32.h"
#include "main_dlg_win32.h"
#include "process_paths_win32.h"
#include "progress_owned_boxes_win32.h"
#include "res/resource.h"
#include "run_exit_code.h"
#include "run_guard.h"
#include "run_with_progress_win32.h"
#include "site_summary_run_win32.h"
#include "standard_streams_win32.h"
#include "stderr_message_boxes_win32.h"
#include "system_check_suite_win32.h"
#include "system_library_win32.h"
#include "text_ids.h"
#include "trace_marks_win32.h"
#include "unattended_run_win32.h"
#include "user_list_class_win32.h"

namespace Velkora {
namespace {

// Keeps the loop registered with the module object for as long as the run lasts.
class CLoopRegistration {
  public:
    explicit CLoopRegistration(CMessageLoop& loop) { AppModule().AddMessageLoop(&loop); }
    ~CLoopRegistration() { AppModule().RemoveMessageLoop(); }
    CLoopRegistration(const CLoopRegistration&) = delete;
    CLoopRegistration& operator=(const CLoopRegistration&) = delete;
};

// The words after the program's name, split as the C runtime would.
std::vector<std::wstring> CommandLineWords() {
    std::vector<std::wstring> words;
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!list)
        return words;
    for (int i = 1; i < count; ++i)
        words.emplace_back(list[i]);
    LocalFree(list);
    return words;
}

// An unattended run takes its output paths from the caller's folder and then works in the
// program's own folder, so that deployment tools that start it from elsewhere (System32, say)
// get the same verdict. A run without the options keeps the folder it was given. Answers why the
// command line is refused after all (and then stays where it is), or nothing.
std::optional<std::wstring> MoveToProgramFolder(CommandLineOptions& options) {
    std::optional<std::wstring> refused = ResolveOutputPaths(options, [](const std::wstring& path) {
        return ReadSizedText(
            [&](wchar_t* b, DWORD n) { return GetFullPathNameW(path.c_str(), n, b, nullptr); });
    });
    if (refused)
        return refused;
    std::wstring folder = ProgramFolderOf(ReadProgramPath());
    if (!folder.empty())
        SetCurrentDirectoryW(folder.c_str());
    return std::nullopt;
}

// The help text in the user's language, or nothing when no language module can be had (the
// built-in English text shows then).
std::wstring TranslatedHelp(HINSTANCE instance) {
    CResourceModules modules(instance);
    LanguageSelection language;
    if (!SelectLanguage(modules, language, [](const std::wstring&, const std::wstring&) {}))
        return {};
    modules.SetCurrent(modules.LanguageModule());
    return CModuleTextSource(modules).Text(kTextHelp);
}

// The usage on standard output (a script's pipe, or the console it was started from), else in a
// message box unless -silent was given too; no check runs and no window opens.
int ShowHelp(HINSTANCE instance, bool withoutBox) {
    PrepareStandardStreams();
    std::wstring text = HelpText(TranslatedHelp(instance));
    std::string bytes;
    bool replaced = false;
    // UTF-8 takes every character of the usage; one that cannot be converted is replaced, which
    // a help text can bear.
    (void)WideToMultiByte(kCodePageUtf8, text, 0, bytes, replaced);
    if (!WriteStandardOutput(bytes, text) && !withoutBox)
        MessageBoxW(nullptr, text.c_str(), L"VelkoraSysTest", MB_OK | MB_ICONINFORMATION);
    return 0;
}

int StartUpRun(HINSTANCE instance, int showCommand, const CommandLineOptions& options) {
    // Before any DLL is loaded for us: the language modules are loaded by their full path anyway.
    LimitDllSearchToSystemFolder();
    const bool unattended = HasUnattendedOptions(options);
    AppContext context;
    context.identity = SettleProductIdentity();
    // Without the class the main window cannot be made, which the run below answers for.
    static_cast<void>(RegisterUserListClass(instance));

    CResourceModules modules(instance);
    LanguageSelection language;
    if (!SelectLanguage(modules, language, options.silent ? WriteFatalMessageLine : ShowFatalMessageBox))
        return -1;
    CModuleTextSource texts(modules);
    context.modules = &modules;
    context.texts = &texts;
    if (options.silent)
        return RunSilently(options, context, language.languageCode);

    CMessageLoop loop;
    CLoopRegistration registration(loop);

    // Every box of the checks belongs to the progress window while it exists.
    CProgressDlg progress(context);
    CProgressOwnedBoxes boxes(progress);
    CheckSuiteOptions suiteOptions;
    suiteOptions.boxes = &boxes;
    suiteOptions.timeLimitSeconds = EffectiveTimeout(options);
    if (unattended)
        suiteOptions.verbose = options.verboseVideo;
    std::unique_ptr<CSystemCheckSuite> checks = CreateSystemCheckSuite(texts, context.identity, suiteOptions);
    context.checks = checks.get();
    // The diagnostics program writes its log and settings: it starts only with consent. What
    // writes nothing starts as soon as the licence shows, so that it is done by the time the
    // licence is accepted.
    if (options.acceptEula) {
        checks->StartGraphicsDiagnostics();
        checks->PrepareFacts();
    }

    CLicDlg licence(context, language.licencePath);
    if (!options.acceptEula) {
        if (!licence.Create(instance, IDD_LICDLG, nullptr))
            return 0;
        ShowWindow(licence.Handle(), showCommand);
        UpdateWindow(licence.Handle());
        TraceMark(L"VelkoraSysTest: licence shown");
        checks->PrepareFacts();
        int result = loop.Run();
        if (result != 1)
            return result;
        TraceMark(L"VelkoraSysTest: licence accepted");
    }

    checks->StartGraphicsDiagnostics(); // nothing when it started at once

    context.modules->SetCurrent(context.modules->LanguageModule());
    CCheckSession session(context);
    session.Begin();
    CMainDlg main(context, session);
    bool created = false;
    if (!RunSessionWithProgress(instance, progress, session, *checks,
                                [&] { created = main.Create(instance, IDD_MAINDLG, nullptr) != nullptr; }))
        return kExitCancelledRun;
    // Written once the run is complete and before the window shows, so a script need not wait for
    // someone to close it; also when the window could not be made.
    if (!created)
        return DialogRunExitCode(
            0, WriteRequestedOutputs(options, context, language.languageCode, session, *checks));
    main.ShowRun();
    bool written = WriteRequestedOutputs(options, context, language.languageCode, session, *checks);
    // The main window takes the activation from the progress window before that closes: closed
    // first, Windows would hand the foreground to another program and open ours behind it.
    ShowWindow(main.Handle(), showCommand);
    DestroyWindow(progress.Handle());
    TraceMark(L"VelkoraSysTest: main window shown");
    return DialogRunExitCode(loop.Run(), written);
}

} // namespace

int RunProgram(HINSTANCE instance, int showCommand) {
    TraceMark(L"VelkoraSysTest: start");
    CommandLineParse parse = ParseCommandLine(CommandLineWords());
    if (parse.options.help)
        return ShowHelp(instance, parse.options.helpWithoutBox);
    const bool unattended = HasUnattendedOptions(parse.options);
    if (unattended || !parse.ok)
        PrepareStandardStreams();
    if (parse.ok && unattended) {
        if (std::optional<std::wstring> refused = MoveToProgramFolder(parse.options)) {
            parse.ok = false;
            parse.error = *refused;
        }
    }
    if (!parse.ok) {
        WriteErrorLine(L"VelkoraSysTest: " + parse.error);
        WriteErrorLine(kUsageLine);
        WriteErrorLine(kSummaryUsageLine);
        return kExitBadCommandLine;
    }
    if (parse.options.summary) {
        LimitDllSearchToSystemFolder();
        return RunGuarded([&] { return RunSiteSummary(instance, parse.options); },
                          [](const std::wstring& message) { WriteErrorLine(message); });
    }
    CComInitializer com(COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    AppModule().Init(instance);
    const bool silent = parse.options.silent;
    const FailureReportFn report = [silent](const std::wstring& message) {
        if (silent) {
            WriteErrorLine(message);
        } else {
            MessageBoxW(nullptr, message.c_str(), L"VelkoraSysTest", MB_OK | MB_ICONERROR);
        }
    };
    EndWindowExceptionsLikeTheRun(report);
    int result = RunGuarded([&] { return StartUpRun(instance, showCommand, parse.options); }, report);
    AppModule().Term();
    return result;
}

} // namespace Velkora

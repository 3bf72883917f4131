// Unattended runs for real: the program in a copy of the deliverable folder, started the way a
// deployment script starts it, with its standard output and error captured.
#include "resource.h" // the program's control IDs
#include "unattended_program_win32.h"

#include "product_version.h"

namespace {

using namespace VelkoraTest;

const std::wstring kNeverEnding = WinePathOf(VELKORA_NEVER_ENDING);
const std::wstring kStandIn = WinePathOf(VELKORA_STANDIN);

// Whole report lines as the shipped language modules make them: the label's separator stands
// between label and text.
struct ShippedTexts {
    std::string warning, notMet; // labels with their separator
    std::string closingNote;
    std::string notStarted;      // the diagnostics program could not be started
    std::string endedAbnormally; // ... ended with 0xc0000374
    std::string summaryNotMet, summaryWarning;
};

const ShippedTexts& Shipped() {
    static const ShippedTexts english{
        "Warning: ",
        "Not met: ",
        "These results are a guide; the full system requirements of the product still apply.",
        "The graphics test (Zentoli.exe) could not be started; the graphics hardware was not checked.",
        "The graphics test ended abnormally (exit code 0xc0000374); the graphics hardware was not checked.",
        "This workstation does not meet the requirements of Velkora 2018.",
        "This workstation meets the minimum requirements of Velkora 2018; please read the warnings."};
    static const ShippedTexts german{
        "Warnung: ",
        "Nicht erf\xC3\xBCllt: ",
        "Diese Ergebnisse sind eine Orientierung; es gelten die vollst\xC3\xA4ndigen Systemanforderungen des "
        "Produkts.",
        "Der Grafiktest (Zentoli.exe) konnte nicht gestartet werden; die Grafikhardware wurde nicht "
        "gepr\xC3\xBC"
        "ft.",
        "Der Grafiktest endete unerwartet (Exitcode 0xc0000374); die Grafikhardware wurde nicht gepr\xC3\xBC"
        "ft.",
        "Dieser Arbeitsplatz erf\xC3\xBCllt die Anforderungen von Velkora 2018 nicht.",
        "Dieser Arbeitsplatz erf\xC3\xBCllt die Mindestanforderungen von Velkora 2018; bitte beachten Sie "
        "die "
        "Warnungen."};
    return UserLanguageCode() == L"de" ? german : english;
}

// The label as the report writes it, for a verdict word of the document.
std::string ReportLabelOf(const json& entry) {
    const std::string label = entry["label"].get<std::string>();
    // The document keeps the bare word; the shipped modules put ": " behind it.
    return label.empty() ? label : label + ": ";
}

// The report agrees with the result document: header first, one line per check, summary last.
void ExpectReportMatchesDocument(const std::string& report, const json& document) {
    ASSERT_GT(report.size(), 3u);
    EXPECT_EQ(report.substr(0, 3), kBom);
    std::vector<std::string> lines = ReportLines(report.substr(3));
    ASSERT_EQ(lines.size(), document["checks"].size() + 2) << report;
    EXPECT_EQ(lines.front(), document["reportHeader"].get<std::string>());
    for (std::size_t i = 0; i < document["checks"].size(); ++i) {
        const json& check = document["checks"][i];
        EXPECT_EQ(lines[i + 1], ReportLabelOf(check) + check["reportText"].get<std::string>());
    }
    EXPECT_EQ(lines.back(),
              ReportLabelOf(document["summary"]) + document["summary"]["text"].get<std::string>());
}

// The checks of the document with this id.
std::vector<json> ChecksWithId(const json& document, const std::string& id) {
    std::vector<json> found;
    for (const json& check : document["checks"]) {
        if (check["id"] == id)
            found.push_back(check);
    }
    return found;
}

// One counted warning that says the graphics hardware was not checked, and a summary that is
// not "met": the whole lines as the shipped modules write them.
void ExpectGraphicsNotChecked(const RunOutcome& run, const std::string& report, const json& document,
                              const std::string& id, const std::string& text) {
    std::vector<json> rows = ChecksWithId(document, id);
    ASSERT_EQ(rows.size(), 1u) << id;
    EXPECT_EQ(rows[0]["severity"], 2);
    EXPECT_EQ(rows[0]["countsForSummary"], true);
    EXPECT_EQ(rows[0]["text"], text);
    EXPECT_TRUE(ChecksWithId(document, "graphicsCard").empty()); // no verdict to judge the card by
    const ShippedTexts& shipped = Shipped();
    const std::string line = "\r\n" + shipped.warning + text + "\r\n";
    EXPECT_NE(report.find(line), std::string::npos) << report;
    EXPECT_NE(report.find("\r\n" + shipped.warning + shipped.closingNote + "\r\n"), std::string::npos)
        << report;
    const int summary = document["summary"]["severity"].get<int>();
    ASSERT_LE(summary, 2);
    const std::string summaryLine =
        summary == 1 ? shipped.notMet + shipped.summaryNotMet : shipped.warning + shipped.summaryWarning;
    EXPECT_EQ(report.substr(report.size() - summaryLine.size() - 2), summaryLine + "\r\n");
    EXPECT_EQ(*run.exitCode, 10u + summary);
    ExpectReportMatchesDocument(report, document);
}

TEST_F(UnattendedProgram, SilentRunShowsNoWindowAndItsExitCodeIsTheSummary) {
    RunOutcome run =
        Run(L"-accepteula -silent -report \"" + out + L"report.txt\" /JSON \"" + out + L"result.json\"");
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(run.windowsSeen, 0u);
    EXPECT_TRUE(run.output.empty()) << run.output;
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>());
    EXPECT_GE(*run.exitCode, 11u);
    EXPECT_LE(*run.exitCode, 16u);
    EXPECT_EQ(document["schemaVersion"], 4);
    EXPECT_EQ(document["checkerVersion"], VELKORA_VERSION_TEXT);
    EXPECT_EQ(document["product"]["name"], "Velkora 2018");
    EXPECT_EQ(document["language"], Utf8Of(UserLanguageCode()));
    // The real diagnostics program ran to its end under the default limit of a silent run.
    EXPECT_EQ(document["diagnostics"]["started"], true);
    EXPECT_EQ(document["diagnostics"]["timedOut"], false);
    EXPECT_EQ(document["diagnostics"]["timeLimitSeconds"], 120);
    ASSERT_TRUE(document["diagnostics"]["exitCode"].is_number());
    EXPECT_EQ(document["diagnostics"]["code"], document["diagnostics"]["exitCode"].get<int>() & 7);
    EXPECT_FALSE(document["operatingSystem"]["displayName"].is_null());
    // The five hardware checks first, the closing note last.
    const char* firstIds[] = {"operatingSystem", "processor", "memory", "diskSpace", "screen"};
    ASSERT_GE(document["checks"].size(), 6u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(document["checks"][i]["id"], firstIds[i]);
    EXPECT_EQ(document["checks"].back()["id"], "closingNote");

    std::optional<std::string> report = ReadFileBytes(out + L"report.txt");
    ASSERT_TRUE(report);
    ExpectReportMatchesDocument(*report, document);
    // Nothing but the two files is left in the folder.
    EXPECT_EQ(FilesIn(out), (std::vector<std::wstring>{L"report.txt", L"result.json"}));
    std::string hidden;
    for (const std::string& name : run.hiddenClasses)
        hidden += " " + name;
    std::printf(
        "silent run: exit code %lu, %zu rows, diagnostics exit code %d, %lu ms, hidden windows %zu:%s\n",
        *run.exitCode, document["checks"].size(), document["diagnostics"]["exitCode"].get<int>(),
        run.milliseconds, run.hiddenWindowsSeen, hidden.c_str());
}

TEST_F(UnattendedProgram, ReportOnStandardOutput) {
    RunOutcome run = Run(L"-accepteula -silent -report - -json \"" + out + L"result.json\"");
    ASSERT_TRUE(run.exitCode);
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>());
    ExpectReportMatchesDocument(run.output, document);
}

TEST_F(UnattendedProgram, ResultDocumentOnStandardOutput) {
    RunOutcome run = Run(L"-accepteula -silent -json -");
    ASSERT_TRUE(run.exitCode);
    KeepForSchemaCheck(run.output);
    json document = json::parse(run.output, nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << run.output;
    EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>());
}

TEST_F(UnattendedProgram, DiagnosticsThatNeverEndAreStoppedAtTheLimit) {
    ASSERT_TRUE(CopyFileW(kNeverEnding.c_str(), (folder.Path() + L"Zentoli.exe").c_str(), FALSE));
    RunOutcome run = Run(L"-accepteula -silent -timeout 3 -report \"" + out + L"report.txt\" -json \"" + out +
                         L"result.json\"");
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(run.windowsSeen, 0u);
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    EXPECT_EQ(document["diagnostics"]["timedOut"], true);
    EXPECT_EQ(document["diagnostics"]["code"], 7);
    EXPECT_TRUE(document["diagnostics"]["exitCode"].is_null());
    EXPECT_EQ(document["diagnostics"]["timeLimitSeconds"], 3);
    std::vector<json> stopped;
    for (const json& check : document["checks"]) {
        if (check["id"] == "diagnosticsTimeout")
            stopped.push_back(check);
    }
    ASSERT_EQ(stopped.size(), 1u);
    EXPECT_EQ(stopped[0]["severity"], 2);
    EXPECT_EQ(stopped[0]["countsForSummary"], true);
    EXPECT_NE(stopped[0]["text"].get<std::string>().find(" 3 "), std::string::npos) << stopped[0]["text"];
    // A stopped diagnostics run leaves the summary at a warning at best.
    EXPECT_LE(document["summary"]["severity"].get<int>(), 2);
    EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>());
    std::optional<std::string> report = ReadFileBytes(out + L"report.txt");
    ASSERT_TRUE(report);
    EXPECT_NE(report->find(Shipped().warning + stopped[0]["text"].get<std::string>() + "\r\n"),
              std::string::npos);
    ExpectReportMatchesDocument(*report, document);

    // Both the stand-in and the process it started are gone.
    std::optional<std::string> pids = ReadFileBytes(folder.Path() + L"never-ending-pids.txt");
    ASSERT_TRUE(pids);
    unsigned long parent = 0, child = 0;
    ASSERT_EQ(std::sscanf(pids->c_str(), "%lu %lu", &parent, &child), 2);
    EXPECT_NE(child, 0u);
    for (unsigned long pid : {parent, child}) {
        EXPECT_TRUE(ProcessEndsWithin(pid, 10000)) << "process " << pid << " still runs";
    }
    std::printf("stopped diagnostics: exit code %lu after %lu ms with a limit of 3 s\n", *run.exitCode,
                run.milliseconds);
}

// Every box a dialog run would show is a line on standard error instead, and the run goes on.
TEST_F(UnattendedProgram, MessageBoxesBecomeLinesOnStandardError) {
    ASSERT_TRUE(DeleteFileW((folder.Path() + L"Zentoli.exe").c_str()));
    RunOutcome run = Run(L"-accepteula -silent -verbosevideo -json \"" + out + L"result.json\"");
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(run.windowsSeen, 0u);
    EXPECT_NE(run.errors.find("lsystem: error while starting: Zentoli.exe Error: 2\r\n"), std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("ZenToli.exe: Return value: 7\r\n"), std::string::npos) << run.errors;
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    EXPECT_EQ(document["diagnostics"]["started"], false);
    EXPECT_TRUE(document["diagnostics"]["exitCode"].is_null());
    EXPECT_EQ(document["diagnostics"]["code"], 7);
    EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>());
}

// Without the diagnostics program the graphics hardware is not checked, and the run must not say
// that the workstation meets the requirements.
TEST_F(UnattendedProgram, SilentRunWithoutTheDiagnosticsProgramIsNeverMet) {
    ASSERT_TRUE(DeleteFileW((folder.Path() + L"Zentoli.exe").c_str()));
    RunOutcome run =
        Run(L"-accepteula -silent -report \"" + out + L"report.txt\" -json \"" + out + L"result.json\"");
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(run.windowsSeen, 0u);
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    std::optional<std::string> report = ReadFileBytes(out + L"report.txt");
    ASSERT_TRUE(report);
    EXPECT_EQ(document["diagnostics"]["started"], false);
    EXPECT_EQ(document["diagnostics"]["code"], 7);
    ExpectGraphicsNotChecked(run, *report, document, "diagnosticsNotStarted", Shipped().notStarted);
    std::printf("without the diagnostics program: exit code %lu\n", *run.exitCode);
}

// A crash is not a verdict: heap corruption (0xC0000374) has the low bits of "supported,
// switchable graphics", and must not read as that.
TEST_F(UnattendedProgram, SilentRunWithACrashedDiagnosticsProgramIsNeverMet) {
    ASSERT_TRUE(CopyFileW(kStandIn.c_str(), (folder.Path() + L"Zentoli.exe").c_str(), FALSE));
    RunOutcome run =
        Run(L"-accepteula -silent -report \"" + out + L"report.txt\" -json \"" + out + L"result.json\"",
            {L"VELKORA_STANDIN_EXIT_CODES=-1073740940"}); // 0xC0000374
    ASSERT_TRUE(run.exitCode);
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    std::optional<std::string> report = ReadFileBytes(out + L"report.txt");
    ASSERT_TRUE(report);
    // The stand-in ran once and ended with the code; the document keeps it, the checks judged by 7.
    EXPECT_EQ(ReadFileBytes(folder.Path() + L"standin-runs.txt"),
              std::optional<std::string>("-1073740940\n"));
    EXPECT_EQ(document["diagnostics"]["exitCode"], -1073740940);
    EXPECT_EQ(document["diagnostics"]["code"], 7);
    EXPECT_EQ(document["diagnostics"]["started"], true);
    EXPECT_EQ(document["diagnostics"]["timedOut"], false);
    ExpectGraphicsNotChecked(run, *report, document, "diagnosticsEndedAbnormally", Shipped().endedAbnormally);
    std::printf("diagnostics ended with 0xC0000374: exit code %lu\n", *run.exitCode);
}

TEST_F(UnattendedProgram, BadCommandLinesGiveThreeAndTheUsage) {
    const wchar_t* commandLines[] = {
        L"-silent",                                              // without -accepteula
        L"-accepteula -silent -bogus",                           // unknown option
        L"/accepteula stray",                                    // a word that is no option
        L"-accepteula -silent -report",                          // value missing
        L"-accepteula -silent -timeout 0",                       // not a positive number
        L"-accepteula -silent -timeout soon",                    // not a number
        L"-accepteula -silent -report - -json -",                // both on standard output
        L"-accepteula -silent -json a.json -json b",             // given twice
        L"-accepteula -silent -report out.txt -json .\\OUT.TXT", // one file, two spellings
    };
    for (const wchar_t* arguments : commandLines) {
        RunOutcome run = Run(arguments);
        ASSERT_TRUE(run.exitCode);
        EXPECT_EQ(*run.exitCode, 3u) << Utf8Of(arguments);
        EXPECT_EQ(run.windowsSeen, 0u) << Utf8Of(arguments);
        EXPECT_NE(run.errors.find("Usage: VelkoraSysTest [-accepteula] [-silent]"), std::string::npos)
            << Utf8Of(arguments) << ": " << run.errors;
        EXPECT_NE(run.errors.find("VelkoraSysTest: "), std::string::npos) << run.errors; // the reason
        EXPECT_TRUE(run.output.empty());
    }
}

TEST_F(UnattendedProgram, UnwritableTargetsGiveFiveAndLeaveNoFile) {
    ASSERT_TRUE(CreateDirectoryW((out + L"taken").c_str(), nullptr));
    struct Case {
        std::wstring arguments;
        std::vector<std::wstring> filesAfter; // in out
    } cases[] = {
        {L"-report \"" + out + L"missing\\report.txt\"", {L"taken"}},
        {L"-json \"" + out + L"missing\\result.json\"", {L"taken"}},
        {L"-json \"" + out + L"taken\"", {L"taken"}},
        {L"-report \"" + out + L"taken\"", {L"taken"}},
        // One written, one not: the one is whole, and the run still says that something failed.
        {L"-report \"" + out + L"report.txt\" -json \"" + out + L"missing\\result.json\"",
         {L"report.txt", L"taken"}},
    };
    for (const Case& c : cases) {
        RunOutcome run = Run(L"-accepteula -silent " + c.arguments);
        ASSERT_TRUE(run.exitCode);
        EXPECT_EQ(*run.exitCode, 5u) << Utf8Of(c.arguments);
        EXPECT_NE(run.errors.find("could not be written to"), std::string::npos) << run.errors;
        EXPECT_EQ(FilesIn(out), c.filesAfter) << Utf8Of(c.arguments);
        EXPECT_TRUE(FilesIn(out + L"taken\\").empty());
        DeleteFileW((out + L"report.txt").c_str());
    }
}

TEST_F(UnattendedProgram, NoLanguageModuleIsALineAndMinusOne) {
    for (const std::wstring& name : FilesIn(folder.Path())) {
        if (name.rfind(L"VelkoraSystest_", 0) == 0) {
            ASSERT_TRUE(DeleteFileW((folder.Path() + name).c_str()));
        }
    }
    RunOutcome run = Run(L"-accepteula -silent -json \"" + out + L"result.json\"");
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(*run.exitCode, 0xFFFFFFFFu);
    EXPECT_EQ(run.windowsSeen, 0u);
    EXPECT_EQ(run.errors.rfind("Fatal Error: Can't initialize language Dll / ", 0), 0u) << run.errors;
    EXPECT_TRUE(FilesIn(out).empty());
}

// With the licence accepted on the command line the main window opens at once, and the report is
// already written when it shows: the same bytes as the report button's file.
TEST_F(UnattendedProgram, DialogRunWritesTheReportBeforeTheWindowShows) {
    CDrivenProcess program;
    ASSERT_TRUE(program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\" /AcceptEula -report \"" + out +
                                   L"report.txt\" -json \"" + out + L"result.json\"",
                               folder.Path(),
                               {}}));
    HWND main = program.WaitForWindow(L"#32770", L"Velkora 2018 System Check", kWait);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(TopLevelWindowsOf(program.ProcessId()).size(), 1u); // no licence window
    std::optional<std::string> written = ReadFileBytes(out + L"report.txt");
    ASSERT_TRUE(written);
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    // A dialog run waits for the diagnostics without limit.
    EXPECT_TRUE(document["diagnostics"]["timeLimitSeconds"].is_null());

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring buttonFile = std::wstring(temp) + L"VelkoraSysTest.txt";
    DeleteFileW(buttonFile.c_str());
    ClickButton(ControlOf(main, IDC_MAIN_REPORT));
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(buttonFile) == written; }, 10000));
    // The shell opens the file in the text editor, where the prefix knows one for .txt files.
    HWND notepad = nullptr;
    if (WaitUntil([&] { return (notepad = FindWindowW(L"Notepad", nullptr)) != nullptr; }, 10000)) {
        PostMessageW(notepad, WM_CLOSE, 0, 0);
        WaitUntil([&] { return FindWindowW(L"Notepad", nullptr) == nullptr; }, 10000);
    }

    PostCommand(main, IDCANCEL);
    EXPECT_EQ(program.WaitForExit(kWait), std::optional<DWORD>(2));
}

} // namespace

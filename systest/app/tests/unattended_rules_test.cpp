// The small rules of unattended runs: exit codes, message lines, temporary output files.
#include <cwchar>

#include <gtest/gtest.h>

#include "command_line.h"
#include "message_line.h"
#include "output_target.h"
#include "run_exit_code.h"

namespace Velkora {
namespace {

TEST(RunExitCode, SilentRunGivesTheVerdictUnlessAnOutputFailed) {
    const struct {
        Severity level;
        bool written;
        int code;
    } rows[] = {
        {1, true, 11}, {2, true, 12}, {3, true, 13}, {4, true, 14}, {5, true, 15},
        {6, true, 16}, {1, false, 5}, {6, false, 5}, {0, true, 11}, {9, true, 16},
    };
    for (const auto& r : rows)
        EXPECT_EQ(SilentRunExitCode(r.level, r.written), r.code) << r.level << r.written;
}

TEST(RunExitCode, DialogRunKeepsTheWindowsAnswerUnlessAnOutputFailed) {
    EXPECT_EQ(DialogRunExitCode(1, true), 1);
    EXPECT_EQ(DialogRunExitCode(2, true), 2);
    EXPECT_EQ(DialogRunExitCode(1, false), 5);
}

// Output paths mean what they meant to the caller: made full against the caller's folder before
// the run moves to the program's folder. Standard output stays standard output.
TEST(CommandLine, OutputPathsAreResolvedAgainstTheCallersFolder) {
    struct Case {
        std::optional<std::wstring> report, json;
        std::optional<std::wstring> reportAfter, jsonAfter;
    };
    const Case cases[] = {
        {L"out.txt", L"-", L"C:\\Caller\\out.txt", L"-"},
        {L"-", L"..\\r.json", L"-", L"C:\\Caller\\..\\r.json"},
        {std::nullopt, L"r.json", std::nullopt, L"C:\\Caller\\r.json"},
        {L"unresolvable", std::nullopt, L"unresolvable", std::nullopt}, // kept as given
    };
    for (const Case& c : cases) {
        CommandLineOptions options;
        options.reportPath = c.report;
        options.jsonPath = c.json;
        EXPECT_EQ(ResolveOutputPaths(options,
                                     [](const std::wstring& path) {
                                         return path == L"unresolvable" ? std::wstring()
                                                                        : L"C:\\Caller\\" + path;
                                     }),
                  std::nullopt);
        EXPECT_EQ(options.reportPath, c.reportAfter);
        EXPECT_EQ(options.jsonPath, c.jsonAfter);
    }
}

// Two spellings of one file pass the command line's own check, and would have the document
// overwrite the report: once both are full paths they are refused like the same name.
TEST(CommandLine, TwoSpellingsOfOneOutputFileAreRefusedOnceResolved) {
    struct Case {
        const wchar_t* report;
        const wchar_t* json;
        bool refused;
    };
    const Case cases[] = {
        {L"out.txt", L".\\OUT.TXT", true},
        {L"sub\\..\\r.txt", L"r.txt", true},
        {L"C:\\Caller\\r.txt", L"r.txt", true},
        {L"r.txt", L"r.json", false},
        {L"-", L"r.json", false},
    };
    // Makes full paths as GetFullPathNameW would for these: against C:\Caller, "." and ".." gone.
    auto resolve = [](const std::wstring& path) -> std::wstring {
        if (path.rfind(L"C:\\", 0) == 0)
            return path;
        std::wstring name = path;
        for (const wchar_t* step : {L".\\", L"sub\\..\\"})
            if (name.rfind(step, 0) == 0)
                name.erase(0, std::wcslen(step));
        return L"C:\\Caller\\" + name;
    };
    for (const Case& c : cases) {
        CommandLineParse parse =
            ParseCommandLine({L"-accepteula", L"-silent", L"-report", c.report, L"-json", c.json});
        ASSERT_TRUE(parse.ok) << "the words alone differ";
        std::optional<std::wstring> refused = ResolveOutputPaths(parse.options, resolve);
        EXPECT_EQ(refused.has_value(), c.refused) << c.report << L" / " << c.json;
        if (refused) {
            EXPECT_EQ(*refused, L"-report and -json name the same file");
        }
    }
}

TEST(MessageBoxLine, OneLinePerBox) {
    EXPECT_EQ(MessageBoxLine(L"lsystem", L"error while starting: Zentoli.exe\nError: 2"),
              L"lsystem: error while starting: Zentoli.exe Error: 2");
    EXPECT_EQ(MessageBoxLine(L"Version", L"a\r\n\r\nb\n"), L"Version: a b ");
    EXPECT_EQ(MessageBoxLine(L"", L"text"), L"text");
}

TEST(OutputTarget, TemporaryFileLiesInTheTargetsFolder) {
    EXPECT_TRUE(IsStandardOutputTarget(L"-"));
    EXPECT_FALSE(IsStandardOutputTarget(L"--"));
    EXPECT_EQ(TemporaryPathBeside(L"C:\\out\\r.json", 0x1a2b), L"C:\\out\\~r.json.00001A2B.tmp");
    EXPECT_EQ(TemporaryPathBeside(L"\\\\server\\share/r.txt", 1), L"\\\\server\\share/~r.txt.00000001.tmp");
    EXPECT_EQ(TemporaryPathBeside(L"r.txt", 2), L"~r.txt.00000002.tmp");
    EXPECT_EQ(TemporaryPathBeside(L"D:r.txt", 3), L"D:~r.txt.00000003.tmp");
    EXPECT_EQ(TemporaryPathBeside(L"C:\\dir\\", 4), L"C:\\dir\\~.00000004.tmp");
}

} // namespace
} // namespace Velkora

#include "command_line.h"
#include "help_text.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

TEST(CommandLine, WithoutNewOptionsNothingIsRefused) {
    for (const auto& args : std::vector<std::vector<std::wstring>>{
             {}, {L"whatever", L"/x"}, {L"-verbosevideo"}, {L"C:\\-verbosevideo\\x"}}) {
        CommandLineParse p = ParseCommandLine(args);
        EXPECT_TRUE(p.ok);
        EXPECT_FALSE(p.options.silent);
        EXPECT_FALSE(p.options.acceptEula);
    }
    EXPECT_TRUE(ParseCommandLine({L"/VerboseVideo"}).options.verboseVideo);
}

TEST(CommandLine, AcceptsEveryOptionWithDashOrSlashInAnyCase) {
    CommandLineParse p =
        ParseCommandLine({L"/AcceptEula", L"-SILENT", L"-report", L"C:\\out\\r.txt", L"/Json", L"-", L"-CSV",
                          L"\\\\server\\share\\fleet.csv", L"-timeout", L"30", L"-verbosevideo"});
    ASSERT_TRUE(p.ok) << std::string(p.error.begin(), p.error.end());
    EXPECT_TRUE(p.options.acceptEula);
    EXPECT_TRUE(p.options.silent);
    EXPECT_TRUE(p.options.verboseVideo);
    EXPECT_EQ(p.options.reportPath, L"C:\\out\\r.txt");
    EXPECT_EQ(p.options.jsonPath, L"-");
    EXPECT_EQ(p.options.csvPath, L"\\\\server\\share\\fleet.csv");
    EXPECT_EQ(p.options.timeoutSeconds, 30);
}

TEST(CommandLine, RefusesBadCommandLines) {
    const std::vector<std::vector<std::wstring>> bad = {
        {L"-silent"},                                 // without -accepteula
        {L"-accepteula", L"-bogus"},                  // unknown option
        {L"-accepteula", L"stray"},                   // a word that is no option
        {L"-accepteula", L"-report"},                 // missing value
        {L"-accepteula", L"-json", L""},              // empty value
        {L"-accepteula", L"-timeout", L"abc"},        // not a number
        {L"-accepteula", L"-timeout", L"0"},          // not positive
        {L"-accepteula", L"-timeout", L"-5"},         // negative
        {L"-accepteula", L"-timeout", L"9999999999"}, // too long to be a number of seconds
        {L"-accepteula", L"-report", L"a", L"-report", L"b"},
        {L"-accepteula", L"-report", L"-", L"-json", L"-"},
        {L"-accepteula", L"-timeout", L"5", L"-timeout", L"6"},
        {L"-accepteula", L"-report", L"C:\\Out\\r.txt", L"-json", L"c:\\out\\R.TXT"},
        {L"-accepteula", L"-silent", L"-verbosevideo", L"-json"}, // value missing at the end
        {L"-accepteula", L"-csv"},                                // missing value
        {L"-accepteula", L"-csv", L"a.csv", L"-csv", L"b.csv"},
        {L"-accepteula", L"-csv", L"-", L"-report", L"-"}, // two outputs on standard output
        {L"-accepteula", L"-json", L"-", L"-csv", L"-"},
        {L"-accepteula", L"-csv", L"C:\\t.csv", L"-json", L"c:\\T.CSV"}, // one file twice
        {L"-accepteula", L"-report", L"out.txt", L"-csv", L"OUT.TXT"},
    };
    for (const auto& args : bad) {
        CommandLineParse p = ParseCommandLine(args);
        EXPECT_FALSE(p.ok) << args.size();
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(CommandLine, OnlyTheNewOptionsMakeARunUnattended) {
    EXPECT_FALSE(HasUnattendedOptions(ParseCommandLine({L"-verbosevideo", L"stray"}).options));
    for (const auto& args : std::vector<std::vector<std::wstring>>{{L"-accepteula"},
                                                                   {L"-report", L"r.txt"},
                                                                   {L"-json", L"-"},
                                                                   {L"-csv", L"t.csv"},
                                                                   {L"-timeout", L"9"}}) {
        EXPECT_TRUE(HasUnattendedOptions(ParseCommandLine(args).options));
    }
}

TEST(CommandLine, HelpWinsOverEverythingElse) {
    for (const auto& args : std::vector<std::vector<std::wstring>>{
             {L"/?"},
             {L"-?"},
             {L"-h"},
             {L"/H"},
             {L"-help"},
             {L"/HELP"},
             {L"-Help"},
             {L"-accepteula", L"-silent", L"-?"}, // beside a complete unattended run
             {L"-bogus", L"-h"},                  // beside a word that would be refused
             {L"-silent", L"/?"}}) {              // beside -silent without -accepteula
        CommandLineParse p = ParseCommandLine(args);
        EXPECT_TRUE(p.ok) << args.size();
        EXPECT_TRUE(p.options.help) << args.size();
        EXPECT_FALSE(HasUnattendedOptions(p.options)) << "help runs no check";
    }
    for (const auto& args : std::vector<std::vector<std::wstring>>{{L"-hh"}, {L"?"}, {L"help"}, {L"-helpme"}})
        EXPECT_FALSE(ParseCommandLine(args).options.help);
    EXPECT_TRUE(ParseCommandLine({L"/SILENT", L"-?"}).options.helpWithoutBox)
        << "no box for the usage either";
    EXPECT_FALSE(ParseCommandLine({L"-?"}).options.helpWithoutBox);
}

TEST(HelpText, UsageEveryOptionAndExitCodeInCrLfLines) {
    std::wstring help = HelpText();
    EXPECT_EQ(help.rfind(kUsageLine, 0), 0u) << "starts with the usage line";
    for (const wchar_t* option : {L"-accepteula", L"-silent", L"-report PATH", L"-json PATH", L"-csv PATH",
                                  L"-timeout SECONDS", L"-verbosevideo", L"-?", L"-help"})
        EXPECT_NE(help.find(std::wstring(L" ") + option), std::wstring::npos) << std::wstring(option).size();
    for (int code : {11, 12, 13, 16, kExitBadCommandLine, kExitOutputNotWritten, kExitInternalError, -1})
        EXPECT_NE(help.find(L"\n  " + std::to_wstring(code)), std::wstring::npos) << code;
    ASSERT_GE(help.size(), 2u);
    EXPECT_EQ(help.substr(help.size() - 2), L"\r\n");
    for (std::size_t at = 0; (at = help.find(L'\n', at)) != std::wstring::npos; ++at)
        ASSERT_EQ(help[at - 1], L'\r') << at;
    EXPECT_EQ(HelpText(L"Aufruf: ...\r\n"), L"Aufruf: ...\r\n") << "a language module's text as it is";
}

TEST(CommandLine, TheSharedTableIsWaitedForAsLongAsTheRunMayTake) {
    EXPECT_EQ(SharedTableWaitSeconds(ParseCommandLine({L"-accepteula", L"-csv", L"t.csv"}).options), 60);
    EXPECT_EQ(
        SharedTableWaitSeconds(ParseCommandLine({L"-accepteula", L"-silent", L"-csv", L"t.csv"}).options),
        120);
    EXPECT_EQ(SharedTableWaitSeconds(
                  ParseCommandLine({L"-accepteula", L"-timeout", L"300", L"-csv", L"t.csv"}).options),
              300);
    // the caller's spelling of a path is made full as the other outputs' are
    CommandLineOptions options = ParseCommandLine({L"-accepteula", L"-csv", L"t.csv"}).options;
    EXPECT_EQ(ResolveOutputPaths(options, [](const std::wstring& p) { return L"C:\\work\\" + p; }),
              std::nullopt);
    EXPECT_EQ(options.csvPath, L"C:\\work\\t.csv");
}

TEST(CommandLine, ASummaryTakesItsInputsUpToTheNextOption) {
    CommandLineParse p =
        ParseCommandLine({L"/Summary", L"\\\\server\\results", L"fleet.csv", L"a.json", L"-HTML",
                          L"site.html", L"-accepteula", L"-silent", L"-csv", L"l.csv"});
    ASSERT_TRUE(p.ok) << std::string(p.error.begin(), p.error.end());
    EXPECT_TRUE(p.options.summary);
    EXPECT_EQ(p.options.summaryInputs,
              (std::vector<std::wstring>{L"\\\\server\\results", L"fleet.csv", L"a.json"}));
    EXPECT_EQ(p.options.htmlPath, L"site.html");
    EXPECT_EQ(p.options.csvPath, L"l.csv");
    EXPECT_TRUE(HasUnattendedOptions(p.options));
    EXPECT_TRUE(ParseCommandLine({L"-silent", L"-summary", L"a.json", L"-html", L"-"}).ok)
        << "-silent needs no -accepteula where nothing would be shown";

    // Inputs and outputs are the caller's paths, made full; two spellings of one file show then.
    CommandLineOptions options = ParseCommandLine({L"-summary", L"site.csv", L"-html", L"s.html"}).options;
    EXPECT_EQ(ResolveOutputPaths(options, [](const std::wstring& p) { return L"C:\\work\\" + p; }),
              std::nullopt);
    EXPECT_EQ(options.summaryInputs, std::vector<std::wstring>{L"C:\\work\\site.csv"});
    EXPECT_EQ(options.htmlPath, L"C:\\work\\s.html");
    options =
        ParseCommandLine({L"-summary", L"site.csv", L"-html", L"s.html", L"-csv", L".\\SITE.CSV"}).options;
    EXPECT_NE(ResolveOutputPaths(options,
                                 [](const std::wstring& p) {
                                     return L"C:\\work\\" + (p.rfind(L".\\", 0) == 0 ? p.substr(2) : p);
                                 }),
              std::nullopt)
        << "the summary's table would replace the site's own";
}

TEST(CommandLine, RefusesSummaryLinesThatCannotWork) {
    const std::vector<std::vector<std::wstring>> bad = {
        {L"-summary", L"-html", L"s.html"},                                  // no input
        {L"-summary", L"a.json"},                                            // no page
        {L"-html", L"s.html"},                                               // a page without a summary
        {L"-summary", L"a.json", L"-html"},                                  // no path for the page
        {L"-summary", L"a.json", L"-html", L"s.html", L"-report", L"r.txt"}, // no check runs
        {L"-summary", L"a.json", L"-html", L"s.html", L"-json", L"r.json"},
        {L"-summary", L"a.json", L"-html", L"s.html", L"-timeout", L"5"},
        {L"-summary", L"a.json", L"-html", L"s.html", L"-verbosevideo"},
        {L"-summary", L"a.json", L"-html", L"-", L"-csv", L"-"}, // both on standard output
        {L"-summary", L"a.json", L"-html", L"s.html", L"-csv", L"S.HTML"},
        {L"-summary", L"a.json", L"-html", L"A.JSON"}, // an input overwritten
        {L"-summary", L"fleet.csv", L"-html", L"s.html", L"-csv", L"fleet.csv"},
        {L"-summary", L"a.json", L"-html", L"s.html", L"-summary", L"b.json"},
        {L"-summary", L"a.json", L"-html", L"s.html", L"-html", L"t.html"},
        {L"-summary", L"a.json", L"stray", L"-html", L"s.html", L"-bogus"},
    };
    for (const auto& args : bad) {
        CommandLineParse p = ParseCommandLine(args);
        EXPECT_FALSE(p.ok) << args.size() << " words, the last "
                           << std::string(args.back().begin(), args.back().end());
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(CommandLine, TimeoutDefaultsToTwoMinutesOnlyWhenSilent) {
    EXPECT_EQ(EffectiveTimeout(ParseCommandLine({L"-accepteula", L"-silent"}).options), 120);
    EXPECT_EQ(EffectiveTimeout(ParseCommandLine({L"-accepteula"}).options), std::nullopt);
    EXPECT_EQ(EffectiveTimeout(ParseCommandLine({L"-accepteula", L"-timeout", L"5"}).options), 5);
    EXPECT_EQ(EffectiveTimeout(ParseCommandLine({L"-accepteula", L"-timeout", L"999999"}).options), 86400);
}

} // namespace
} // namespace Velkora

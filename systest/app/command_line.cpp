#include "command_line.h"

#include <algorithm>

#include "output_target.h"

namespace Velkora {
namespace {

std::wstring Lower(std::wstring text) {
    for (auto& c : text) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

// "-name" or "/name" in any letter case; empty when the word is not an option.
std::wstring OptionName(const std::wstring& word) {
    if (word.size() < 2 || (word[0] != L'-' && word[0] != L'/'))
        return {};
    return Lower(word.substr(1));
}

// File names are compared as Windows does for the usual letters: without regard to case.
bool SameFile(const std::optional<std::wstring>& a, const std::optional<std::wstring>& b) {
    return a && b && !IsStandardOutputTarget(*a) && Lower(*a) == Lower(*b);
}

// Why two outputs would overwrite each other, or nothing.
std::optional<std::wstring> SameFileRefusal(const CommandLineOptions& o) {
    if (SameFile(o.reportPath, o.jsonPath))
        return L"-report and -json name the same file";
    if (SameFile(o.reportPath, o.csvPath) || SameFile(o.jsonPath, o.csvPath))
        return L"-csv names the same file as -report or -json";
    if (SameFile(o.htmlPath, o.csvPath))
        return L"-html and -csv name the same file";
    // The summary's table must never replace the shared table it was made from.
    for (const std::wstring& input : o.summaryInputs)
        if (SameFile(input, o.htmlPath) || SameFile(input, o.csvPath))
            return L"an output of -summary names one of its inputs: " + input;
    return std::nullopt;
}

bool ToStandardOutput(const std::optional<std::wstring>& path) {
    return path && IsStandardOutputTarget(*path);
}

bool IsHelpOption(const std::wstring& name) {
    return name == L"?" || name == L"h" || name == L"help";
}

bool IsNewOption(const std::wstring& name) {
    return name == L"accepteula" || name == L"silent" || name == L"report" || name == L"json" ||
           name == L"csv" || name == L"timeout" || name == L"summary" || name == L"html";
}

std::optional<int> ParseSeconds(const std::wstring& text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (value < 1)
        return std::nullopt;
    return std::min(value, kMaxTimeoutSeconds);
}

// What a summary's command line cannot hold. No check runs, so the options of a check are refused
// rather than ignored; -silent and -accepteula are harmless (nothing is shown anyway).
std::optional<std::wstring> SummaryRefusal(const CommandLineOptions& o) {
    if (o.summaryInputs.empty())
        return L"-summary needs at least one result document, folder or results table";
    if (!o.htmlPath)
        return L"-summary needs -html PATH for its page";
    if (o.reportPath || o.jsonPath || o.timeoutSeconds || o.verboseVideo)
        return L"-summary runs no check: -report, -json, -timeout and -verbosevideo do not go with it";
    if (ToStandardOutput(o.htmlPath) && ToStandardOutput(o.csvPath))
        return L"-html and -csv cannot both write to standard output";
    return SameFileRefusal(o);
}

} // namespace

CommandLineParse ParseCommandLine(const std::vector<std::wstring>& args) {
    CommandLineParse parse;
    if (std::any_of(args.begin(), args.end(), [](const auto& a) { return IsHelpOption(OptionName(a)); })) {
        parse.options.help = true;
        // The one other word help listens to: a silent run shows no box, not even the usage.
        parse.options.helpWithoutBox =
            std::any_of(args.begin(), args.end(), [](const auto& a) { return OptionName(a) == L"silent"; });
        return parse;
    }
    bool anyNew =
        std::any_of(args.begin(), args.end(), [](const auto& a) { return IsNewOption(OptionName(a)); });
    if (!anyNew) {
        parse.options.verboseVideo = std::any_of(
            args.begin(), args.end(), [](const auto& a) { return OptionName(a) == L"verbosevideo"; });
        return parse;
    }
    auto fail = [&](std::wstring why) {
        parse.ok = false;
        parse.error = std::move(why);
        return parse;
    };
    CommandLineOptions& o = parse.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::wstring name = OptionName(args[i]);
        bool takesValue =
            name == L"report" || name == L"json" || name == L"csv" || name == L"timeout" || name == L"html";
        if (takesValue && (i + 1 >= args.size() || args[i + 1].empty()))
            return fail(L"the option " + args[i] + L" needs a value");
        if (name == L"accepteula") {
            o.acceptEula = true;
        } else if (name == L"silent") {
            o.silent = true;
        } else if (name == L"verbosevideo") {
            o.verboseVideo = true;
        } else if (name == L"report") {
            if (o.reportPath)
                return fail(L"-report is given twice");
            o.reportPath = args[++i];
        } else if (name == L"json") {
            if (o.jsonPath)
                return fail(L"-json is given twice");
            o.jsonPath = args[++i];
        } else if (name == L"csv") {
            if (o.csvPath)
                return fail(L"-csv is given twice");
            o.csvPath = args[++i];
        } else if (name == L"html") {
            if (o.htmlPath)
                return fail(L"-html is given twice");
            o.htmlPath = args[++i];
        } else if (name == L"summary") {
            if (o.summary)
                return fail(L"-summary is given twice");
            o.summary = true;
            // Its inputs are the words up to the next option.
            while (i + 1 < args.size() && OptionName(args[i + 1]).empty())
                o.summaryInputs.push_back(args[++i]);
        } else if (name == L"timeout") {
            if (o.timeoutSeconds)
                return fail(L"-timeout is given twice");
            o.timeoutSeconds = ParseSeconds(args[i + 1]);
            if (!o.timeoutSeconds)
                return fail(L"-timeout needs a whole number of seconds from 1, not " + args[i + 1]);
            ++i;
        } else {
            return fail(L"unknown option " + args[i]);
        }
    }
    if (o.summary)
        return SummaryRefusal(o) ? fail(*SummaryRefusal(o)) : parse;
    if (o.htmlPath)
        return fail(L"-html belongs to -summary");
    if (o.silent && !o.acceptEula)
        return fail(L"-silent requires -accepteula");
    if (ToStandardOutput(o.reportPath) && ToStandardOutput(o.jsonPath))
        return fail(L"-report and -json cannot both write to standard output");
    if (ToStandardOutput(o.csvPath) && (ToStandardOutput(o.reportPath) || ToStandardOutput(o.jsonPath)))
        return fail(L"-csv cannot write to standard output beside -report or -json");
    if (std::optional<std::wstring> refusal = SameFileRefusal(o))
        return fail(*refusal);
    return parse;
}

bool HasUnattendedOptions(const CommandLineOptions& o) {
    return o.acceptEula || o.silent || o.reportPath || o.jsonPath || o.csvPath || o.timeoutSeconds ||
           o.summary || o.htmlPath;
}

std::optional<std::wstring> ResolveOutputPaths(CommandLineOptions& options, const PathResolver& resolve) {
    auto resolveOne = [&](std::wstring& path) {
        if (IsStandardOutputTarget(path))
            return;
        std::wstring full = resolve(path);
        if (!full.empty())
            path = std::move(full);
    };
    for (std::optional<std::wstring>* path :
         {&options.reportPath, &options.jsonPath, &options.csvPath, &options.htmlPath})
        if (*path)
            resolveOne(**path);
    for (std::wstring& input : options.summaryInputs)
        resolveOne(input);
    return SameFileRefusal(options);
}

int SharedTableWaitSeconds(const CommandLineOptions& options) {
    return EffectiveTimeout(options).value_or(60);
}

std::optional<int> EffectiveTimeout(const CommandLineOptions& options) {
    if (options.timeoutSeconds)
        return options.timeoutSeconds;
    if (options.silent)
        return kDefaultSilentTimeoutSeconds;
    return std::nullopt;
}

} // namespace Velkora

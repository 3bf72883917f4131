#pragma once
// The options of VelkoraSysTest for unattended runs. A command line without any of them is not
// examined at all, so that the program behaves as it always did ("-verbosevideo" is looked for
// by the graphics checks themselves).
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Velkora {

// Exit codes of unattended runs beside the dialog's -1, 0, 1, 2.
inline constexpr int kExitBadCommandLine = 3;
inline constexpr int kExitOutputNotWritten = 5;
// Something failed inside the program (an exception no part of it handled); never abort()'s 3.
inline constexpr int kExitInternalError = 6;
inline constexpr int kExitSilentBase = 10; // plus the summary severity
inline constexpr int kDefaultSilentTimeoutSeconds = 120;
// Longer limits are taken as this: the wait must fit a 32-bit millisecond count.
inline constexpr int kMaxTimeoutSeconds = 86400;

struct CommandLineOptions {
    bool help = false;           // -? /? -h -help: the usage, no check, no window
    bool helpWithoutBox = false; // -silent beside it: the usage never shows in a box
    bool acceptEula = false;
    bool silent = false;
    bool verboseVideo = false;
    std::optional<std::wstring> reportPath; // "-" is standard output
    std::optional<std::wstring> jsonPath;   // "-" is standard output
    std::optional<std::wstring> csvPath;    // the shared results table a row is appended to; "-" too
    std::optional<int> timeoutSeconds;      // no value: wait without limit
    // -summary: no check runs; the results given (documents, folders of them, results tables)
    // become one overview page (-html) and, with -csv, one table of the latest runs.
    bool summary = false;
    std::vector<std::wstring> summaryInputs;
    std::optional<std::wstring> htmlPath;
};

struct CommandLineParse {
    bool ok = true;
    CommandLineOptions options;
    std::wstring error; // why the command line was refused
};

inline constexpr wchar_t kUsageLine[] =
    L"Usage: VelkoraSysTest [-accepteula] [-silent] [-report PATH|-] [-json PATH|-] [-csv PATH|-] "
    L"[-timeout SECONDS] [-verbosevideo]";
inline constexpr wchar_t kSummaryUsageLine[] =
    L"       VelkoraSysTest -summary INPUT... -html PATH [-csv PATH]";

// args: the words after the program name. A request for help wins over everything else on the
// line, so that "-help" always answers, even beside words that would be refused.
CommandLineParse ParseCommandLine(const std::vector<std::wstring>& args);

// Whether any option for unattended runs was given; without one the program runs as it always did.
bool HasUnattendedOptions(const CommandLineOptions& options);

// An unattended run works in the program's own folder (card list, language modules, the
// diagnostics program), whatever folder it was started from; its output paths mean what they
// meant to the caller, so they are made full paths first. resolve gives the full path of a path
// as seen from the caller's folder, or empty when it cannot (the path then stays as given).
// Answers why the command line is refused after all, or nothing: two spellings of one file
// ("out.txt" and ".\OUT.TXT") only show as one once both are full paths, and the second output
// would overwrite the first.
using PathResolver = std::function<std::wstring(const std::wstring&)>;
[[nodiscard]] std::optional<std::wstring> ResolveOutputPaths(CommandLineOptions& options,
                                                             const PathResolver& resolve);

// How long a row waits for the shared results table that other writers hold: the run's time
// limit, else a minute.
int SharedTableWaitSeconds(const CommandLineOptions& options);

// The limit the diagnostics program gets: the option, else 120 s in silent mode, else none.
std::optional<int> EffectiveTimeout(const CommandLineOptions& options);

} // namespace Velkora

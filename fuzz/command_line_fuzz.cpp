// The dialog program's command line: the words after the program name, one per input line.
// A parse either fails with a reason or gives options that are consistent with each other.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_line.h"
#include "fuzz_input.h"

using namespace Velkora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    std::vector<std::wstring> words;
    while (!input.Empty()) words.push_back(input.TakeWideLine());
    const CommandLineParse parse = ParseCommandLine(words);
    if (!parse.ok) {
        if (parse.error.empty()) std::abort();
        return 0;
    }
    const CommandLineOptions& o = parse.options;
    if (o.silent && !o.acceptEula) std::abort();
    if (o.reportPath && o.jsonPath && *o.reportPath == L"-" && *o.jsonPath == L"-") std::abort();
    if (o.timeoutSeconds && (*o.timeoutSeconds < 1 || *o.timeoutSeconds > kMaxTimeoutSeconds)) std::abort();
    const std::optional<int> limit = EffectiveTimeout(o);
    if (limit && (*limit < 1 || *limit > kMaxTimeoutSeconds)) std::abort();
    (void)HasUnattendedOptions(o);
    return 0;
}

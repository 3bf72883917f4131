// The dialog program's command line: the words after the program name, one per input line.
// A parse either fails with a reason or gives options that are consistent with each other, and
// once its output paths are made full they still name two different files.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_line.h"
#include "fuzz_input.h"

using namespace Velkora;

namespace {

std::wstring LowerAscii(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    std::vector<std::wstring> words;
    while (!input.Empty())
        words.push_back(input.TakeWideLine());
    const CommandLineParse parse = ParseCommandLine(words);
    if (!parse.ok) {
        if (parse.error.empty())
            std::abort();
        return 0;
    }
    const CommandLineOptions& o = parse.options;
    if (o.silent && !o.acceptEula)
        std::abort();
    if (o.reportPath && o.jsonPath && *o.reportPath == L"-" && *o.jsonPath == L"-")
        std::abort();
    if (o.timeoutSeconds && (*o.timeoutSeconds < 1 || *o.timeoutSeconds > kMaxTimeoutSeconds))
        std::abort();
    const std::optional<int> limit = EffectiveTimeout(o);
    if (limit && (*limit < 1 || *limit > kMaxTimeoutSeconds))
        std::abort();
    // Only that it returns without a fault counts: any answer is a valid one.
    (void)HasUnattendedOptions(o);

    // Made full against a caller's folder, the two outputs are never one file.
    CommandLineOptions resolved = o;
    const std::optional<std::wstring> refused =
        ResolveOutputPaths(resolved, [](const std::wstring& path) { return L"C:\\Caller\\" + path; });
    if (refused) {
        if (refused->empty())
            std::abort();
    } else if (resolved.reportPath && resolved.jsonPath && *resolved.reportPath != L"-" &&
               LowerAscii(*resolved.reportPath) == LowerAscii(*resolved.jsonPath)) {
        std::abort();
    }
    return 0;
}

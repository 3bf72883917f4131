// Zentoli's command line (one argument per input line, the first is the program) and the log
// file name made of a computer name of the input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "run_arguments.h"

using namespace Zentoli;
using Velkora::CFuzzInput;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    const std::uint8_t mode = input.TakeByte();
    LocalTime time{input.TakeByte() + 1990, input.TakeByte() % 13, input.TakeByte() % 32,
                   input.TakeByte() % 24, input.TakeByte() % 60};
    const std::wstring computer = input.TakeWideLine();
    std::vector<std::wstring> arguments;
    while (!input.Empty())
        arguments.push_back(input.TakeWideLine());

    const RunArguments run = ParseRunArguments(arguments);
    if (run.shaderDirectory.size() >= kDirectoryCapacity)
        std::abort();
    const std::wstring name =
        LogFileName(mode & 1 ? std::optional<std::wstring>(computer) : std::nullopt, time);
    if (name.rfind(L"zentoli_", 0) != 0)
        std::abort();
    return 0;
}

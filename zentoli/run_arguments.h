#pragma once
// Zentoli's command line: an optional shader directory and an optional "-1" that sends the log
// to the log file even when a directory is given.
#include <optional>
#include <string>
#include <vector>

namespace Zentoli {

// The directory is copied into a buffer of this many characters, terminator included.
inline constexpr std::size_t kDirectoryCapacity = 260;

struct RunArguments {
    std::wstring shaderDirectory; // a prefix used verbatim; empty for the current directory
    bool logToFile = true;        // false: the log goes to "nul"
};

// arguments[0] is the program. An argument 1 too long for the buffer is cut to what fits; with
// "-1", the last three characters go, and an argument of fewer than three leaves no directory.
RunArguments ParseRunArguments(const std::vector<std::wstring>& arguments);

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// zentoli_<computer>_<y>-<m>-<d>_<hh><mm>.txt. A computer name that cannot be read gives
// "unknown", so that the name stays usable.
std::wstring LogFileName(const std::optional<std::wstring>& computerName, const LocalTime& time);

} // namespace Zentoli

#pragma once
// A result document (the -json output) read back for the site summary.
#include <string>
#include <string_view>
#include <variant>

#include "machine_result.h"
#include "skipped_input.h"

namespace Velkora {

// The oldest version of the document this program reads; the newest is the one it writes.
inline constexpr int kOldestReadableSchemaVersion = 1;

// The run the document holds, or why it cannot be used. Never throws on any bytes.
std::variant<MachineResult, SkippedInput> ReadResultDocument(std::string_view bytes, std::string source);

} // namespace Velkora

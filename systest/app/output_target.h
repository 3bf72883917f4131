#pragma once
// Where a report or result document goes: a file, written whole or not at all, or standard output.
#include <cstdint>
#include <string>

namespace Velkora {

// "-" names standard output.
bool IsStandardOutputTarget(const std::wstring& target);

// A name in the target's own folder for the text to be written to first; renaming it over the
// target then never leaves half a file under the target's name. unique tells attempts apart.
std::wstring TemporaryPathBeside(const std::wstring& target, std::uint32_t unique);

} // namespace Velkora

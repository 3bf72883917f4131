#pragma once
// What "VelkoraSysTest -?" answers: the usage line, every option, the exit codes.
#include <string>

namespace Velkora {

// The usage line, every option and the exit codes: translated, the language module's text, or the
// built-in English one when that is empty (no module, or one made before the help was in it).
// Lines ended by CR LF, as standard output and a message box both show them.
std::wstring HelpText(const std::wstring& translated = {});

} // namespace Velkora

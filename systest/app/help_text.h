#pragma once
// What "VelkoraSysTest -?" answers: the usage line, every option, the exit codes.
#include <string>

namespace Velkora {

// The usage line, then body: the language module's text of the options and exit codes, or the
// built-in English one when body is empty (no module, or one made before the help was in it).
// Lines ended by CR LF, as standard output and a message box both show them.
std::wstring HelpText(const std::wstring& body = {});

} // namespace Velkora

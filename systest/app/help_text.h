#pragma once
// What "VelkoraSysTest -?" answers: the usage line, every option, the exit codes.
#include <string>

namespace Velkora {

// Lines ended by CR LF, as standard output and a message box both show them.
std::wstring HelpText();

} // namespace Velkora

#pragma once
// The facts of the report's header line, read from the system.
#include <string>

namespace Velkora {

// The computer name, empty when the system refuses it.
std::wstring ReadComputerName();
// Today's local date, "%02d.%02d.%d".
std::wstring ReadTodayText();
// The program's build date as "%02d.%02d.%02d".
std::wstring ReadBuildDate();

} // namespace Velkora

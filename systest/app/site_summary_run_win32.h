#pragma once
// -summary: no check, no window; the results of many workstations read and written as one
// overview page (and, with -csv, one table of their latest runs).
#include <windows.h>

#include "command_line.h"

namespace Velkora {

// 0 when every output was written, 5 when one could not be (a line on standard error says which).
int RunSiteSummary(HINSTANCE instance, const CommandLineOptions& options);

} // namespace Velkora

#pragma once
// The parts of a run that the command line's options for unattended checks add: the silent run,
// and the report and result document written after a run.
#include <string>

#include "app_context_win32.h"
#include "check_session_win32.h"
#include "command_line.h"
#include "system_check_suite_win32.h"

namespace Velkora {

// Writes what -report and -json ask for, after the run; false when one of them could not be
// written (standard error says which). Both are attempted.
[[nodiscard]] bool WriteRequestedOutputs(const CommandLineOptions& options, const AppContext& context,
                                         const std::wstring& languageCode, const CCheckSession& session,
                                         const CSystemCheckSuite& suite);

// The checks without any window or message box: the exit code of a silent run.
int RunSilently(const CommandLineOptions& options, AppContext& context, const std::wstring& languageCode);

} // namespace Velkora

#pragma once
// The WMI side of the operating system query, on the worker thread, and the diagnostics line
// writer. Nothing here may need runtime start-up code: the exported GetOSDisplayString runs it
// in programs that merely loaded ours.
#include "os_version_info.h"
#include "wmi_os_query.h"

namespace Velkora::Utilities {

// One wide line on the process's standard error, written through the handle itself: UTF-16 to
// a console, UTF-8 to a file or pipe. Nothing happens when there is no standard error.
class CStdErrLines final : public IDiagnosticLines {
  public:
    void WriteLine(const wchar_t* line) override;
};

// The worker body: COM in the multithreaded apartment, the query, clean-up. ok is true only
// when info was filled.
void GetWindowsVersionFromWMI(WindowsOSVersionInfo& info, bool& ok);

} // namespace Velkora::Utilities

#pragma once
// The exported operating system identification of the dialog program. Other programs load our
// executable and call GetOSDisplayString by name; then none of our start-up code has run.
#include <cstdint>

#include "os_version_info.h"

// name: 256 wide characters, code: 3. Gives 1 when the operating system was identified (both
// written), 0 otherwise (both untouched).
extern "C" __declspec(dllexport) int __stdcall GetOSDisplayString(wchar_t* name, wchar_t* code);

namespace Velkora::Utilities {

// How long a query waits for WMI from now on, in milliseconds (0xFFFFFFFF: without limit, as at
// start). A query that runs out fails; while its worker still hangs, further queries fail at once.
void SetOSQueryTimeLimit(std::uint32_t milliseconds);

// The cached record, or a fresh query on a worker thread; true on success.
[[nodiscard]] bool QueryOSVersionInfo(WindowsOSVersionInfo& info);

} // namespace Velkora::Utilities

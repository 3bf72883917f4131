#pragma once
// The process-wide record of the first successful operating system query.
#include "os_version_info.h"

namespace Velkora::Utilities {

// Runs one query of the version facts; true when the record was filled.
class IOSVersionQuery {
  public:
    [[nodiscard]] virtual bool Run(WindowsOSVersionInfo& info) = 0;

  protected:
    ~IOSVersionQuery() = default;
};

// Filled when its majorVersion is not 0; written once, never cleared. A plain aggregate so that
// a process-wide instance needs no constructor to run.
struct OSVersionCache {
    WindowsOSVersionInfo info;
};

// From the cache when it is filled; otherwise runs the query and keeps the record only when
// the query succeeded, so that a failure is asked again next time.
[[nodiscard]] bool QueryOSVersionInfo(OSVersionCache& cache, IOSVersionQuery& query,
                                      WindowsOSVersionInfo& info);

} // namespace Velkora::Utilities

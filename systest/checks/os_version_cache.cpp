#include "os_version_cache.h"

namespace Velkora::Utilities {

bool QueryOSVersionInfo(OSVersionCache& cache, IOSVersionQuery& query, WindowsOSVersionInfo& info) {
    if (cache.info.majorVersion != 0) {
        info = cache.info;
        return true;
    }
    const bool ok = query.Run(info);
    if (ok)
        cache.info = info;
    return ok;
}

} // namespace Velkora::Utilities

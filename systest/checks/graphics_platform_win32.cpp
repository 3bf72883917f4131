#include "graphics_platform_win32.h"

#include <windows.h>

#include "graphics_verbose.h"

namespace Velkora {

std::optional<WindowsVersionNumber> CWindowsVersionQuery::QueryWindowsVersion() {
    // GetVersionExW, not the version helpers: the answer is capped by the program's manifest.
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)))
        return std::nullopt;
    return WindowsVersionNumber{info.dwMajorVersion, info.dwMinorVersion};
}

CGraphicsPlatform::CGraphicsPlatform(IMessageBoxes* boxes, std::uint32_t waitLimit,
                                     std::optional<bool> verbose)
    : boxes(boxes ? *boxes : realBoxes), launcher(this->boxes, waitLimit),
      // A run with a time limit does not wait for WMI without one either.
      facts(waitLimit == CProcessLauncher::kNoTimeLimit
                ? std::nullopt
                : std::optional(std::chrono::milliseconds(waitLimit))),
      verbose(verbose) {}

GraphicsServices CGraphicsPlatform::Services() {
    return GraphicsServices{boxes, launcher, facts, files, version, verbose.value_or(IsVerboseVideo())};
}

} // namespace Velkora

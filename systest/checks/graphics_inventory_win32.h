#pragma once
// The facts of the inventory from WMI (Win32_VideoController), EnumDisplayDevicesW and the registry.
// COM must be initialised on the calling thread.
#include <chrono>
#include <memory>

#include "graphics_inventory.h"

namespace Velkora {

class CGraphicsFacts : public IGraphicsFacts {
public:
    VideoControllerQuery QueryVideoControllers() override;
    std::vector<DisplayDeviceFacts> EnumerateDisplayDevices() override;
};

// The same facts, but a WMI query that has not answered within the limit counts as failed. It
// runs on a thread of its own, with COM of its own; the display devices are read directly.
class CTimeLimitedGraphicsFacts : public IGraphicsFacts {
public:
    explicit CTimeLimitedGraphicsFacts(std::chrono::milliseconds limit) : limit(limit) {}
    VideoControllerQuery QueryVideoControllers() override;
    std::vector<DisplayDeviceFacts> EnumerateDisplayDevices() override { return facts->EnumerateDisplayDevices(); }

private:
    std::chrono::milliseconds limit;
    // Shared with a query that is still running after the caller gave up on it.
    std::shared_ptr<CGraphicsFacts> facts = std::make_shared<CGraphicsFacts>();
};

} // namespace Velkora

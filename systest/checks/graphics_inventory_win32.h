#pragma once
// The facts of the inventory from WMI (Win32_VideoController), EnumDisplayDevicesW and the registry.
// COM must be initialised on the calling thread.
#include <chrono>
#include <memory>
#include <optional>

#include "graphics_inventory.h"
#include "time_limited_call.h"

namespace Velkora {

class CGraphicsFacts : public IGraphicsFacts {
  public:
    VideoControllerQuery QueryVideoControllers() override;
    std::vector<DisplayDeviceFacts> EnumerateDisplayDevices() override;
};

// The same facts, with the WMI query on a thread of its own (with COM of its own), so that it can
// start early: it writes nothing, so it may run while the licence is shown, and it takes about as
// long as the diagnostics program. With a limit, a query that has not answered within it once the
// run asks counts as failed. The display devices are read directly.
class CBackgroundGraphicsFacts : public IGraphicsFacts {
  public:
    explicit CBackgroundGraphicsFacts(std::optional<std::chrono::milliseconds> limit) : limit(limit) {}
    // Starts the query now; the next QueryVideoControllers takes its answer.
    void Prefetch();
    VideoControllerQuery QueryVideoControllers() override;
    std::vector<DisplayDeviceFacts> EnumerateDisplayDevices() override {
        return facts->EnumerateDisplayDevices();
    }

  private:
    std::optional<std::chrono::milliseconds> limit;
    // Shared with a query that is still running after the caller gave up on it.
    std::shared_ptr<CGraphicsFacts> facts = std::make_shared<CGraphicsFacts>();
    CBackgroundCall<VideoControllerQuery> query;
};

} // namespace Velkora

#pragma once
// The facts of the inventory from WMI (Win32_VideoController), EnumDisplayDevicesW and the registry.
// COM must be initialised on the calling thread.
#include "graphics_inventory.h"

namespace Velkora {

class CGraphicsFacts : public IGraphicsFacts {
public:
    VideoControllerQuery QueryVideoControllers() override;
    std::vector<DisplayDeviceFacts> EnumerateDisplayDevices() override;
};

} // namespace Velkora

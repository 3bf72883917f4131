#pragma once
// What the dialog program knows about the adapter on the primary display.
#include <cstdint>
#include <string>

namespace Velkora {

// A four-part driver version; a part that is missing reads 0.
struct DriverVersionParts {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t build = 0;
    std::int32_t revision = 0;
    bool operator==(const DriverVersionParts&) const = default;
};

struct GraphicsAdapterInfo {
    std::wstring caption;             // empty when no adapter drives the primary display
    std::uint32_t memoryBytes = 0;    // 0 when unknown
    DriverVersionParts driverVersion; // after the registry lookup and the NVIDIA renumbering
    std::uint32_t driverDate = 0;     // yyyymmdd; 0 when absent or invalid
    std::wstring pnpDeviceId;
    bool adaptersDiffer = false; // two desktop adapters with different captions
};

} // namespace Velkora

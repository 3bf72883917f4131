// The inventory against Wine's WMI, display devices and registry. Whether Wine's display device
// matches its WMI adapter depends on the test bed (see graphics_inventory_registry.sh), so this
// checks what holds either way and prints what was found.
#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>

#include "com_objects_win32.h"
#include "graphics_inventory_win32.h"

namespace Velkora {
namespace {

TEST(InventoryUnderWine, WmiAndDisplayDevicesAnswer) {
    CComInitializer com;
    ASSERT_TRUE(com.Succeeded());
    CGraphicsFacts facts;
    VideoControllerQuery query = facts.QueryVideoControllers();
    ASSERT_TRUE(query.succeeded);
    ASSERT_FALSE(query.controllers.empty());
    for (const VideoControllerFacts& c : query.controllers) {
        EXPECT_EQ(c.driverVersion.kind, WmiValue::Kind::kText);
        EXPECT_EQ(c.caption.kind, WmiValue::Kind::kText);
        EXPECT_EQ(c.driverDate.kind, WmiValue::Kind::kText);
        EXPECT_TRUE(c.adapterRam.number.has_value());
        std::wcout << L"controller: " << c.pnpDeviceId.text << L" | " << c.caption.text << L" | "
                   << c.driverVersion.text << L" | " << c.adapterRam.number.value_or(0) << L" | "
                   << c.driverDate.text << std::endl;
    }
    std::vector<DisplayDeviceFacts> devices = facts.EnumerateDisplayDevices();
    bool primary = false;
    for (const DisplayDeviceFacts& d : devices) {
        primary = primary || (d.stateFlags & kDisplayPrimaryDevice);
        std::wcout << L"device: " << std::hex << d.stateFlags << std::dec << L" | " << d.deviceId << L" | "
                   << d.deviceKey << L" | key " << d.keyOpened << std::endl;
    }
    EXPECT_TRUE(primary);

    GraphicsAdapterInfo info;
    EXPECT_EQ(CollectGraphicsAdapterInfo(info, facts, nullptr), 0);
    std::wcout << L"record: '" << info.caption << L"' " << info.memoryBytes << L" bytes, driver "
               << info.driverVersion.major << L"." << info.driverVersion.minor << L"."
               << info.driverVersion.build << L"." << info.driverVersion.revision << L", date "
               << info.driverDate << std::endl;
    if (!info.caption.empty()) {
        EXPECT_FALSE(info.pnpDeviceId.empty());
        EXPECT_NE(info.memoryBytes, 0u);
    }
}

} // namespace
} // namespace Velkora

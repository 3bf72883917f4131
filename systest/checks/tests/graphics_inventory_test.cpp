#include "graphics_inventory.h"

#include <gtest/gtest.h>

#include <cwctype>

#include "graphics_fakes.h"

namespace Velkora {
namespace {

constexpr std::uint32_t kPrimary = kDisplayAttachedToDesktop | kDisplayPrimaryDevice;
constexpr std::uint32_t kSecondary = kDisplayAttachedToDesktop;
const std::wstring kNvPnp = L"PCI\\VEN_10DE&DEV_1B80&SUBSYS_00000000&REV_A1\\4&1";
const std::wstring kNvId = L"PCI\\VEN_10DE&DEV_1B80&SUBSYS_00000000&REV_A1";
const std::wstring kAmdPnp = L"PCI\\VEN_1002&DEV_67DF&SUBSYS_00000000&REV_E7\\4&2";
const std::wstring kAmdId = L"PCI\\VEN_1002&DEV_67DF&SUBSYS_00000000&REV_E7";

DisplayDeviceFacts WithRegistry(DisplayDeviceFacts d, std::optional<std::wstring> driverVersion,
                                std::optional<std::wstring> releaseVersion = std::nullopt) {
    d.keyOpened = true;
    d.driverVersion = std::move(driverVersion);
    d.releaseVersion = std::move(releaseVersion);
    return d;
}

struct Collected {
    std::int32_t result;
    GraphicsAdapterInfo info;
};

Collected Collect(FakeGraphicsFacts& facts, GraphicsAdapterInfo info = {}) {
    std::int32_t r = CollectGraphicsAdapterInfo(info, facts, nullptr);
    return {r, info};
}

TEST(CollectGraphicsAdapterInfo, PrimaryAdapterFromWmiAndRenumberedForNvidia) {
    FakeGraphicsFacts facts;
    facts.query.controllers = {Controller(kNvPnp, L"NVIDIA GeForce GTX 1080", L"23.21.13.8813", 4294967295u,
                                          L"20171110000000.000000-000")};
    facts.devices = {Device(kPrimary, kNvId)};
    Collected c = Collect(facts);
    EXPECT_EQ(c.result, 0);
    EXPECT_EQ(c.info.caption, L"NVIDIA GeForce GTX 1080");
    EXPECT_EQ(c.info.driverVersion, (DriverVersionParts{388, 13, 0, 0}));
    EXPECT_EQ(c.info.memoryBytes, 4294967295u);
    EXPECT_EQ(c.info.memoryBytes >> 20, 4095u);
    EXPECT_EQ(c.info.driverDate, 20171110u);
    EXPECT_EQ(c.info.pnpDeviceId, kNvPnp);
    EXPECT_FALSE(c.info.adaptersDiffer);
}

struct VersionSourceCase {
    const char* name;
    DisplayDeviceFacts device;
    const wchar_t* caption;
    DriverVersionParts expected;
};

class DriverVersionSourceTest : public testing::TestWithParam<VersionSourceCase> {};

TEST_P(DriverVersionSourceTest, RegistryReplacesWmiWhenReadable) {
    FakeGraphicsFacts facts;
    facts.query.controllers = {Controller(kAmdPnp, GetParam().caption, L"27.20.100.8681-x")};
    facts.devices = {GetParam().device};
    Collected c = Collect(facts);
    EXPECT_EQ(c.result, 0);
    EXPECT_EQ(c.info.driverVersion, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, DriverVersionSourceTest,
    testing::Values(VersionSourceCase{"NoKey", Device(kPrimary, kAmdId), L"AMD", {27, 20, 100, 8681}},
                    VersionSourceCase{"Registry",
                                      WithRegistry(Device(kPrimary, kAmdId), L"23.21.13.8813"),
                                      L"AMD",
                                      {23, 210, 13, 8813}},
                    VersionSourceCase{"RegistryNvidia",
                                      WithRegistry(Device(kPrimary, kAmdId), L"23.21.13.8813"),
                                      L"NVIDIA X",
                                      {388, 13, 0, 0}},
                    VersionSourceCase{"ReleaseWhenDriverEmpty",
                                      WithRegistry(Device(kPrimary, kAmdId), L"", L"1.2.3.4"),
                                      L"AMD",
                                      {1, 20, 3, 4}},
                    VersionSourceCase{"ReleaseWhenDriverUnread",
                                      WithRegistry(Device(kPrimary, kAmdId), std::nullopt, L"1.2.3.4"),
                                      L"AMD",
                                      {1, 20, 3, 4}},
                    VersionSourceCase{"BothUnreadKeepsWmi",
                                      WithRegistry(Device(kPrimary, kAmdId), std::nullopt),
                                      L"AMD",
                                      {27, 20, 100, 8681}},
                    VersionSourceCase{"EmptyTextsGiveZeros",
                                      WithRegistry(Device(kPrimary, kAmdId), L"", L""),
                                      L"AMD",
                                      {0, 0, 0, 0}},
                    VersionSourceCase{"EmptyDeviceIdMatchesAny",
                                      WithRegistry(Device(kPrimary, L""), L"5.6.7.8"),
                                      L"AMD",
                                      {5, 60, 7, 8}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CollectGraphicsAdapterInfo, PrimaryAdapterSecondInOrder) {
    FakeGraphicsFacts facts;
    facts.query.controllers = {Controller(kAmdPnp, L"AMD Radeon RX 580", L"1.2.3.4"),
                               Controller(kNvPnp, L"NVIDIA GeForce GTX 1080")};
    facts.devices = {Device(kSecondary, kAmdId), Device(kPrimary, kNvId)};
    Collected c = Collect(facts);
    EXPECT_EQ(c.result, 0);
    EXPECT_EQ(c.info.caption, L"NVIDIA GeForce GTX 1080");
    EXPECT_EQ(c.info.pnpDeviceId, kNvPnp);
    EXPECT_TRUE(c.info.adaptersDiffer);
}

TEST(CollectGraphicsAdapterInfo, TwoIdenticalAdaptersDoNotDiffer) {
    const std::wstring otherPnp = kNvId + L"\\4&9";
    FakeGraphicsFacts facts;
    facts.query.controllers = {Controller(kNvPnp, L"NVIDIA GeForce GTX 1080"),
                               Controller(otherPnp, L"NVIDIA GeForce GTX 1080")};
    // Both devices share the model's ID: each adapter matches both, and the last examined decides primary.
    facts.devices = {Device(kPrimary, kNvId), Device(kSecondary, kNvId)};
    Collected c = Collect(facts);
    EXPECT_EQ(c.result, 0);
    EXPECT_FALSE(c.info.adaptersDiffer);
}

TEST(CollectGraphicsAdapterInfo, CaptionsDifferingOnlyInCaseDiffer) {
    FakeGraphicsFacts facts;
    facts.query.controllers = {Controller(kNvPnp, L"NVIDIA GeForce"), Controller(kAmdPnp, L"nvidia geforce")};
    facts.devices = {Device(kPrimary, kNvId), Device(kSecondary, kAmdId)};
    EXPECT_TRUE(Collect(facts).info.adaptersDiffer);
}

TEST(CollectGraphicsAdapterInfo, AdapterWithoutDesktopDeviceStillEndsWithMinusTwo) {
    FakeGraphicsFacts facts;
    VideoControllerFacts headless = Controller(kAmdPnp, L"AMD FirePro");
    headless.driverVersion = WmiValue::Null();
    facts.query.controllers = {Controller(kNvPnp, L"NVIDIA GeForce GTX 1080"), headless};
    facts.devices = {Device(kPrimary, kNvId)};
    Collected c = Collect(facts);
    EXPECT_EQ(c.result, -2);
    // What the first adapter stored stays, without the NVIDIA renumbering.
    EXPECT_EQ(c.info.caption, L"NVIDIA GeForce GTX 1080");
    EXPECT_EQ(c.info.driverVersion, (DriverVersionParts{23, 21, 13, 8813}));
}

TEST(CollectGraphicsAdapterInfo, NoDesktopDeviceLeavesEarlierVersionDateAndId) {
    FakeGraphicsFacts facts;
    facts.query.controllers = {Controller(kNvPnp, L"NVIDIA GeForce GTX 1080")};
    facts.devices = {Device(kPrimary, kAmdId), Device(kDisplayPrimaryDevice, kNvId),
                     Device(kPrimary | kDisplayMirroringDriver, kNvId), Device(kPrimary, kNvId, L"")};
    GraphicsAdapterInfo earlier{L"old", 123, {1, 2, 3, 4}, 20180101, L"old-pnp", true};
    Collected c = Collect(facts, earlier);
    EXPECT_EQ(c.result, 0);
    EXPECT_EQ(c.info.caption, L"");
    EXPECT_EQ(c.info.memoryBytes, 0u);
    EXPECT_FALSE(c.info.adaptersDiffer);
    EXPECT_EQ(c.info.driverVersion, (DriverVersionParts{1, 2, 3, 4}));
    EXPECT_EQ(c.info.driverDate, 20180101u);
    EXPECT_EQ(c.info.pnpDeviceId, L"old-pnp");
}

TEST(CollectGraphicsAdapterInfo, DeviceIdIsAnExactPrefix) {
    FakeGraphicsFacts facts;
    facts.query.controllers = {Controller(L"PCI\\VEN_10DE", L"short id"),
                               Controller(kNvPnp, L"lower case id")};
    std::wstring lower = kNvId;
    for (wchar_t& ch : lower)
        ch = static_cast<wchar_t>(std::towlower(ch));
    facts.devices = {Device(kPrimary, kNvId), Device(kPrimary, lower)};
    EXPECT_EQ(Collect(facts).info.caption, L"lower case id"); // matched by the first device only
    facts.devices = {Device(kPrimary, lower)};
    EXPECT_EQ(Collect(facts).info.caption, L"");
}

TEST(CollectGraphicsAdapterInfo, OnlyTheFirstTenControllersAreExamined) {
    FakeGraphicsFacts facts;
    for (int i = 0; i < 10; ++i)
        facts.query.controllers.push_back(Controller(L"ROOT\\OTHER\\" + std::to_wstring(i), L"x"));
    facts.query.controllers.push_back(Controller(kNvPnp, L"NVIDIA eleventh"));
    facts.devices = {Device(kPrimary, kNvId)};
    EXPECT_EQ(Collect(facts).info.caption, L"");
    facts.query.controllers.erase(facts.query.controllers.begin());
    EXPECT_EQ(Collect(facts).info.caption, L"NVIDIA eleventh");
}

struct FailureCase {
    const char* name;
    void (*spoil)(VideoControllerFacts&);
    std::int32_t result;
    std::uint32_t memory;
    std::uint32_t date;
};

class InventoryFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(InventoryFailureTest, PropertyOfTheMatchedAdapter) {
    FakeGraphicsFacts facts;
    VideoControllerFacts controller = Controller(kNvPnp, L"NVIDIA GeForce GTX 1080");
    GetParam().spoil(controller);
    facts.query.controllers = {controller};
    facts.devices = {Device(kPrimary, kNvId)};
    Collected c = Collect(facts);
    EXPECT_EQ(c.result, GetParam().result);
    if (c.result == 0) {
        EXPECT_EQ(c.info.memoryBytes, GetParam().memory);
        EXPECT_EQ(c.info.driverDate, GetParam().date);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Properties, InventoryFailureTest,
    testing::Values(
        FailureCase{"DriverVersionUnreadable", [](VideoControllerFacts& f) { f.driverVersion = {}; }, -2, 0,
                    0},
        FailureCase{"DriverVersionNumber",
                    [](VideoControllerFacts& f) { f.driverVersion = WmiValue::Number(5); }, -2, 0, 0},
        FailureCase{"CaptionNull", [](VideoControllerFacts& f) { f.caption = WmiValue::Null(); }, -1, 0, 0},
        FailureCase{"AdapterRamUnreadable", [](VideoControllerFacts& f) { f.adapterRam = {}; }, -3, 0, 0},
        FailureCase{"AdapterRamNotANumber",
                    [](VideoControllerFacts& f) { f.adapterRam = WmiValue::Text(L"x"); }, -3, 0, 0},
        FailureCase{"AdapterRamNull", [](VideoControllerFacts& f) { f.adapterRam = WmiValue::Null(); }, 0, 0,
                    20171110},
        FailureCase{"DriverDateNull", [](VideoControllerFacts& f) { f.driverDate = WmiValue::Null(); }, -4, 0,
                    0},
        FailureCase{
            "DriverDate1999",
            [](VideoControllerFacts& f) { f.driverDate = WmiValue::Text(L"19991231000000.000000-000"); }, 0,
            1u << 30, 0},
        FailureCase{"DriverDateShort",
                    [](VideoControllerFacts& f) { f.driverDate = WmiValue::Text(L"2017"); }, 0, 1u << 30, 0},
        FailureCase{"PnpNotTextMatchesOnlyEmptyIds",
                    [](VideoControllerFacts& f) { f.pnpDeviceId = WmiValue::Null(); }, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CollectGraphicsAdapterInfo, WmiUnreachable) {
    FakeGraphicsFacts facts;
    facts.query.succeeded = false;
    GraphicsAdapterInfo info{L"old", 5, {}, 0, L"", true};
    EXPECT_EQ(CollectGraphicsAdapterInfo(info, facts, nullptr), -1);
    EXPECT_EQ(info.caption, L"");
    EXPECT_EQ(info.memoryBytes, 0u);
    EXPECT_FALSE(info.adaptersDiffer);
}

TEST(CollectGraphicsAdapterInfo, VerboseShowsTheFinalVersionOnlyWhenDone) {
    FakeGraphicsFacts facts;
    facts.query.controllers = {Controller(kNvPnp, L"NVIDIA GeForce GTX 1080")};
    facts.devices = {Device(kPrimary, kNvId)};
    FakeMessageBoxes boxes;
    GraphicsAdapterInfo info;
    EXPECT_EQ(CollectGraphicsAdapterInfo(info, facts, &boxes), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0],
              (ShownBox{L"Version: 388.13.0.0", L"Version", false, MessageBoxStyle::kInformation}));

    facts.query.controllers[0].driverVersion = {};
    boxes.shown.clear();
    EXPECT_EQ(CollectGraphicsAdapterInfo(info, facts, &boxes), -2);
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace Velkora

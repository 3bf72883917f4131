#include "adapter_table.h"

#include <gtest/gtest.h>

#include "fake_adapter_platform.h"

namespace Zentoli {
namespace {

const wchar_t* const kNvPnp = L"PCI\\VEN_10DE&DEV_1B80&SUBSYS_11111111&REV_A1\\4&2A2D2B&0&0008";
const wchar_t* const kNvId = L"PCI\\VEN_10DE&DEV_1B80&SUBSYS_11111111&REV_A1";
const wchar_t* const kKey0 = L"System\\CurrentControlSet\\Control\\Video\\{g}\\0000";

struct VersionCase {
    const wchar_t* text;
    DriverVersion version;
};

class VersionText : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionText, FollowsTheRule) {
    EXPECT_EQ(ParseVersionText(GetParam().text), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, VersionText,
    testing::Values(VersionCase{L"23.21.13.8813", {23, 21, 13, 8813}},
                    VersionCase{L"516.59", {516, 59, 0, 0}}, VersionCase{L"8.17.12-9573", {8, 17, 12, 9573}},
                    VersionCase{L"..1...2", {1, 2, 0, 0}}, VersionCase{L"1.2.3.4.5.6", {1, 2, 3, 4}},
                    VersionCase{L"a.7b.-.x", {0, 7, 0, 0}}, VersionCase{L"", {0, 0, 0, 0}},
                    VersionCase{L"99999999999.1", {2147483647, 1, 0, 0}}));

TEST(AdapterTable, DriverDateIsTheFirstEightCharactersAllDigits) {
    struct {
        const wchar_t* text;
        std::uint32_t date;
    } cases[] = {
        {L"20170712000000.000000-000", 20170712u},
        {L"20170712", 20170712u},
        {L"2017071", 0u},
        // A sign or a blank is no date: "-0000001" read as a number would pass every date check.
        {L"-0000001", 0u},
        {L"-0000001000000.000000-000", 0u},
        {L" +201711", 0u},
        {L"+20171110", 0u},
        {L" 20171110", 0u},
        {L"2017071x", 0u},
        {L"2017 712", 0u},
        {L"00000000", 0u},
        {L"99999999", 99999999u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDriverDate(c.text), c.date) << std::wstring(c.text).size();
    EXPECT_EQ(DriverKeyPath(L"\\Registry\\Machine\\System\\X"), L"System\\X");
    EXPECT_EQ(DriverKeyPath(L"\\REGISTRY\\Machine\\System\\X"), L"\\REGISTRY\\Machine\\System\\X");
}

TEST(EnumerateAdapters, FailuresBeforeAnyAdapterGiveMinusOne) {
    CFakeAdapterPlatform platform;
    AdapterTable table;
    platform.queryWorks = false;
    EXPECT_EQ(EnumerateAdapters(table, platform), -1);
    platform.queryWorks = true; // and no object comes back
    EXPECT_EQ(EnumerateAdapters(table, platform), -1);
}

TEST(EnumerateAdapters, UnmatchedAdaptersGiveZeroOrMinusOneAfterAReadError) {
    CFakeAdapterPlatform platform;
    platform.controllers.push_back({L"Wine Card", 0xFFF00000u, L"20220118000000.000000-000",
                                    L"30.0.14023.3004", L"PCI\\VEN_10DE&DEV_06CD\\0", false});
    platform.devices.push_back({L"PCI\\VEN_0000&DEV_0000", L"\\Registry\\Machine\\K", true, false});
    AdapterTable table;
    EXPECT_EQ(EnumerateAdapters(table, platform), 0);
    EXPECT_EQ(table.slots[0].caption, L"wine card");
    EXPECT_EQ(table.slots[0].memoryMb, 4095u);
    EXPECT_FALSE(table.slots[0].active);
    platform.controllers[0].readFailed = true;
    AdapterTable again;
    EXPECT_EQ(EnumerateAdapters(again, platform), -1);
}

TEST(EnumerateAdapters, RegistryDriverVersionReplacesWmisAndIsRenumberedForNvidia) {
    CFakeAdapterPlatform platform;
    platform.AddActive(L"NVIDIA GeForce GTX 1080", 0xFFF00000u, L"20171023000000.000000-000", L"1.2.3.4",
                       kNvPnp, kNvId);
    platform.driverKeys[kKey0] = {L"23.21.13.8813", L"388.13"};
    AdapterTable table;
    EXPECT_EQ(EnumerateAdapters(table, platform), 1);
    const AdapterSlot& slot = table.slots[0];
    EXPECT_TRUE(slot.active);
    EXPECT_EQ(slot.driverVersion, (DriverVersion{388, 13, 0, 0}));
    EXPECT_EQ(slot.driverDate, 20171023u);
    EXPECT_EQ(slot.pnpDeviceId, L"pci\\ven_10de&dev_1b80&subsys_11111111&rev_a1\\4&2a2d2b&0&0008");
    EXPECT_EQ(platform.openedKeys, std::vector<std::wstring>{kKey0});
}

struct RegistryCase {
    std::optional<DriverKeyValues> values;
    const wchar_t* caption;
    DriverVersion version;
};

class RegistryVersion : public testing::TestWithParam<RegistryCase> {};

TEST_P(RegistryVersion, DecidesTheVersion) {
    const RegistryCase& c = GetParam();
    CFakeAdapterPlatform platform;
    platform.AddActive(c.caption, 1u << 30, L"20200101", L"26.20.100.7000", kNvPnp, kNvId);
    if (c.values)
        platform.driverKeys[kKey0] = *c.values;
    AdapterTable table;
    ASSERT_EQ(EnumerateAdapters(table, platform), 1);
    EXPECT_EQ(table.slots[0].driverVersion, c.version);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RegistryVersion,
    testing::Values(
        // The key cannot be opened: WMI's version stays (and is renumbered for NVIDIA).
        RegistryCase{std::nullopt, L"Intel(R) UHD Graphics 630", {26, 20, 100, 7000}},
        RegistryCase{std::nullopt, L"NVIDIA Quadro P2000", {70, 0, 0, 0}},
        RegistryCase{
            DriverKeyValues{L"", L"27.20.100.8681"}, L"Intel(R) UHD Graphics 630", {27, 20, 100, 8681}},
        RegistryCase{DriverKeyValues{L"", L""}, L"Radeon Pro WX 5100", {26, 20, 100, 7000}},
        RegistryCase{DriverKeyValues{L"31.0.15.1659", L"516.59"}, L"nvidia rtx a2000", {516, 59, 0, 0}},
        // Registry texts are read into 99 characters: what lies beyond is never seen.
        RegistryCase{DriverKeyValues{std::wstring(97, L'.') + L"1.2.3", L""}, L"AMD", {1, 0, 0, 0}}));

TEST(EnumerateAdapters, OnlyAttachedNonMirroringDevicesWithAKeyAndAnIdMatch) {
    CFakeAdapterPlatform platform;
    platform.controllers.push_back({L"NVIDIA A", 1u << 30, L"20200101", L"1.2.3.4", kNvPnp, false});
    const std::wstring key = std::wstring(L"\\Registry\\Machine\\") + kKey0;
    platform.devices = {{kNvId, key, false, false},
                        {kNvId, key, true, true},
                        {kNvId, L"", true, false},
                        {L"", key, true, false}};
    AdapterTable table;
    EXPECT_EQ(EnumerateAdapters(table, platform), 0);
    platform.devices.push_back({L"pci\\ven_10de&dev_1b80", key, true, false});
    EXPECT_EQ(EnumerateAdapters(table, platform), 1);
    platform.enumDisplayDevicesFound = false;
    AdapterTable none;
    EXPECT_EQ(EnumerateAdapters(none, platform), 0);
}

TEST(EnumerateAdapters, MissingOrMistypedPropertiesLeaveTheFieldsEmpty) {
    CFakeAdapterPlatform platform;
    platform.controllers.push_back({std::nullopt, std::nullopt, L"2017", std::nullopt, kNvPnp, false});
    platform.devices.push_back({kNvId, L"\\Registry\\Machine\\K", true, false});
    AdapterTable table;
    EXPECT_EQ(EnumerateAdapters(table, platform), 1);
    EXPECT_EQ(table.slots[0].caption, L"");
    EXPECT_EQ(table.slots[0].memoryMb, 0u);
    EXPECT_EQ(table.slots[0].driverDate, 0u);
    EXPECT_EQ(table.slots[0].driverVersion, (DriverVersion{0, 0, 0, 0}));
}

TEST(EnumerateAdapters, LongTextsAreCutAndAtMostTenSlotsAreFilled) {
    CFakeAdapterPlatform platform;
    std::wstring longId = std::wstring(kNvId) + std::wstring(1000, L'X');
    for (int i = 0; i < 12; ++i)
        platform.controllers.push_back(
            {std::wstring(5000, L'N'), 1u << 30, L"20200101", L"1", longId, false});
    platform.devices.push_back({kNvId, L"K", true, false});
    AdapterTable table;
    EXPECT_EQ(EnumerateAdapters(table, platform), 10);
    EXPECT_EQ(table.slots[9].caption, std::wstring(255, L'n'));
    EXPECT_EQ(table.slots[9].pnpDeviceId.size(), 255u);
}

} // namespace
} // namespace Zentoli

#include "graphics_driver_version.h"

#include <gtest/gtest.h>

#include "graphics_inventory.h"
#include "graphics_verbose.h"

namespace Velkora {
namespace {

struct VersionCase {
    const wchar_t* text;
    bool fromRegistry;
    bool ok;
    DriverVersionParts expected;
};

class ParseDriverVersionTest : public testing::TestWithParam<VersionCase> {};

TEST_P(ParseDriverVersionTest, SplitsIntoFourParts) {
    const VersionCase& c = GetParam();
    DriverVersionParts v{9, 9, 9, 9};
    EXPECT_EQ(ParseDriverVersion(c.text, c.fromRegistry, v), c.ok);
    EXPECT_EQ(v, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseDriverVersionTest,
    testing::Values(VersionCase{L"23.21.13.8813", false, true, {23, 21, 13, 8813}},
                    VersionCase{L"23.21.13.8813", true, true, {23, 210, 13, 8813}},
                    VersionCase{L"388.13.", false, true, {388, 13, 0, 0}},
                    VersionCase{L"27.20.100.8681-x", false, true, {27, 20, 100, 8681}},
                    VersionCase{L"1.2.3", false, true, {1, 2, 0, 0}},
                    VersionCase{L"31.100.15.1659", true, true, {31, 100, 15, 1659}}, // 100 is not below 100
                    VersionCase{L"8.99.1.2", true, true, {8, 990, 1, 2}},
                    VersionCase{L"516-59-0-0", false, true, {516, 59, 0, 0}},
                    VersionCase{L" 7. +8.x.9z", false, true, {7, 8, 0, 9}},
                    // Failures keep what was read before them.
                    VersionCase{L"", false, false, {}}, VersionCase{L"388", false, false, {}},
                    VersionCase{L"388.", false, false, {388, 0, 0, 0}},
                    VersionCase{L"516.59", true, false, {516, 0, 0, 0}},
                    // Too large for 32 bits: the largest value, not an overflow.
                    VersionCase{L"99999999999.1.2.3", false, true, {2147483647, 1, 2, 3}}));

struct DateCase {
    const wchar_t* text;
    bool ok;
    std::uint32_t value;
};

class ParseDriverDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(ParseDriverDateTest, AcceptsOnlyYyyymmdd) {
    std::uint32_t value = 77;
    EXPECT_EQ(ParseDriverDate(GetParam().text, value), GetParam().ok);
    EXPECT_EQ(value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseDriverDateTest,
    testing::Values(DateCase{L"20171110", true, 20171110}, DateCase{L"19991231", false, 0},
                    DateCase{L"20000101", true, 20000101}, DateCase{L"30001231", true, 30001231},
                    DateCase{L"30010101", false, 0}, DateCase{L"20170231", true, 20170231},
                    DateCase{L"20171301", false, 0}, DateCase{L"20170001", false, 0},
                    DateCase{L"20170100", false, 0}, DateCase{L"20170132", false, 0},
                    DateCase{L"2017-1-1", false, 0}, DateCase{L"201701", false, 0},
                    DateCase{L"201701011", false, 0}, DateCase{L"", false, 0},
                    DateCase{L"-0000001", false, 0}, DateCase{L" +201711", false, 0},
                    DateCase{L"+2017111", false, 0}, DateCase{L" 2017111", false, 0},
                    DateCase{L"2017111 ", false, 0}, DateCase{L"2017111\n", false, 0}));

TEST(RenumberNvidiaVersion, OnlyCaptionsNamingNvidiaInAnyCase) {
    struct {
        const wchar_t* caption;
        DriverVersionParts expected;
    } cases[] = {{L"NVIDIA GeForce GTX 1080", {388, 13, 0, 0}},
                 {L"Quadro by nVidia", {388, 13, 0, 0}},
                 {L"AMD Radeon RX 580", {23, 21, 13, 8813}},
                 {L"", {23, 21, 13, 8813}}};
    for (const auto& c : cases) {
        DriverVersionParts v{23, 21, 13, 8813};
        RenumberNvidiaVersion(c.caption, v);
        EXPECT_EQ(v, c.expected) << testing::PrintToString(std::wstring(c.caption));
    }
}

TEST(IsVerboseVideo, PlainCaseSensitiveSubstringOfTheWholeCommandLine) {
    EXPECT_TRUE(IsVerboseVideoCommandLine(L"VelkoraSysTest.exe -verbosevideo"));
    EXPECT_TRUE(IsVerboseVideoCommandLine(L"\"C:\\x-verbosevideo\\VelkoraSysTest.exe\""));
    EXPECT_TRUE(IsVerboseVideoCommandLine(L"a.exe -verbosevideos"));
    EXPECT_FALSE(IsVerboseVideoCommandLine(L"a.exe -VerboseVideo"));
    EXPECT_FALSE(IsVerboseVideoCommandLine(L"a.exe /verbosevideo"));
    EXPECT_FALSE(IsVerboseVideoCommandLine(L""));
}

TEST(DisplayDeviceRegistry, KeyPathBelowTheMachineAndTextCutTo99Units) {
    EXPECT_EQ(DisplayDeviceRegistryPath(L"\\Registry\\Machine\\System\\Video\\{x}\\0000"),
              L"System\\Video\\{x}\\0000");
    EXPECT_EQ(DisplayDeviceRegistryPath(L"\\REGISTRY\\Machine\\System"), L"\\REGISTRY\\Machine\\System");
    EXPECT_EQ(DisplayDeviceRegistryPath(L"System\\Video"), L"System\\Video");

    EXPECT_EQ(RegistryBufferText(std::wstring(L"31.0.15.1659\0garbage", 20)), L"31.0.15.1659");
    EXPECT_EQ(RegistryBufferText(std::wstring(100, L'7')), std::wstring(99, L'7'));
    EXPECT_EQ(RegistryBufferText(L""), L"");
}

} // namespace
} // namespace Velkora

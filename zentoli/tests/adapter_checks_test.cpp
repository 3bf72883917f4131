#include "adapter_checks.h"

#include <gtest/gtest.h>

#include "fake_adapter_platform.h"
#include "log_text.h"
#include "nvidia_version.h"
#include "string_log_sink.h"

namespace Zentoli {
namespace {

struct Adapter {
    const wchar_t* caption;
    std::uint32_t ramBytes;
    bool active;
    const wchar_t* date = L"20180101000000.000000-000";
};

struct AdapterCase {
    const char* name;
    std::vector<Adapter> adapters;
    bool allowMultiGpu;
    int result;
    const char* log;
};

DiagSettings Defaults() {
    DiagSettings s;
    s.allowIntel = s.allowNvidia = s.allowAmd = s.skipRemoteCheck = true;
    s.requiredDriverDate = 20111219;
    s.nvGl42DriverDate = 20130529;
    s.amdGl42DriverDate = 20140520;
    s.intelGl42DriverDate = 20160331;
    return s;
}

void Install(CFakeAdapterPlatform& platform, const std::vector<Adapter>& adapters) {
    int n = 0;
    for (const Adapter& a : adapters) {
        std::wstring id = L"PCI\\VEN_" + std::to_wstring(1000 + n++);
        platform.controllers.push_back({a.caption, a.ramBytes, a.date, L"1.2.3.4", id + L"\\0", false});
        if (a.active)
            platform.devices.push_back({id, L"\\Registry\\Machine\\K", true, false});
    }
}

class CheckAdaptersRows : public testing::TestWithParam<AdapterCase> {};

TEST_P(CheckAdaptersRows, GiveResultAndLog) {
    const AdapterCase& c = GetParam();
    CFakeAdapterPlatform platform;
    Install(platform, c.adapters);
    DiagSettings settings = Defaults();
    settings.allowMultiGpu = c.allowMultiGpu;
    CStringLogSink sink;
    CDiagLog log(sink);
    AdapterTable table;
    EXPECT_EQ(CheckAdapters(table, platform, settings, log), c.result);
    EXPECT_EQ(sink.text, Crlf(c.log));
}

constexpr std::uint32_t MB = 1u << 20;

INSTANTIATE_TEST_SUITE_P(
    Table, CheckAdaptersRows,
    testing::Values(
        AdapterCase{
            "None", {{L"Wine Card", 512 * MB, false}}, false, -1, "0 active video adapters were found.\n"},
        AdapterCase{
            "DifferentNoMultiGpu",
            {{L"Intel(R) HD Graphics 630", 1024 * MB, true}, {L"NVIDIA Quadro P1000", 4096 * MB - MB, true}},
            false,
            -2,
            "2 active video adapters were found.\ncaption: intel(r) hd graphics 630 \n"
            "Error! The adapters are not identical !\n"},
        AdapterCase{
            "DifferentMultiGpu",
            {{L"NVIDIA Quadro P1000", 2048 * MB, true}, {L"Intel(R) HD Graphics 630", 128 * MB, true}},
            true,
            1,
            "2 active video adapters were found.\ncaption: nvidia quadro p1000 \nMemory size: 2048 MB\n"},
        AdapterCase{"IdenticalFirstDecides",
                    {{L"Radeon Pro WX 7100", 999 * MB, true}, {L"RADEON PRO WX 7100", 8000 * MB, true}},
                    false,
                    -3,
                    "2 active video adapters were found.\ncaption: radeon pro wx 7100 \nMemory size: 999 MB\n"
                    "Error! The memory is less than 1 GB !\n"},
        AdapterCase{"InactiveSlotBeforeActive",
                    {{L"Intel(R) UHD Graphics", 0, false}, {L"NVIDIA T1000", 1048576000u, true}},
                    false,
                    1,
                    "1 active video adapters were found.\ncaption: nvidia t1000 \nMemory size: 1000 MB\n"},
        AdapterCase{"Memory999",
                    {{L"NVIDIA T400", 1047527424u, true}},
                    false,
                    -3,
                    "1 active video adapters were found.\ncaption: nvidia t400 \nMemory size: 999 MB\n"
                    "Error! The memory is less than 1 GB !\n"},
        AdapterCase{
            "MemoryAbove2Pow31",
            {{L"NVIDIA RTX A4000", 4293918720u, true}},
            false,
            1,
            "1 active video adapters were found.\ncaption: nvidia rtx a4000 \nMemory size: 4095 MB\n"},
        AdapterCase{"SingleIntel",
                    {{L"Intel(R) UHD Graphics 620", 128 * MB, true}, {L"NVIDIA MX150", 0, false}},
                    false,
                    0,
                    "1 active video adapters were found.\ncaption: intel(r) uhd graphics 620 \n"},
        AdapterCase{
            "TwoIntelAreNotSingle",
            {{L"Intel(R) UHD Graphics 620", 128 * MB, true}, {L"Intel(R) UHD Graphics 620", 128 * MB, true}},
            false,
            -3,
            "2 active video adapters were found.\ncaption: intel(r) uhd graphics 620 \nMemory size: 128 MB\n"
            "Error! The memory is less than 1 GB !\n"}),
    [](const testing::TestParamInfo<AdapterCase>& info) { return info.param.name; });

struct DateCase {
    const char* name;
    const wchar_t* caption;
    const wchar_t* date;
    bool gl42;
    GlVendor vendor;
    std::int32_t requiredDate;
    int result;
    const char* tail; // the lines after the "Check ..." line
};

class CheckDriverDateRows : public testing::TestWithParam<DateCase> {};

TEST_P(CheckDriverDateRows, GiveVerdictAndLog) {
    const DateCase& c = GetParam();
    CFakeAdapterPlatform platform;
    Install(platform, {{c.caption, 2048 * MB, true, c.date}});
    AdapterTable table;
    ASSERT_EQ(EnumerateAdapters(table, platform), 1);
    DiagSettings settings = Defaults();
    settings.requiredDriverDate = c.requiredDate;
    CStringLogSink sink;
    CDiagLog log(sink);
    // The exit code as the checker reads it.
    EXPECT_EQ(Velkora::ExitCodeOf(CheckDriverDate(table, c.gl42, c.vendor, settings, log)), c.result);
    const AdapterSlot& slot = table.slots[0];
    std::string head =
        NarrowForLog(L"Check " + slot.caption + L" (" + slot.pnpDeviceId + L") driver version: ") +
        (Velkora::CaptionNamesNvidia(std::wstring_view(slot.caption)) ? "300.4.0.0" : "1.2.3.4") +
        "  date: " + std::to_string(slot.driverDate) + "...\n\n";
    EXPECT_EQ(sink.text, Crlf(head + c.tail));
}

const char* const kIntelLines =
    "Check driver date for Intel OpenGL 4.2 support (required min: 20160331)\n"
    "temporarily disabled OpenGL 4.2 on Intel, because of driver issues with atomic "
    "counters\nThe driver is old ! \n";
const char* const kIntelRefused =
    "Not supported GPU or old driver! Allow Intel GPU with min. OpenGL 4.2 and driver date 20160331 \n";

INSTANTIATE_TEST_SUITE_P(
    Table, CheckDriverDateRows,
    testing::Values(
        DateCase{"NvidiaAtGl42DateEqual", L"NVIDIA Quadro", L"20130529", true, GlVendor::nvidia, 20111219, 11,
                 "Check driver date for NVidia OpenGL 4.2 support (required min: 20130529)\ndate OK\n"},
        DateCase{"NvidiaDayBefore", L"NVIDIA Quadro", L"20130528", true, GlVendor::nvidia, 20111219, 3,
                 "The driver is old ! \n"},
        DateCase{"NvidiaGl41", L"NVIDIA Quadro", L"20200101", false, GlVendor::nvidia, 20111219, 3, ""},
        DateCase{"AmdEqual", L"Radeon Pro", L"20140520", true, GlVendor::other, 20111219, 11,
                 "Check driver date for AMD OpenGL 4.2 support (required min: 20140520)\ndate OK\n"},
        DateCase{"RequiredEqualIsNotOlder", L"Radeon Pro", L"20111219", false, GlVendor::other, 20111219, 3,
                 ""},
        DateCase{"OlderThanRequired", L"Radeon Pro", L"20111218", true, GlVendor::other, 20111219, 2, ""},
        // A date with a sign is no date (0): it fails the checks instead of passing them all.
        DateCase{"SignedDateIsNoDate", L"Radeon Pro", L"-0000001", true, GlVendor::other, 20111219, 2, ""},
        DateCase{"BlankAndPlusIsNoDate", L"NVIDIA Quadro", L" +20171110", true, GlVendor::nvidia, 20111219, 2,
                 ""},
        DateCase{"RequiredMinusOneMakesAllOlder", L"Radeon Pro", L"29991231", true, GlVendor::other, -1, 2,
                 ""},
        DateCase{"IntelGl45AtIntelDate", L"Intel(R) UHD", L"20160331", true, GlVendor::intel, 20111219, 3,
                 kIntelLines},
        DateCase{"IntelBeforeIntelDate", L"Intel(R) UHD", L"20160330", true, GlVendor::intel, 20111219, 1,
                 kIntelRefused},
        DateCase{"IntelGl33", L"Intel(R) UHD", L"20991231", false, GlVendor::intel, 20111219, 1,
                 kIntelRefused},
        DateCase{"IntelRuleBeforeRequiredDate", L"Intel(R) UHD", L"20100101", true, GlVendor::intel, -1, 1,
                 kIntelRefused},
        // Switchable graphics: the active Intel adapter's date against the NVIDIA minimum.
        DateCase{"SwitchableIntelDateNvidiaVendor", L"Intel(R) UHD", L"20130529", true, GlVendor::nvidia,
                 20111219, 11,
                 "Check driver date for NVidia OpenGL 4.2 support (required min: 20130529)\ndate OK\n"}),
    [](const testing::TestParamInfo<DateCase>& info) { return info.param.name; });

TEST(CheckDriverDate, NoActiveAdapterGivesZeroSilently) {
    AdapterTable table;
    CStringLogSink sink;
    CDiagLog log(sink);
    EXPECT_EQ(Velkora::ExitCodeOf(CheckDriverDate(table, true, GlVendor::nvidia, Defaults(), log)), 0);
    EXPECT_EQ(sink.text, "");
}

} // namespace
} // namespace Zentoli

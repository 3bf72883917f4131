#include "hardware_checks.h"

#include <gtest/gtest.h>

#include "fake_text_source.h"

namespace Velkora {
namespace {

// Every text shows its number, so a verdict names the text and the arguments it was given.
FakeTextSource Texts() {
    return FakeTextSource{
        {910, L"910"},           {912, L"912 sp %d"}, {913, L"913"},         {914, L"914"},
        {917, L"917"},           {920, L"920"},       {922, L"922"},         {930, L"930 %s: %d GB"},
        {931, L"931 %s: %d GB"}, {950, L"950"},       {951, L"951"},         {952, L"952"},
        {953, L"953"},           {954, L"954"},       {960, L"960 %d x %d"}, {961, L"961 %d x %d"}};
}

void ExpectVerdict(const CheckResult& result, Severity severity, const std::wstring& text) {
    EXPECT_EQ(result.severity, severity);
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.reportText, text);
}

struct OSCase {
    OSSupportFacts facts;
    Severity severity;
    const wchar_t* text;
};

class OperatingSystemCheckTest : public testing::TestWithParam<OSCase> {};

TEST_P(OperatingSystemCheckTest, SupportLetterGivesTheVerdict) {
    const OSCase& c = GetParam();
    CheckResult result;
    CheckOperatingSystem(Texts(), c.facts, result);
    ExpectVerdict(result, c.severity, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, OperatingSystemCheckTest,
    testing::Values(OSCase{{1, L'+', 0}, 3, L"913"}, OSCase{{1, L'+', L'1'}, 3, L"913"},
                    OSCase{{1, L'?', L':'}, 3, L"913"},
                    OSCase{{1, L'-', L'1'}, 1, L"912 sp 1"}, // Windows 7 64-bit without service pack
                    OSCase{{1, L'.', L'2'}, 2, L"912 sp 2"}, OSCase{{1, L'8', L':'}, 2, L"917"},
                    OSCase{{1, L'd', L':'}, 2, L"917"},
                    OSCase{{1, L'D', 0}, 1, L"910"}, // 32-bit Windows 10, and everything no row names
                    OSCase{{1, L'n', 0}, 1, L"910"}, OSCase{{1, L'N', 0}, 2, L"914"},
                    OSCase{{1, L'x', 0}, 0, L""}, // an unknown letter says nothing
                    OSCase{{0, L'+', 0}, 0, L""}, // not identified: the result is dropped
                    OSCase{{2, L'+', 0}, 0, L""}));

struct ProcessorCase {
    ProcessorFacts facts;
    Severity severity;
    const wchar_t* text;
};

class ProcessorCheckTest : public testing::TestWithParam<ProcessorCase> {};

TEST_P(ProcessorCheckTest, NeedsSseAndSse2) {
    CheckResult result;
    CheckProcessor(Texts(), GetParam().facts, result);
    ExpectVerdict(result, GetParam().severity, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Features, ProcessorCheckTest,
    testing::Values(ProcessorCase{{true, false, 8}, 1, L"920"}, ProcessorCase{{false, true, 8}, 1, L"920"},
                    ProcessorCase{{true, true, 1}, 3, L"922"}, ProcessorCase{{true, true, 0}, 3, L"922"},
                    ProcessorCase{{true, true, -1}, 3, L"922"}, // the count is compared signed
                    ProcessorCase{{true, true, 2}, 4, L"922"}, ProcessorCase{{true, true, 64}, 4, L"922"}));

struct MemoryCase {
    MemoryFacts facts;
    Severity severity;
    const wchar_t* text;
};

class MemoryCheckTest : public testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryCheckTest, WholeGibibytesRoundedDown) {
    CheckResult result;
    CheckMemory(Texts(), GetParam().facts, result);
    ExpectVerdict(result, GetParam().severity, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, MemoryCheckTest,
    testing::Values(MemoryCase{{false, 0}, 2, L"954"}, MemoryCase{{false, 33554432}, 2, L"954"},
                    MemoryCase{{true, 0}, 1, L"950"}, MemoryCase{{true, 4194303}, 1, L"950"},
                    MemoryCase{{true, 4194304}, 2, L"951"}, MemoryCase{{true, 16777215}, 2, L"951"},
                    MemoryCase{{true, 16777216}, 3, L"952"}, MemoryCase{{true, 17825791}, 3, L"952"},
                    MemoryCase{{true, 17825792}, 3, L"953"}, MemoryCase{{true, UINT64_MAX}, 3, L"953"}));

struct Drive {
    char letter;
    std::uint32_t type;
    std::int64_t freeBytes;
};

struct DiskCase {
    const char* what;
    std::vector<Drive> drives;
    Severity severity;
    const wchar_t* text;
};

std::ostream& operator<<(std::ostream& out, const DiskCase& c) {
    return out << c.what;
}

class DiskSpaceCheckTest : public testing::TestWithParam<DiskCase> {};

TEST_P(DiskSpaceCheckTest, JudgesTheFixedDriveWithTheMostFreeSpace) {
    DriveTable table{};
    for (const Drive& d : GetParam().drives)
        table[d.letter - 'A'] = DriveFacts{d.type, d.freeBytes};
    CheckResult result;
    CheckDiskSpace(Texts(), table, result);
    ExpectVerdict(result, GetParam().severity, GetParam().text);
}

constexpr std::uint32_t kRemovable = 2, kFixed = 3, kRemote = 4, kCdRom = 5, kRamDisk = 6;
constexpr std::int64_t kGB = 1000000000;

INSTANTIATE_TEST_SUITE_P(
    Drives, DiskSpaceCheckTest,
    testing::Values(
        DiskCase{"just under 5 GiB", {{'C', kFixed, 5368709119}}, 1, L"930 C: 5 GB"},
        DiskCase{"exactly 5 GiB", {{'C', kFixed, 5368709120}}, 2, L"930 C: 10 GB"},
        DiskCase{"just under 10 GiB", {{'C', kFixed, 10737418239}}, 2, L"930 C: 10 GB"},
        DiskCase{"exactly 10 GiB", {{'C', kFixed, 10737418240}}, 3, L"931 C: 10 GB"},
        DiskCase{"the roomier drive wins",
                 {{'C', kFixed, 20 * kGB}, {'D', kFixed, 200 * kGB}},
                 3,
                 L"931 D: 10 GB"},
        DiskCase{"a tie keeps the earlier letter",
                 {{'C', kFixed, 20 * kGB}, {'E', kFixed, 20 * kGB}},
                 3,
                 L"931 C: 10 GB"},
        DiskCase{"only fixed drives count",
                 {{'A', kRemovable, 900 * kGB},
                  {'C', kFixed, 6 * kGB},
                  {'N', kRemote, 900 * kGB},
                  {'R', kCdRom, 900 * kGB},
                  {'X', kRamDisk, 900 * kGB}},
                 2,
                 L"930 C: 10 GB"},
        DiskCase{"Z counts too", {{'C', kFixed, 1 * kGB}, {'Z', kFixed, 50 * kGB}}, 3, L"931 Z: 10 GB"},
        DiskCase{"no fixed drive", {{'D', kCdRom, 50 * kGB}}, 1, L"930 : 5 GB"},
        DiskCase{"no drives at all", {}, 1, L"930 : 5 GB"},
        DiskCase{"unreadable drives count as empty", {{'C', kFixed, 0}, {'D', kFixed, 0}}, 1, L"930 : 5 GB"},
        DiskCase{"negative free space is never chosen",
                 {{'C', kFixed, -1}, {'D', kFixed, 3 * kGB}},
                 1,
                 L"930 D: 5 GB"}));

struct ScreenCase {
    ScreenFacts facts;
    Severity severity;
    const wchar_t* text;
};

class ScreenCheckTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenCheckTest, NamesTheResolutionMissedOrReached) {
    CheckResult result;
    CheckScreen(Texts(), GetParam().facts, result);
    ExpectVerdict(result, GetParam().severity, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, ScreenCheckTest,
                         testing::Values(ScreenCase{{1280, 1024}, 3, L"961 1280 x 1024"},
                                         ScreenCase{{1920, 1080}, 3, L"961 1280 x 1024"},
                                         ScreenCase{{1920, 1000}, 2, L"960 1280 x 1024"},
                                         ScreenCase{{1279, 1024}, 2, L"960 1280 x 1024"},
                                         ScreenCase{{1024, 720}, 2, L"960 1280 x 1024"},
                                         ScreenCase{{1023, 768}, 1, L"960 1024 x 720"},
                                         ScreenCase{{1280, 719}, 1, L"960 1024 x 720"},
                                         ScreenCase{{0, 0}, 1, L"960 1024 x 720"}));

TEST(HardwareChecks, MissingTextsStillSetTheSeverity) {
    FakeTextSource none;
    CheckResult result;
    CheckScreen(none, ScreenFacts{800, 600}, result);
    ExpectVerdict(result, 1, L"");
    CheckMemory(none, MemoryFacts{true, 17825792}, result);
    ExpectVerdict(result, 3, L"");
}

} // namespace
} // namespace Velkora

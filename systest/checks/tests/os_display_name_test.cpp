#include "os_display_name.h"

#include <gtest/gtest.h>

#include <string>

#include "bounded_wide_text.h"
#include "os_support_table.h"

namespace Velkora::Utilities {
namespace {

constexpr std::uint8_t kWorkstation = 1;
constexpr std::uint8_t kServer = 3;
constexpr std::uint32_t kArm64 = 12;
constexpr std::uint32_t kEditionProfessional = 48;
constexpr std::uint32_t kEditionStandardServer = 7;
constexpr std::uint32_t kEditionUltimateN = 0x1C; // not in the edition table

struct DisplayCase {
    const char* what;
    std::uint32_t major, minor, build;
    std::wstring csdVersion;
    std::uint16_t servicePack;
    std::wstring caption;
    std::uint8_t productType;
    std::uint16_t suiteMask;
    OSPlatformFacts facts;
    std::wstring name;
    wchar_t letter;
    wchar_t digit;
};

WindowsOSVersionInfo MakeInfo(const DisplayCase& c) {
    WindowsOSVersionInfo info{};
    info.majorVersion = c.major;
    info.minorVersion = c.minor;
    info.buildNumber = c.build;
    info.platformId = kPlatformWindowsNT;
    CopyBounded(info.csdVersion, kCsdVersionChars, c.csdVersion.c_str());
    CopyBounded(info.caption, kCaptionChars, c.caption.c_str());
    info.servicePackMajor = c.servicePack;
    info.productType = c.productType;
    info.suiteMask = c.suiteMask;
    return info;
}

std::ostream& operator<<(std::ostream& out, const DisplayCase& c) {
    return out << c.what;
}

class DisplayNameTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayNameTest, ComposesNameAndSupportCode) {
    const DisplayCase& c = GetParam();
    wchar_t name[kDisplayNameChars];
    wchar_t code[kSupportCodeChars] = {L'x', L'x', L'x'};
    ASSERT_EQ(ComposeOSDisplayString(MakeInfo(c), c.facts, name, code), 1);
    EXPECT_EQ(std::wstring(name), c.name);
    EXPECT_EQ(code[0], c.letter);
    EXPECT_EQ(code[1], c.digit);
    EXPECT_EQ(code[2], 0);
}

const std::wstring kSp1 = L"Service Pack 1";
const OSPlatformFacts x64Pro{kArchitectureX64, kEditionProfessional, 0};
const OSPlatformFacts x64Server{kArchitectureX64, kEditionStandardServer, 0};
const OSPlatformFacts x86Pro{kArchitectureX86, kEditionProfessional, 0};
const std::wstring kLongCaption = L"Microsoft Windows 10 Pro" + std::wstring(255 - 24, L'x');

INSTANTIATE_TEST_SUITE_P(
    Windows6AndLater, DisplayNameTest,
    testing::Values(
        DisplayCase{"10 Pro", 10, 0, 19045, L"", 0, L"Microsoft Windows 10 Pro", kWorkstation, 0, x64Pro,
                    L"Microsoft Windows 10 Pro (build 19045), 64-bit", L'+', 0},
        DisplayCase{"11 matches no row", 10, 0, 22631, L"", 0, L"Microsoft Windows 11 Pro", kWorkstation, 0,
                    x64Pro, L"Microsoft Windows 11 Pro (build 22631), 64-bit", L'D', 0},
        DisplayCase{"Server 2016", 10, 0, 14393, L"", 0, L"Microsoft Windows Server 2016 Standard", kServer,
                    0, x64Server, L"Microsoft Windows Server 2016 Standard (build 14393), 64-bit", L'+', 0},
        DisplayCase{"7 SP1", 6, 1, 7601, kSp1, 1, L"", kWorkstation, 0, x64Pro,
                    L"Microsoft Windows 7 Professional Service Pack 1 (build 7601), 64-bit", L'+', L'1'},
        DisplayCase{"7 without SP", 6, 1, 7600, L"", 0, L"", kWorkstation, 0, x64Pro,
                    L"Microsoft Windows 7 Professional (build 7600), 64-bit", L'-', L'1'},
        DisplayCase{"8", 6, 2, 9200, L"", 0, L"", kWorkstation, 0, x64Pro,
                    L"Microsoft Windows 8   Professional (build 9200), 64-bit", L'8', L':'},
        DisplayCase{"8.1", 6, 3, 9600, L"", 0, L"", kWorkstation, 0, x64Pro,
                    L"Microsoft Windows 8.1Professional (build 9600), 64-bit", L'+', 0},
        DisplayCase{"2008 R2 without SP", 6, 1, 7600, L"", 0, L"", kServer, 0, x64Server,
                    L"Microsoft Windows Server 2008 R2 Standard Edition (build 7600), 64-bit", L'D', L':'},
        DisplayCase{"2008 R2 SP1", 6, 1, 7601, kSp1, 1, L"", kServer, 0, x64Server,
                    L"Microsoft Windows Server 2008 R2 Standard Edition Service Pack 1 (build 7601), 64-bit",
                    L'd', L':'},
        DisplayCase{"2012 SP10 is the pattern length", 6, 2, 9200, L"", 10, L"", kServer, 0, x64Server,
                    L"Microsoft Windows Server 2012 Standard Edition (build 9200), 64-bit", L'+', L':'},
        DisplayCase{"2012 SP11 is beyond it", 6, 2, 9200, L"", 11, L"", kServer, 0, x64Server,
                    L"Microsoft Windows Server 2012 Standard Edition (build 9200), 64-bit", L'?', L':'},
        DisplayCase{"2012 R2", 6, 3, 9600, L"", 0, L"", 2, 0, x64Server,
                    L"Microsoft Windows Server 2012 R2Standard Edition (build 9600), 64-bit", L'+', 0},
        DisplayCase{"6.4 is newer than the table", 6, 4, 9800, L"", 0, L"", kWorkstation, 0, x64Pro,
                    L"Microsoft Professional (build 9800), 64-bit", L'N', 0},
        DisplayCase{"11.0 is newer than the table", 11, 0, 30000, L"", 0, L"Microsoft Windows 12 Pro",
                    kWorkstation, 0, x64Pro, L"Microsoft Windows 12 Pro (build 30000), 64-bit", L'N', 0},
        DisplayCase{"32-bit 10", 10, 0, 19045, L"", 0, L"Microsoft Windows 10 Pro", kWorkstation, 0, x86Pro,
                    L"Microsoft Windows 10 Pro (build 19045), 32-bit", L'D', 0},
        DisplayCase{"32-bit 7", 6, 1, 7601, kSp1, 1, L"", kWorkstation, 0, x86Pro,
                    L"Microsoft Windows 7 Professional Service Pack 1 (build 7601), 32-bit", L'D', 0},
        DisplayCase{"Vista",
                    6,
                    0,
                    6002,
                    L"Service Pack 2",
                    2,
                    L"",
                    kWorkstation,
                    0,
                    {kArchitectureX64, 1, 0},
                    L"Microsoft Windows Vista Ultimate Edition Service Pack 2 (build 6002), 64-bit",
                    L'D',
                    0},
        DisplayCase{"edition not in the table",
                    6,
                    1,
                    7601,
                    kSp1,
                    1,
                    L"",
                    kWorkstation,
                    0,
                    {kArchitectureX64, kEditionUltimateN, 0},
                    L"Microsoft Windows 7  Service Pack 1 (build 7601), 64-bit",
                    L'+',
                    L'1'},
        DisplayCase{
            "Itanium has no bitness",
            6,
            1,
            7601,
            L"",
            0,
            L"",
            kServer,
            0,
            {kArchitectureItanium, 15, 0},
            L"Microsoft Windows Server 2008 R2 Enterprise Edition for Itanium-based Systems (build 7601)",
            L'D',
            0},
        DisplayCase{"Arm64 has no bitness",
                    10,
                    0,
                    22631,
                    L"",
                    0,
                    L"Microsoft Windows 11 Pro",
                    kWorkstation,
                    0,
                    {kArm64, 0, 0},
                    L"Microsoft Windows 11 Pro (build 22631)",
                    L'D',
                    0},
        DisplayCase{"7.x names nothing", 7, 0, 1, L"", 0, L"", kWorkstation, 0, x64Pro,
                    L"Microsoft  (build 1), 64-bit", L'D', 0},
        DisplayCase{"build shown signed", 10, 0, 0xFFFFFFFF, L"", 0, L"Microsoft Windows 10 Pro",
                    kWorkstation, 0, x64Pro, L"Microsoft Windows 10 Pro (build -1), 64-bit", L'+', 0},
        DisplayCase{"255-character caption leaves no room", 10, 0, 19045, L"", 0, kLongCaption, kWorkstation,
                    0, x64Pro, kLongCaption, L'+', 0},
        DisplayCase{"a long caption is cut behind it", 10, 0, 19045, L"", 0, kLongCaption.substr(0, 250),
                    kWorkstation, 0, x64Pro, kLongCaption.substr(0, 250) + L" (bui", L'+', 0}));

// Windows 5: the name is built from the suite mask, the product type, the architecture and
// SM_SERVERR2; there is never a bitness, and the code is always 'D'.
INSTANTIATE_TEST_SUITE_P(
    Windows5, DisplayNameTest,
    testing::Values(
        DisplayCase{"2003 R2",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0,
                    {kArchitectureX86, 0, 1},
                    L"Microsoft Windows Server 2003 R2, Standard Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"R2 wins over storage",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x2000,
                    {kArchitectureX86, 0, 1},
                    L"Microsoft Windows Server 2003 R2, Standard Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"storage server",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x2000,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows Storage Server 2003Standard Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"home server",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kWorkstation,
                    0x8000,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows Home Server (build 3790)",
                    L'D',
                    0},
        DisplayCase{"XP x64",
                    5,
                    2,
                    3790,
                    L"Service Pack 2",
                    2,
                    L"",
                    kWorkstation,
                    0x110,
                    {kArchitectureX64, 0, 0},
                    L"Microsoft Windows XP Professional x64 Edition Service Pack 2 (build 3790)",
                    L'D',
                    0},
        DisplayCase{"2003 workstation on x86",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kWorkstation,
                    0,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows Server 2003,  (build 3790)",
                    L'D',
                    0},
        DisplayCase{
            "Itanium datacenter",
            5,
            2,
            3790,
            L"",
            0,
            L"",
            kServer,
            0x82,
            {kArchitectureItanium, 0, 0},
            L"Microsoft Windows Server 2003, Datacenter Edition for Itanium-based Systems (build 3790)",
            L'D',
            0},
        DisplayCase{
            "Itanium enterprise",
            5,
            2,
            3790,
            L"",
            0,
            L"",
            kServer,
            0x2,
            {kArchitectureItanium, 0, 0},
            L"Microsoft Windows Server 2003, Enterprise Edition for Itanium-based Systems (build 3790)",
            L'D',
            0},
        DisplayCase{"Itanium plain",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0,
                    {kArchitectureItanium, 0, 0},
                    L"Microsoft Windows Server 2003,  (build 3790)",
                    L'D',
                    0},
        DisplayCase{"x64 datacenter",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x82,
                    {kArchitectureX64, 0, 0},
                    L"Microsoft Windows Server 2003, Datacenter x64 Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"x64 enterprise",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x2,
                    {kArchitectureX64, 0, 0},
                    L"Microsoft Windows Server 2003, Enterprise x64 Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"x64 standard",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0,
                    {kArchitectureX64, 0, 0},
                    L"Microsoft Windows Server 2003, Standard x64 Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"compute cluster first",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x4482,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows Server 2003, Compute Cluster Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"datacenter",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x482,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows Server 2003, Datacenter Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"enterprise",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x402,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows Server 2003, Enterprise Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"web",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x400,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows Server 2003, Web Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"standard",
                    5,
                    2,
                    3790,
                    L"",
                    0,
                    L"",
                    2,
                    0,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows Server 2003, Standard Edition (build 3790)",
                    L'D',
                    0},
        DisplayCase{"XP home",
                    5,
                    1,
                    2600,
                    L"",
                    0,
                    L"",
                    kWorkstation,
                    0x200,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows XP Home Edition (build 2600)",
                    L'D',
                    0},
        DisplayCase{"XP professional",
                    5,
                    1,
                    2600,
                    L"Service Pack 3",
                    3,
                    L"",
                    kWorkstation,
                    0,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows XP Professional Service Pack 3 (build 2600)",
                    L'D',
                    0},
        DisplayCase{"2000 professional",
                    5,
                    0,
                    2195,
                    L"",
                    0,
                    L"",
                    kWorkstation,
                    0x80,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows 2000 Professional (build 2195)",
                    L'D',
                    0},
        DisplayCase{"2000 datacenter",
                    5,
                    0,
                    2195,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x82,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows 2000 Datacenter Server (build 2195)",
                    L'D',
                    0},
        DisplayCase{"2000 advanced",
                    5,
                    0,
                    2195,
                    L"",
                    0,
                    L"",
                    kServer,
                    0x2,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows 2000 Advanced Server (build 2195)",
                    L'D',
                    0},
        DisplayCase{"2000 server",
                    5,
                    0,
                    2195,
                    L"",
                    0,
                    L"",
                    kServer,
                    0,
                    {kArchitectureX86, 0, 0},
                    L"Microsoft Windows 2000 Server (build 2195)",
                    L'D',
                    0},
        DisplayCase{"5.3 names nothing",
                    5,
                    3,
                    1,
                    L"",
                    0,
                    L"",
                    kWorkstation,
                    0,
                    {kArchitectureX64, 0, 0},
                    L"Microsoft  (build 1)",
                    L'D',
                    0}));

TEST(DisplayName, RefusesWhatIsNotWindowsNTAboveVersion4AndLeavesTheBuffersAlone) {
    WindowsOSVersionInfo notNT{};
    notNT.majorVersion = 10;
    WindowsOSVersionInfo nt4{};
    nt4.majorVersion = 4;
    nt4.platformId = kPlatformWindowsNT;
    for (const WindowsOSVersionInfo& info : {notNT, nt4}) {
        wchar_t name[kDisplayNameChars] = L"untouched";
        wchar_t code[kSupportCodeChars] = {L'?', L'?', 0};
        EXPECT_EQ(ComposeOSDisplayString(info, x64Pro, name, code), 0);
        EXPECT_EQ(std::wstring(name), L"untouched");
        EXPECT_EQ(std::wstring(code), L"??");
    }
}

TEST(DisplayName, FieldsWithoutTerminatorAreNotOverrun) {
    WindowsOSVersionInfo info{};
    info.majorVersion = 10;
    info.platformId = kPlatformWindowsNT;
    for (wchar_t& c : info.caption)
        c = L'c';
    for (wchar_t& c : info.csdVersion)
        c = L's';
    wchar_t name[kDisplayNameChars];
    wchar_t code[kSupportCodeChars];
    ASSERT_EQ(ComposeOSDisplayString(info, x64Pro, name, code), 1);
    EXPECT_EQ(std::wstring(name), std::wstring(255, L'c'));
}

struct LookUpCase {
    const wchar_t* text;
    std::uint32_t servicePack;
    wchar_t letter;
    wchar_t digit;
};

class SupportCodeTest : public testing::TestWithParam<LookUpCase> {};

TEST_P(SupportCodeTest, FirstMatchingRowAndServicePack) {
    const LookUpCase& c = GetParam();
    wchar_t digit = L'x';
    EXPECT_EQ(LookUpSupportCode(c.text, c.servicePack, digit), c.letter) << c.text << " sp " << c.servicePack;
    EXPECT_EQ(digit, c.digit) << c.text << " sp " << c.servicePack;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SupportCodeTest,
    testing::Values(LookUpCase{L"Windows 8.1 Pro", 0, L'+', 0}, // 8.1 stands before 8
                    LookUpCase{L"Windows 8 Pro", 9, L'8', L':'}, LookUpCase{L"Windows 7", 0, L'-', L'1'},
                    LookUpCase{L"Windows 7", 2, L'+', L'1'}, // equal to the pattern length
                    LookUpCase{L"Windows 7", 3, L'?', L'1'}, // beyond it
                    LookUpCase{L"Windows Server 2012 R2 Datacenter", 5, L'+', 0}, // R2 stands before 2012
                    LookUpCase{L"windows 10", 0, L'D', 0}, // the search is case-sensitive
                    LookUpCase{L"", 0, L'D', 0}, LookUpCase{L"UNKNOWN_BUT_NEW_OS!", 4, L'N', 0}));

} // namespace
} // namespace Velkora::Utilities

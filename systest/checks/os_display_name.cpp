#include "os_display_name.h"

#include "bounded_wide_text.h"
#include "os_support_table.h"

namespace Velkora::Utilities {
namespace {

// Suite mask bits read by the Windows 5 names.
constexpr std::uint32_t kSuiteEnterprise = 0x2;
constexpr std::uint32_t kSuiteDatacenter = 0x80;
constexpr std::uint32_t kSuitePersonal = 0x200;
constexpr std::uint32_t kSuiteBlade = 0x400;
constexpr std::uint32_t kSuiteStorageServer = 0x2000;
constexpr std::uint32_t kSuiteComputeServer = 0x4000;
constexpr std::uint32_t kSuiteHomeServer = 0x8000;

constexpr std::uint8_t kWorkstation = 1;

struct EditionName {
    std::uint32_t code;
    const wchar_t* text;
};

constexpr EditionName kEditionNames[] = {
    {1, L"Ultimate Edition"},
    {2, L"Home Basic Edition"},
    {3, L"Home Premium Edition"},
    {4, L"Enterprise Edition"},
    {6, L"Business Edition"},
    {7, L"Standard Edition"},
    {8, L"Datacenter Edition"},
    {9, L"Small Business Server"},
    {10, L"Enterprise Edition"},
    {11, L"Starter Edition"},
    {12, L"Datacenter Edition (core installation)"},
    {13, L"Standard Edition (core installation)"},
    {14, L"Enterprise Edition (core installation)"},
    {15, L"Enterprise Edition for Itanium-based Systems"},
    {17, L"Web Server Edition"},
    {18, L"Cluster Server Edition"},
    {25, L"Small Business Server Premium Edition"},
    {48, L"Professional"},
};

// Windows 6 names by minor version; the blanks belong to the texts (6.3 has none).
constexpr const wchar_t* kWorkstationNames6[] = {L"Windows Vista ", L"Windows 7 ", L"Windows 8   ",
                                                 L"Windows 8.1"};
constexpr const wchar_t* kServerNames6[] = {L"Windows Server 2008 ", L"Windows Server 2008 R2 ",
                                            L"Windows Server 2012 ", L"Windows Server 2012 R2"};

class CNameBuffer {
  public:
    explicit CNameBuffer(wchar_t* text) : text(text) {}
    void Append(const wchar_t* piece, std::size_t limit = kUnboundedSource) {
        AppendBounded(text, kDisplayNameChars, piece, limit);
    }
    void Assign(const wchar_t* piece, std::size_t limit = kUnboundedSource) {
        CopyBounded(text, kDisplayNameChars, piece, limit);
    }
    const wchar_t* Text() const { return text; }

  private:
    wchar_t* text;
};

// Returns true when the minor version is newer than any Windows 6 the table knows.
bool AppendWindows6(CNameBuffer& name, const WindowsOSVersionInfo& info, std::uint32_t edition) {
    bool unknownNewOS = false;
    if (info.minorVersion <= 3) {
        const auto& names = info.productType == kWorkstation ? kWorkstationNames6 : kServerNames6;
        name.Append(names[info.minorVersion]);
    } else {
        unknownNewOS = true;
    }
    for (const EditionName& entry : kEditionNames) {
        if (entry.code == edition) {
            name.Append(entry.text);
            break;
        }
    }
    return unknownNewOS;
}

void AppendWindows52(CNameBuffer& name, const WindowsOSVersionInfo& info, const OSPlatformFacts& facts) {
    const std::uint32_t suite = info.suiteMask;
    if (facts.serverR2 != 0)
        name.Append(L"Windows Server 2003 R2, ");
    else if (suite & kSuiteStorageServer)
        name.Append(L"Windows Storage Server 2003");
    else if (suite & kSuiteHomeServer)
        name.Append(L"Windows Home Server");
    else if (info.productType == kWorkstation && facts.architecture == kArchitectureX64)
        name.Append(L"Windows XP Professional x64 Edition");
    else
        name.Append(L"Windows Server 2003, ");

    if (info.productType == kWorkstation)
        return;
    if (facts.architecture == kArchitectureItanium) {
        if (suite & kSuiteDatacenter)
            name.Append(L"Datacenter Edition for Itanium-based Systems");
        else if (suite & kSuiteEnterprise)
            name.Append(L"Enterprise Edition for Itanium-based Systems");
    } else if (facts.architecture == kArchitectureX64) {
        if (suite & kSuiteDatacenter)
            name.Append(L"Datacenter x64 Edition");
        else if (suite & kSuiteEnterprise)
            name.Append(L"Enterprise x64 Edition");
        else
            name.Append(L"Standard x64 Edition");
    } else {
        if (suite & kSuiteComputeServer)
            name.Append(L"Compute Cluster Edition");
        else if (suite & kSuiteDatacenter)
            name.Append(L"Datacenter Edition");
        else if (suite & kSuiteEnterprise)
            name.Append(L"Enterprise Edition");
        else if (suite & kSuiteBlade)
            name.Append(L"Web Edition");
        else
            name.Append(L"Standard Edition");
    }
}

void AppendWindows5(CNameBuffer& name, const WindowsOSVersionInfo& info, const OSPlatformFacts& facts) {
    switch (info.minorVersion) {
    case 2:
        AppendWindows52(name, info, facts);
        break;
    case 1:
        name.Append(L"Windows XP ");
        name.Append((info.suiteMask & kSuitePersonal) ? L"Home Edition" : L"Professional");
        break;
    case 0:
        name.Append(L"Windows 2000 ");
        if (info.productType == kWorkstation)
            name.Append(L"Professional");
        else if (info.suiteMask & kSuiteDatacenter)
            name.Append(L"Datacenter Server");
        else if (info.suiteMask & kSuiteEnterprise)
            name.Append(L"Advanced Server");
        else
            name.Append(L"Server");
        break;
    default:
        break;
    }
}

} // namespace

int ComposeOSDisplayString(const WindowsOSVersionInfo& info, const OSPlatformFacts& facts, wchar_t* name,
                           wchar_t* code) {
    if (info.platformId != kPlatformWindowsNT || info.majorVersion <= 4)
        return 0;

    CNameBuffer text(name);
    text.Assign(L"Microsoft ");
    bool unknownNewOS = false;
    if (info.majorVersion >= 10)
        text.Assign(info.caption, kCaptionChars);
    if (info.majorVersion == 6)
        unknownNewOS = AppendWindows6(text, info, facts.edition);
    if (info.majorVersion == 5)
        AppendWindows5(text, info, facts);
    if (info.majorVersion > 10)
        unknownNewOS = true;
    if (info.csdVersion[0] != 0) {
        text.Append(L" ");
        text.Append(info.csdVersion, kCsdVersionChars);
    }
    wchar_t build[80] = L" (build ";
    FormatDecimal(static_cast<std::int32_t>(info.buildNumber), build + WideLength(build));
    AppendBounded(build, 80, L")");
    text.Append(build);

    if (info.majorVersion >= 6 && facts.architecture == kArchitectureX64) {
        text.Append(L", 64-bit");
        wchar_t digit = 0;
        code[0] =
            LookUpSupportCode(unknownNewOS ? kUnknownNewOSText : text.Text(), info.servicePackMajor, digit);
        code[1] = digit;
        code[2] = 0;
        return 1;
    }
    if (info.majorVersion >= 6 && facts.architecture == kArchitectureX86)
        text.Append(L", 32-bit");
    code[0] = L'D';
    code[1] = 0;
    code[2] = 0;
    return 1;
}

} // namespace Velkora::Utilities

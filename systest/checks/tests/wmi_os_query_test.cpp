#include "wmi_os_query.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bounded_wide_text.h"
#include "os_version_cache.h"

namespace Velkora::Utilities {
namespace {

// A property as WMI could hand it over: its variant type and value.
struct FakeProperty {
    std::uint16_t variantType;
    std::wstring text;
    std::int64_t number = 0;
};

constexpr std::uint16_t kVariantNull = 1;
constexpr std::uint16_t kVariantInt16 = 2;
constexpr std::uint16_t kVariantUInt32 = 19;

FakeProperty Text(std::wstring text) {
    return {kVariantString, std::move(text)};
}
FakeProperty I4(std::int32_t n) {
    return {kVariantInt32, L"", n};
}
FakeProperty UI2(std::uint16_t n) {
    return {kVariantUInt16, L"", n};
}

// Follows the property rules as the COM side does: only taken types are read; a string is
// converted to a number by its digits, numbers must fit the wanted width.
class CFakeSession : public IWmiOSSession {
  public:
    std::map<std::string, std::uint32_t> stepCodes; // step name -> its code (0 when absent)
    bool gotEnumerator = true;
    bool hasObject = true;
    std::map<std::wstring, FakeProperty> properties;
    std::vector<std::string> calls;
    std::wstring nameSpace, language, query;

    std::uint32_t Step(const char* name) {
        calls.push_back(name);
        auto it = stepCodes.find(name);
        return it == stepCodes.end() ? 0 : it->second;
    }
    std::uint32_t InitializeCom() override { return Step("InitializeCom"); }
    std::uint32_t CreateLocator() override { return Step("CreateLocator"); }
    std::uint32_t ConnectServer(const wchar_t* ns) override {
        nameSpace = ns;
        return Step("ConnectServer");
    }
    std::uint32_t SetProxyBlanket() override { return Step("SetProxyBlanket"); }
    std::uint32_t ExecQuery(const wchar_t* lang, const wchar_t* text, bool& enumerator) override {
        language = lang;
        query = text;
        enumerator = gotEnumerator;
        return Step("ExecQuery");
    }
    bool NextObject() override {
        calls.push_back("NextObject");
        return hasObject;
    }
    PropertyRead ReadText(const wchar_t* property, wchar_t* buffer, std::size_t capacity) override {
        const FakeProperty* p = Find(property);
        if (!p)
            return {};
        if (p->variantType == kVariantString)
            CopyBounded(buffer, capacity, p->text.c_str());
        else
            CopyBounded(buffer, capacity, std::to_wstring(p->number).c_str());
        return {PropertyReadOutcome::kTaken, 0};
    }
    PropertyRead ReadNumber(const wchar_t* property, PropertyWidth width, std::uint32_t& value) override {
        const FakeProperty* p = Find(property);
        if (!p)
            return {};
        std::int64_t n = p->number;
        if (p->variantType == kVariantString) {
            if (p->text.empty() || p->text.find_first_not_of(L"0123456789") != std::wstring::npos) {
                return {PropertyReadOutcome::kNotConvertible, 0x80020005}; // DISP_E_TYPEMISMATCH
            }
            n = std::stoll(p->text);
        }
        const std::int64_t limit = width == PropertyWidth::kUInt8    ? 0xFF
                                   : width == PropertyWidth::kUInt16 ? 0xFFFF
                                                                     : 0xFFFFFFFF;
        if (NeedsConversion(p->variantType, width) && (n < 0 || n > limit)) {
            return {PropertyReadOutcome::kNotConvertible, 0x8002000A}; // DISP_E_OVERFLOW
        }
        value = static_cast<std::uint32_t>(n);
        return {PropertyReadOutcome::kTaken, 0};
    }
    void ReleaseObjects() override { calls.push_back("ReleaseObjects"); }
    void UninitializeCom() override { calls.push_back("UninitializeCom"); }

  private:
    const FakeProperty* Find(const wchar_t* property) {
        auto it = properties.find(property);
        if (it == properties.end() || !IsTakenPropertyType(it->second.variantType))
            return nullptr;
        return &it->second;
    }
};

class CLines : public IDiagnosticLines {
  public:
    std::vector<std::wstring> lines;
    void WriteLine(const wchar_t* line) override { lines.emplace_back(line); }
};

// What Windows 7 SP1 hands over.
std::map<std::wstring, FakeProperty> Windows7() {
    return {{L"Version", Text(L"6.1.7601")},
            {L"Caption", Text(L"Microsoft Windows 7 Professional")},
            {L"CSDVersion", Text(L"Service Pack 1")},
            {L"ServicePackMajorVersion", UI2(1)},
            {L"ServicePackMinorVersion", UI2(0)},
            {L"ProductType", I4(1)},
            {L"SuiteMask", I4(0x10110)}};
}

struct Outcome {
    bool ok = false;
    WindowsOSVersionInfo info{};
    std::vector<std::wstring> lines;
};

Outcome RunQuery(CFakeSession& session) {
    CLines lines;
    Outcome out;
    out.ok = true; // must be cleared by the query
    std::fill_n(reinterpret_cast<unsigned char*>(&out.info), sizeof out.info, 0xAB);
    GetWindowsVersionFromWMI(session, lines, out.info, out.ok);
    out.lines = lines.lines;
    return out;
}

TEST(WmiOSQuery, ReadsTheFirstObjectIntoTheRecord) {
    CFakeSession session;
    session.properties = Windows7();
    Outcome out = RunQuery(session);
    ASSERT_TRUE(out.ok);
    EXPECT_TRUE(out.lines.empty());
    EXPECT_EQ(out.info.majorVersion, 6u);
    EXPECT_EQ(out.info.minorVersion, 1u);
    EXPECT_EQ(out.info.buildNumber, 7601u);
    EXPECT_EQ(out.info.platformId, kPlatformWindowsNT);
    EXPECT_EQ(std::wstring(out.info.caption), L"Microsoft Windows 7 Professional");
    EXPECT_EQ(std::wstring(out.info.csdVersion), L"Service Pack 1");
    EXPECT_EQ(out.info.servicePackMajor, 1);
    EXPECT_EQ(out.info.servicePackMinor, 0);
    EXPECT_EQ(out.info.productType, 1);
    EXPECT_EQ(out.info.suiteMask, 0x0110); // stored in 16 bits
    EXPECT_EQ(session.nameSpace, L"ROOT\\CIMV2");
    EXPECT_EQ(session.language, L"WQL");
    EXPECT_EQ(session.query,
              L"SELECT Version, ProductType, ServicePackMajorVersion, ServicePackMinorVersion, "
              L"CSDVersion, Caption, SuiteMask FROM Win32_OperatingSystem");
    EXPECT_EQ(session.calls,
              (std::vector<std::string>{"InitializeCom", "CreateLocator", "ConnectServer", "SetProxyBlanket",
                                        "ExecQuery", "NextObject", "ReleaseObjects", "UninitializeCom"}));
}

struct StepFailure {
    const char* step;
    std::uint32_t code;
    const wchar_t* line;
};

class WmiStepFailureTest : public testing::TestWithParam<StepFailure> {};

TEST_P(WmiStepFailureTest, WritesItsLineAndFails) {
    const StepFailure& f = GetParam();
    CFakeSession session;
    session.properties = Windows7();
    session.stepCodes[f.step] = f.code;
    Outcome out = RunQuery(session);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.lines, std::vector<std::wstring>{f.line});
    // Clean-up after every failure but the first; COM is left alone when it never started.
    const bool comStarted = std::string(f.step) != "InitializeCom";
    EXPECT_EQ(session.calls.back(), comStarted ? "UninitializeCom" : "InitializeCom");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WmiStepFailureTest,
    testing::Values(
        StepFailure{"InitializeCom", 0x80010106,
                    L"GetWindowsVersionFromWMI: Failed to initialize COM. Err code = 0x80010106"},
        StepFailure{"CreateLocator", 0x80040154,
                    L"GetWindowsVersionFromWMI: Failed to create IWbemLocator object. Err code = 0x80040154"},
        StepFailure{"ConnectServer", 0x80041003,
                    L"GetWindowsVersionFromWMI: Could not connect. Error code = 0x80041003"},
        StepFailure{"SetProxyBlanket", 0x80070005,
                    L"GetWindowsVersionFromWMI: Could not set proxy blanket. Error code = 0x80070005"},
        StepFailure{
            "ExecQuery", 0x80041017,
            L"GetWindowsVersionFromWMI: Query for operating system name failed. Error code = 0x80041017"},
        // Small failure codes are written without leading zeros.
        StepFailure{"ConnectServer", 0x8000000a,
                    L"GetWindowsVersionFromWMI: Could not connect. Error code = 0x8000000a"}));

TEST(WmiOSQuery, SuccessCodesOtherThanZeroAreNotFailures) {
    CFakeSession session;
    session.properties = Windows7();
    session.stepCodes["InitializeCom"] = 1; // S_FALSE: already initialised, still to be undone
    session.stepCodes["ExecQuery"] = 0x40000;
    Outcome out = RunQuery(session);
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(session.calls.back(), "UninitializeCom");
}

TEST(WmiOSQuery, NoEnumeratorAndNoObject) {
    CFakeSession noEnumerator;
    noEnumerator.gotEnumerator = false;
    Outcome out = RunQuery(noEnumerator);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.lines, std::vector<std::wstring>{L"GetWindowsVersionFromWMI: wmiClassEnumerator is NULL"});

    CFakeSession empty;
    empty.hasObject = false;
    out = RunQuery(empty);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.lines, std::vector<std::wstring>{L"GetWindowsVersionFromWMI: wmiClassEnumerator is EMPTY"});
    EXPECT_EQ(empty.calls.back(), "UninitializeCom");
}

struct VersionCase {
    std::optional<FakeProperty> version; // nothing: the property is absent
    bool ok;
    const wchar_t* line;
};

class WmiVersionTextTest : public testing::TestWithParam<VersionCase> {};

TEST_P(WmiVersionTextTest, InvalidVersionTextsAreReported) {
    const VersionCase& c = GetParam();
    CFakeSession session;
    session.properties = Windows7();
    session.properties.erase(L"Version");
    if (c.version)
        session.properties.emplace(L"Version", *c.version);
    Outcome out = RunQuery(session);
    EXPECT_EQ(out.ok, c.ok);
    if (c.line) {
        EXPECT_EQ(out.lines, std::vector<std::wstring>{c.line});
    } else {
        EXPECT_TRUE(out.lines.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WmiVersionTextTest,
    testing::Values(
        VersionCase{std::nullopt, false,
                    L"GetWindowsVersionFromWMI: Version string is invalid. Version = \"0.0.0\""},
        VersionCase{FakeProperty{kVariantNull, L""}, false,
                    L"GetWindowsVersionFromWMI: Version string is invalid. Version = \"0.0.0\""},
        VersionCase{Text(L""), false, L"GetWindowsVersionFromWMI: Version string is invalid. Version = \"\""},
        VersionCase{Text(L"Windows"), false,
                    L"GetWindowsVersionFromWMI: Version string is invalid. Version = \"Windows\""},
        VersionCase{I4(10), true, nullptr}, // a number is converted to its text "10"
        VersionCase{FakeProperty{kVariantUInt32, L"", 10}, false,
                    L"GetWindowsVersionFromWMI: Version string is invalid. Version = \"0.0.0\""}));

TEST(WmiOSQuery, OnlyStringInt32AndUInt16ValuesAreTaken) {
    EXPECT_TRUE(IsTakenPropertyType(8));
    EXPECT_TRUE(IsTakenPropertyType(3));
    EXPECT_TRUE(IsTakenPropertyType(18));
    for (std::uint16_t other : {0, 1, 2, 11, 17, 19, 20, 21})
        EXPECT_FALSE(IsTakenPropertyType(other)) << other;
    EXPECT_FALSE(NeedsConversion(18, PropertyWidth::kUInt16));
    EXPECT_TRUE(NeedsConversion(18, PropertyWidth::kUInt8));
    EXPECT_TRUE(NeedsConversion(3, PropertyWidth::kUInt16));

    CFakeSession session;
    session.properties = Windows7();
    session.properties[L"ServicePackMajorVersion"] =
        FakeProperty{kVariantInt16, L"", 3};                                    // not taken: default 0
    session.properties[L"ProductType"] = Text(L"3");                            // converted
    session.properties[L"SuiteMask"] = FakeProperty{kVariantUInt32, L"", 0x80}; // not taken
    session.properties[L"Caption"] = FakeProperty{kVariantNull, L""};           // default empty
    session.properties.erase(L"CSDVersion");
    Outcome out = RunQuery(session);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.info.servicePackMajor, 0);
    EXPECT_EQ(out.info.productType, 3);
    EXPECT_EQ(out.info.suiteMask, 0);
    EXPECT_EQ(out.info.caption[0], 0);
    EXPECT_EQ(out.info.csdVersion[0], 0);
}

TEST(WmiOSQuery, LongTextsAreCutToTheirFields) {
    CFakeSession session;
    session.properties = Windows7();
    session.properties[L"Caption"] = Text(std::wstring(300, L'c'));
    session.properties[L"CSDVersion"] = Text(std::wstring(300, L's'));
    Outcome out = RunQuery(session);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(std::wstring(out.info.caption), std::wstring(255, L'c'));
    EXPECT_EQ(std::wstring(out.info.csdVersion), std::wstring(127, L's'));
}

struct ConversionCase {
    const wchar_t* property;
    FakeProperty value;
    const wchar_t* line;
};

class WmiConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(WmiConversionTest, AValueThatDoesNotFitFailsTheQuery) {
    const ConversionCase& c = GetParam();
    CFakeSession session;
    session.properties = Windows7();
    session.properties[c.property] = c.value;
    Outcome out = RunQuery(session);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.lines, std::vector<std::wstring>{c.line});
    EXPECT_EQ(session.calls.back(), "UninitializeCom");
}

INSTANTIATE_TEST_SUITE_P(
    Values, WmiConversionTest,
    testing::Values(
        ConversionCase{
            L"ProductType", I4(300),
            L"GetWindowsVersionFromWMI: Could not convert the value of ProductType. Error code = 0x8002000a"},
        ConversionCase{
            L"SuiteMask", I4(-1),
            L"GetWindowsVersionFromWMI: Could not convert the value of SuiteMask. Error code = 0x8002000a"},
        ConversionCase{
            L"ServicePackMajorVersion", Text(L"one"),
            L"GetWindowsVersionFromWMI: Could not convert the value of ServicePackMajorVersion. Error code = "
            L"0x80020005"}));

// Counts queries and answers them from a script of outcomes.
class CScriptedQuery : public IOSVersionQuery {
  public:
    std::vector<bool> outcomes;
    int runs = 0;
    bool Run(WindowsOSVersionInfo& info) override {
        const bool ok = outcomes.at(runs++);
        info = WindowsOSVersionInfo{};
        info.majorVersion = ok ? 10 : 0;
        info.buildNumber = static_cast<std::uint32_t>(runs);
        return ok;
    }
};

TEST(OSVersionCache, FilledOnlyBySuccessAndThenNeverAskedAgain) {
    OSVersionCache cache{};
    CScriptedQuery query;
    query.outcomes = {false, true, true};
    WindowsOSVersionInfo info{};
    EXPECT_FALSE(QueryOSVersionInfo(cache, query, info));
    EXPECT_EQ(cache.info.majorVersion, 0u);
    EXPECT_TRUE(QueryOSVersionInfo(cache, query, info)); // the failure was not cached: asked again
    EXPECT_EQ(query.runs, 2);
    WindowsOSVersionInfo again{};
    EXPECT_TRUE(QueryOSVersionInfo(cache, query, again));
    EXPECT_EQ(query.runs, 2);
    EXPECT_EQ(again.majorVersion, 10u);
    EXPECT_EQ(again.buildNumber, 2u);
}

} // namespace
} // namespace Velkora::Utilities

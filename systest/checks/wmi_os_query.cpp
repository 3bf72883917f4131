#include "wmi_os_query.h"

#include "bounded_wide_text.h"
#include "os_version_text.h"

namespace Velkora::Utilities {
namespace {

constexpr bool Failed(std::uint32_t code) {
    return (code & 0x80000000u) != 0;
}

// Messages are built in a fixed buffer: this runs where no runtime start-up may have happened.
class CMessage {
  public:
    explicit CMessage(const wchar_t* text) { CopyBounded(line, kChars, text); }
    CMessage& Add(const wchar_t* text) {
        AppendBounded(line, kChars, text);
        return *this;
    }
    CMessage& AddHex(std::uint32_t code) {
        wchar_t hex[9] = {};
        FormatHex(code, hex);
        return Add(hex);
    }
    void WriteTo(IDiagnosticLines& diagnostics) const { diagnostics.WriteLine(line); }

  private:
    static constexpr std::size_t kChars = 512;
    wchar_t line[kChars] = {};
};

void Report(IDiagnosticLines& diagnostics, const wchar_t* what, const wchar_t* codeLabel,
            std::uint32_t code) {
    CMessage(L"GetWindowsVersionFromWMI: ").Add(what).Add(codeLabel).AddHex(code).WriteTo(diagnostics);
}

void ReportNotConvertible(IDiagnosticLines& diagnostics, const wchar_t* property, std::uint32_t code) {
    CMessage(L"GetWindowsVersionFromWMI: Could not convert the value of ")
        .Add(property)
        .Add(L". Error code = 0x")
        .AddHex(code)
        .WriteTo(diagnostics);
}

bool ReadTextWithDefault(IWmiOSSession& session, IDiagnosticLines& diagnostics, const wchar_t* property,
                         const wchar_t* fallback, wchar_t* buffer, std::size_t capacity) {
    const PropertyRead read = session.ReadText(property, buffer, capacity);
    if (read.outcome == PropertyReadOutcome::kNotConvertible) {
        ReportNotConvertible(diagnostics, property, read.errorCode);
        return false;
    }
    if (read.outcome == PropertyReadOutcome::kDefault)
        CopyBounded(buffer, capacity, fallback);
    return true;
}

bool ReadNumberWithDefault(IWmiOSSession& session, IDiagnosticLines& diagnostics, const wchar_t* property,
                           PropertyWidth width, std::uint32_t& value) {
    std::uint32_t read = 0;
    const PropertyRead outcome = session.ReadNumber(property, width, read);
    if (outcome.outcome == PropertyReadOutcome::kNotConvertible) {
        ReportNotConvertible(diagnostics, property, outcome.errorCode);
        return false;
    }
    value = outcome.outcome == PropertyReadOutcome::kTaken ? read : 0;
    return true;
}

// Everything after the version text parsed; false when a value could not be converted.
bool ReadRemainingProperties(IWmiOSSession& session, IDiagnosticLines& diagnostics,
                             WindowsOSVersionInfo& info) {
    wchar_t text[kCaptionChars] = {};
    if (!ReadTextWithDefault(session, diagnostics, L"Caption", L"", text, kCaptionChars))
        return false;
    if (text[0] != 0)
        CopyBounded(info.caption, kCaptionChars, text);
    if (!ReadTextWithDefault(session, diagnostics, L"CSDVersion", L"", text, kCaptionChars))
        return false;
    if (text[0] != 0)
        CopyBounded(info.csdVersion, kCsdVersionChars, text);

    std::uint32_t spMajor = 0, spMinor = 0, productType = 0, suiteMask = 0;
    if (!ReadNumberWithDefault(session, diagnostics, L"ServicePackMajorVersion", PropertyWidth::kUInt16,
                               spMajor) ||
        !ReadNumberWithDefault(session, diagnostics, L"ServicePackMinorVersion", PropertyWidth::kUInt16,
                               spMinor) ||
        !ReadNumberWithDefault(session, diagnostics, L"ProductType", PropertyWidth::kUInt8, productType) ||
        !ReadNumberWithDefault(session, diagnostics, L"SuiteMask", PropertyWidth::kUInt32, suiteMask)) {
        return false;
    }
    info.servicePackMajor = static_cast<std::uint16_t>(spMajor);
    info.servicePackMinor = static_cast<std::uint16_t>(spMinor);
    info.productType = static_cast<std::uint8_t>(productType);
    info.suiteMask = static_cast<std::uint16_t>(suiteMask); // the high bits are not kept
    return true;
}

// Reads the first object's properties into info; true when it was filled.
bool ReadVersionRecord(IWmiOSSession& session, IDiagnosticLines& diagnostics, WindowsOSVersionInfo& info) {
    wchar_t version[kVersionTextChars] = {};
    if (!ReadTextWithDefault(session, diagnostics, L"Version", L"0.0.0", version, kVersionTextChars))
        return false;
    if (version[0] != 0) {
        info = WindowsOSVersionInfo{};
        VersionNumbers numbers;
        if (ParseVersionText(version, numbers)) {
            info.majorVersion = numbers.major;
            info.minorVersion = numbers.minor;
            info.buildNumber = numbers.build;
            info.platformId = kPlatformWindowsNT;
            return ReadRemainingProperties(session, diagnostics, info);
        }
    }
    CMessage(L"GetWindowsVersionFromWMI: Version string is invalid. Version = \"")
        .Add(version)
        .Add(L"\"")
        .WriteTo(diagnostics);
    return false;
}

// The steps between COM start-up and clean-up; true when info was filled.
bool RunQuerySteps(IWmiOSSession& session, IDiagnosticLines& diagnostics, WindowsOSVersionInfo& info) {
    std::uint32_t code = session.CreateLocator();
    if (Failed(code)) {
        Report(diagnostics, L"Failed to create IWbemLocator object.", L" Err code = 0x", code);
        return false;
    }
    code = session.ConnectServer(L"ROOT\\CIMV2");
    if (Failed(code)) {
        Report(diagnostics, L"Could not connect.", L" Error code = 0x", code);
        return false;
    }
    code = session.SetProxyBlanket();
    if (Failed(code)) {
        Report(diagnostics, L"Could not set proxy blanket.", L" Error code = 0x", code);
        return false;
    }
    bool gotEnumerator = false;
    code = session.ExecQuery(L"WQL", kOSQuery, gotEnumerator);
    if (Failed(code)) {
        Report(diagnostics, L"Query for operating system name failed.", L" Error code = 0x", code);
        return false;
    }
    if (!gotEnumerator) {
        diagnostics.WriteLine(L"GetWindowsVersionFromWMI: wmiClassEnumerator is NULL");
        return false;
    }
    if (!session.NextObject()) {
        diagnostics.WriteLine(L"GetWindowsVersionFromWMI: wmiClassEnumerator is EMPTY");
        return false;
    }
    return ReadVersionRecord(session, diagnostics, info);
}

} // namespace

void GetWindowsVersionFromWMI(IWmiOSSession& session, IDiagnosticLines& diagnostics,
                              WindowsOSVersionInfo& info, bool& ok) {
    ok = false;
    const std::uint32_t code = session.InitializeCom();
    if (Failed(code)) {
        Report(diagnostics, L"Failed to initialize COM.", L" Err code = 0x", code);
        return;
    }
    ok = RunQuerySteps(session, diagnostics, info);
    session.ReleaseObjects();
    session.UninitializeCom();
}

} // namespace Velkora::Utilities

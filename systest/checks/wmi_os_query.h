#pragma once
// The steps of the WMI query for the version facts, and the rules for reading its properties.
// The COM side sits behind IWmiOSSession so that the order of the steps, their messages and the
// property rules can be tested without WMI.
#include <cstddef>
#include <cstdint>

#include "os_version_info.h"

namespace Velkora::Utilities {

enum class PropertyReadOutcome {
    kDefault,        // absent, null, of a type that is not taken, or the read failed
    kTaken,          // the value, converted to the wanted type
    kNotConvertible, // a value of a taken type that does not fit the wanted type
};

struct PropertyRead {
    PropertyReadOutcome outcome = PropertyReadOutcome::kDefault;
    std::uint32_t errorCode = 0; // the conversion's result when kNotConvertible
};

enum class PropertyWidth { kUInt8, kUInt16, kUInt32 };

// Variant types whose values are taken: string, signed 32-bit, unsigned 16-bit.
inline constexpr std::uint16_t kVariantString = 8;
inline constexpr std::uint16_t kVariantInt32 = 3;
inline constexpr std::uint16_t kVariantUInt16 = 18;
constexpr bool IsTakenPropertyType(std::uint16_t variantType) {
    return variantType == kVariantString || variantType == kVariantInt32 || variantType == kVariantUInt16;
}
// An unsigned 16-bit value read as a 16-bit number is taken as it is, without conversion.
constexpr bool NeedsConversion(std::uint16_t variantType, PropertyWidth width) {
    return !(variantType == kVariantUInt16 && width == PropertyWidth::kUInt16);
}

// One COM session on the worker thread. Codes are the platform's HRESULTs; the high bit marks
// a failure.
class IWmiOSSession {
  public:
    virtual std::uint32_t InitializeCom() = 0; // multithreaded apartment
    virtual std::uint32_t CreateLocator() = 0;
    virtual std::uint32_t ConnectServer(const wchar_t* nameSpace) = 0;
    virtual std::uint32_t SetProxyBlanket() = 0;
    virtual std::uint32_t ExecQuery(const wchar_t* language, const wchar_t* query, bool& gotEnumerator) = 0;
    // The first object of the result; false when there is none.
    virtual bool NextObject() = 0;
    // Taken texts are cut to capacity - 1 characters and terminated; otherwise buffer is untouched.
    virtual PropertyRead ReadText(const wchar_t* property, wchar_t* buffer, std::size_t capacity) = 0;
    virtual PropertyRead ReadNumber(const wchar_t* property, PropertyWidth width, std::uint32_t& value) = 0;
    virtual void ReleaseObjects() = 0;
    virtual void UninitializeCom() = 0;

  protected:
    ~IWmiOSSession() = default;
};

// One line of diagnostics for the standard error stream.
class IDiagnosticLines {
  public:
    virtual void WriteLine(const wchar_t* line) = 0;

  protected:
    ~IDiagnosticLines() = default;
};

inline constexpr const wchar_t* kOSQuery =
    L"SELECT Version, ProductType, ServicePackMajorVersion, ServicePackMinorVersion, CSDVersion, Caption, "
    L"SuiteMask FROM Win32_OperatingSystem";

// Texts of Version longer than this are cut before parsing; no Windows comes near it.
inline constexpr std::size_t kVersionTextChars = 256;

// Runs the steps on the session; ok is true only when info was filled.
void GetWindowsVersionFromWMI(IWmiOSSession& session, IDiagnosticLines& diagnostics,
                              WindowsOSVersionInfo& info, bool& ok);

} // namespace Velkora::Utilities

#include "wmi_os_query_win32.h"

#include <windows.h>

#include <oleauto.h>
#include <wbemidl.h>

#include "bounded_wide_text.h"
#include "com_objects_win32.h"

namespace Velkora::Utilities {
namespace {

std::uint32_t Code(HRESULT hr) {
    return static_cast<std::uint32_t>(hr);
}

// VariantChangeType is declared with a mutable source, but leaves a source it does not
// write into unchanged.
HRESULT ChangeType(CVariant& into, const CVariant& from, VARTYPE type) {
    return VariantChangeType(into.Receive(), const_cast<VARIANT*>(&from.Get()), 0, type);
}

// The COM objects of one query, released before COM is left.
class CWmiOSSession final : public IWmiOSSession {
  public:
    CWmiOSSession() = default;
    ~CWmiOSSession() {
        ReleaseObjects();
        UninitializeCom();
    }
    CWmiOSSession(const CWmiOSSession&) = delete;
    CWmiOSSession& operator=(const CWmiOSSession&) = delete;

    std::uint32_t InitializeCom() override {
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        comStarted = SUCCEEDED(hr);
        return Code(hr);
    }
    std::uint32_t CreateLocator() override {
        return Code(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                     locator.ReceiveVoid()));
    }
    std::uint32_t ConnectServer(const wchar_t* nameSpace) override {
        CBstr path(nameSpace);
        if (!path)
            return Code(E_OUTOFMEMORY);
        return Code(locator->ConnectServer(path.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                           services.Receive()));
    }
    std::uint32_t SetProxyBlanket() override {
        return Code(CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                      RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                                      EOAC_NONE));
    }
    std::uint32_t ExecQuery(const wchar_t* language, const wchar_t* query, bool& gotEnumerator) override {
        CBstr languageText(language), queryText(query);
        if (!languageText || !queryText)
            return Code(E_OUTOFMEMORY);
        const HRESULT hr = services->ExecQuery(languageText.Get(), queryText.Get(),
                                               WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                               enumerator.Receive());
        gotEnumerator = static_cast<bool>(enumerator);
        return Code(hr);
    }
    bool NextObject() override {
        ULONG returned = 0;
        enumerator->Next(WBEM_INFINITE, 1, object.Receive(), &returned);
        return returned != 0 && object;
    }
    PropertyRead ReadText(const wchar_t* property, wchar_t* buffer, std::size_t capacity) override {
        CVariant value;
        if (!ReadTaken(property, value))
            return {};
        if (value.Get().vt == VT_BSTR) {
            CopyBounded(buffer, capacity, value.Get().bstrVal ? value.Get().bstrVal : L"");
            return {PropertyReadOutcome::kTaken, 0};
        }
        CVariant text;
        const HRESULT hr = ChangeType(text, value, VT_BSTR);
        if (FAILED(hr))
            return {PropertyReadOutcome::kNotConvertible, Code(hr)};
        CopyBounded(buffer, capacity, text.Get().bstrVal ? text.Get().bstrVal : L"");
        return {PropertyReadOutcome::kTaken, 0};
    }
    PropertyRead ReadNumber(const wchar_t* property, PropertyWidth width, std::uint32_t& number) override {
        CVariant value;
        if (!ReadTaken(property, value))
            return {};
        if (!NeedsConversion(value.Get().vt, width)) {
            number = value.Get().uiVal;
            return {PropertyReadOutcome::kTaken, 0};
        }
        const VARTYPE wanted = width == PropertyWidth::kUInt8    ? VT_UI1
                               : width == PropertyWidth::kUInt16 ? VT_UI2
                                                                 : VT_UI4;
        CVariant converted;
        const HRESULT hr = ChangeType(converted, value, wanted);
        if (FAILED(hr))
            return {PropertyReadOutcome::kNotConvertible, Code(hr)};
        number = wanted == VT_UI1   ? converted.Get().bVal
                 : wanted == VT_UI2 ? converted.Get().uiVal
                                    : converted.Get().ulVal;
        return {PropertyReadOutcome::kTaken, 0};
    }
    void ReleaseObjects() override {
        object.Reset();
        enumerator.Reset();
        services.Reset();
        locator.Reset();
    }
    void UninitializeCom() override {
        if (comStarted)
            CoUninitialize();
        comStarted = false;
    }

  private:
    // The value, when the read worked and its type is one that is taken.
    bool ReadTaken(const wchar_t* property, CVariant& value) {
        if (!object)
            return false;
        if (FAILED(object->Get(property, 0, value.Receive(), nullptr, nullptr)))
            return false;
        return IsTakenPropertyType(value.Get().vt);
    }

    bool comStarted = false;
    CComPtr<IWbemLocator> locator;
    CComPtr<IWbemServices> services;
    CComPtr<IEnumWbemClassObject> enumerator;
    CComPtr<IWbemClassObject> object;
};

} // namespace

void CStdErrLines::WriteLine(const wchar_t* line) {
    HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return;
    // Bounded like every message: the longest carries a 255-character version text.
    wchar_t text[600];
    CopyBounded(text, 598, line);
    AppendBounded(text, 600, L"\r\n");
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text, static_cast<DWORD>(WideLength(text)), &written, nullptr);
        return;
    }
    char bytes[600 * 3];
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    if (length > 1)
        WriteFile(out, bytes, static_cast<DWORD>(length - 1), &written, nullptr);
}

void GetWindowsVersionFromWMI(WindowsOSVersionInfo& info, bool& ok) {
    CWmiOSSession session;
    CStdErrLines diagnostics;
    GetWindowsVersionFromWMI(session, diagnostics, info, ok);
}

} // namespace Velkora::Utilities

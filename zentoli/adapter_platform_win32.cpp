#include "adapter_platform_win32.h"

#include <wbemcli.h>

#include "com_objects_win32.h"
#include "scoped_handle_win32.h"
#include "trace_marks_win32.h"

namespace Zentoli {

using Velkora::CBstr;
using Velkora::CComInitializer;
using Velkora::CComPtr;
using Velkora::CModule;
using Velkora::CRegKey;
using Velkora::CVariant;
namespace {

// WbemAdministrativeLocator and IWbemLocator, spelled out so no GUID library is needed.
const CLSID kWbemAdministrativeLocator = {
    0xCB8555CC, 0x9128, 0x11D1, {0xAD, 0x9B, 0x00, 0xC0, 0x4F, 0xD8, 0xFD, 0xFF}};
const IID kIWbemLocator = {0xDC12A687, 0x737F, 0x11CF, {0x88, 0x4D, 0x00, 0xAA, 0x00, 0x4B, 0x2E, 0x24}};

// Reads one property; false when the read itself failed.
bool ReadProperty(IWbemClassObject* object, const wchar_t* name, CVariant& value) {
    return SUCCEEDED(object->Get(name, 0, value.Receive(), nullptr, nullptr));
}

void ReadText(IWbemClassObject* object, const wchar_t* name, std::optional<std::wstring>& field,
              bool& failed) {
    CVariant value;
    if (!ReadProperty(object, name, value)) {
        failed = true;
        return;
    }
    const VARIANT& v = value.Get();
    if (v.vt == VT_BSTR && v.bstrVal)
        field = std::wstring(v.bstrVal, SysStringLen(v.bstrVal));
}

// AdapterRAM is a CIM uint32 that WMI hands over as VT_I4; its bits are the byte count.
void ReadAdapterRam(IWbemClassObject* object, std::optional<std::uint32_t>& field, bool& failed) {
    CVariant value;
    if (!ReadProperty(object, L"AdapterRAM", value)) {
        failed = true;
        return;
    }
    const VARIANT& v = value.Get();
    switch (v.vt) {
    case VT_I4:
        field = static_cast<std::uint32_t>(v.lVal);
        break;
    case VT_UI4:
        field = static_cast<std::uint32_t>(v.ulVal);
        break;
    case VT_INT:
        field = static_cast<std::uint32_t>(v.intVal);
        break;
    case VT_UINT:
        field = static_cast<std::uint32_t>(v.uintVal);
        break;
    case VT_I8:
        field = static_cast<std::uint32_t>(v.llVal);
        break;
    case VT_UI8:
        field = static_cast<std::uint32_t>(v.ullVal);
        break;
    default:
        break;
    }
}

std::wstring FixedText(const wchar_t* text, std::size_t capacity) {
    std::size_t length = 0;
    while (length < capacity && text[length] != L'\0')
        ++length;
    return std::wstring(text, length);
}

// A registry text value; empty when absent, of another type or unreasonably large.
std::wstring ReadRegistryText(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    if ((type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) || size == 0 || size > 65536)
        return {};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD read = size;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &read) !=
        ERROR_SUCCESS)
        return {};
    // The stored text need not end with a terminator; the extra unit above is one.
    return FixedText(text.c_str(), read / sizeof(wchar_t));
}

} // namespace

bool CWin32AdapterPlatform::QueryVideoControllers(std::size_t maxCount,
                                                  std::vector<VideoControllerRecord>& records) {
    Velkora::TraceMark(L"Zentoli: video controller query");
    CComInitializer com(COINIT_MULTITHREADED);
    HRESULT hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    // Security set up earlier in this process is just as good.
    if (FAILED(hr) && hr != RPC_E_TOO_LATE)
        return false;
    CComPtr<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(kWbemAdministrativeLocator, nullptr, CLSCTX_INPROC_SERVER, kIWbemLocator,
                                locator.ReceiveVoid())))
        return false;
    CComPtr<IWbemServices> services;
    CBstr nameSpace(L"root\\cimv2");
    if (FAILED(locator->ConnectServer(nameSpace.Get(), nullptr, nullptr, nullptr,
                                      WBEM_FLAG_CONNECT_USE_MAX_WAIT, nullptr, nullptr, services.Receive())))
        return false;
    CComPtr<IEnumWbemClassObject> enumerator;
    CBstr language(L"WQL");
    CBstr query(L"SELECT * FROM Win32_VideoController");
    if (FAILED(services->ExecQuery(language.Get(), query.Get(),
                                   WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                   enumerator.Receive())))
        return false;
    std::vector<IWbemClassObject*> objects(maxCount, nullptr);
    std::vector<CComPtr<IWbemClassObject>> owners(
        maxCount); // made before the call, so taking them over cannot fail
    ULONG returned = 0;
    if (FAILED(enumerator->Next(WBEM_INFINITE, static_cast<ULONG>(maxCount), objects.data(), &returned)))
        return false;
    for (ULONG i = 0; i < returned && i < maxCount; ++i)
        *owners[i].Receive() = objects[i];
    for (ULONG i = 0; i < returned && i < maxCount; ++i) {
        IWbemClassObject* object = owners[i].Get();
        VideoControllerRecord record;
        ReadText(object, L"Caption", record.caption, record.readFailed);
        ReadAdapterRam(object, record.adapterRam, record.readFailed);
        ReadText(object, L"DriverDate", record.driverDate, record.readFailed);
        ReadText(object, L"DriverVersion", record.driverVersion, record.readFailed);
        ReadText(object, L"PNPDeviceID", record.pnpDeviceId, record.readFailed);
        records.push_back(std::move(record));
    }
    Velkora::TraceMark(L"Zentoli: video controllers read");
    return true;
}

std::optional<std::vector<DisplayDeviceRecord>> CWin32AdapterPlatform::DisplayDevices() {
    using EnumDisplayDevicesProc = BOOL(WINAPI*)(LPCWSTR, DWORD, PDISPLAY_DEVICEW, DWORD);
    CModule user32(LoadLibraryW(L"user32.dll"));
    if (!user32.Get())
        return std::nullopt;
    auto enumDisplayDevices = reinterpret_cast<EnumDisplayDevicesProc>(
        reinterpret_cast<void*>(GetProcAddress(user32.Get(), "EnumDisplayDevicesW")));
    if (!enumDisplayDevices)
        return std::nullopt;
    std::vector<DisplayDeviceRecord> devices;
    // The index bound only guards against a driver that never says "no more".
    for (DWORD index = 0; index < 256; ++index) {
        DISPLAY_DEVICEW device{};
        device.cb = sizeof(device);
        if (!enumDisplayDevices(nullptr, index, &device, 0))
            break;
        devices.push_back({FixedText(device.DeviceID, std::size(device.DeviceID)),
                           FixedText(device.DeviceKey, std::size(device.DeviceKey)),
                           (device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) != 0,
                           (device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER) != 0});
    }
    return devices;
}

std::optional<DriverKeyValues> CWin32AdapterPlatform::ReadDriverKey(const std::wstring& keyPath) {
    CRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return DriverKeyValues{ReadRegistryText(key.Get(), L"DriverVersion"),
                           ReadRegistryText(key.Get(), L"ReleaseVersion")};
}

} // namespace Zentoli

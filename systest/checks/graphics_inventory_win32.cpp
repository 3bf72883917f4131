#include "graphics_inventory_win32.h"

#include <windows.h>

#include <wbemcli.h>

#include <array>
#include <cwchar>

#include "com_objects_win32.h"
#include "scoped_handle_win32.h"

namespace Velkora {
namespace {

// The administrative locator, as an in-process server (not in the MinGW headers).
const CLSID kClsidWbemAdministrativeLocator = {
    0xCB8555CC, 0x9128, 0x11D1, {0xAD, 0x9B, 0x00, 0xC0, 0x4F, 0xD8, 0xFD, 0xFF}};
const IID kIidWbemLocator = {0xDC12A687, 0x737F, 0x11CF, {0x88, 0x4D, 0x00, 0xAA, 0x00, 0x4B, 0x2E, 0x24}};

// Never enumerate forever, whatever the driver reports.
constexpr DWORD kMaxDisplayDevices = 256;

WmiValue ReadProperty(IWbemClassObject* object, const wchar_t* name) {
    CVariant value;
    if (FAILED(object->Get(name, 0, value.Receive(), nullptr, nullptr)))
        return WmiValue{};
    const VARIANT& v = value.Get();
    WmiValue result;
    switch (v.vt) {
    case VT_NULL:
    case VT_EMPTY:
        return WmiValue::Null();
    case VT_BSTR:
        result.kind = WmiValue::Kind::kText;
        if (v.bstrVal)
            result.text.assign(v.bstrVal, SysStringLen(v.bstrVal));
        break;
    default:
        result.kind = WmiValue::Kind::kOther;
    }
    // WMI hands unsigned 32-bit values over as signed ones (AdapterRAM of 4 GiB is -1).
    if (v.vt == VT_I4) {
        result.number = static_cast<std::uint32_t>(v.lVal);
    } else {
        CVariant converted;
        if (SUCCEEDED(VariantChangeType(converted.Receive(), const_cast<VARIANT*>(&v), 0, VT_UI4))) {
            result.number = converted.Get().ulVal;
        }
    }
    return result;
}

std::optional<std::wstring> ReadRegistryText(HKEY key, const wchar_t* name) {
    std::array<wchar_t, kRegistryTextUnits> buffer{};
    DWORD size = sizeof(buffer);
    if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegistryBufferText(std::wstring_view(buffer.data(), buffer.size()));
}

template <std::size_t N> std::wstring FixedText(const wchar_t (&text)[N]) {
    return std::wstring(text, wcsnlen(text, N));
}

} // namespace

VideoControllerQuery CGraphicsFacts::QueryVideoControllers() {
    VideoControllerQuery query;
    CComPtr<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(kClsidWbemAdministrativeLocator, nullptr, CLSCTX_INPROC_SERVER,
                                kIidWbemLocator, locator.ReceiveVoid()))) {
        return query;
    }
    CBstr nameSpace(L"root\\cimv2");
    CComPtr<IWbemServices> services;
    if (FAILED(locator->ConnectServer(nameSpace.Get(), nullptr, nullptr, nullptr,
                                      WBEM_FLAG_CONNECT_USE_MAX_WAIT, nullptr, nullptr,
                                      services.Receive()))) {
        return query;
    }
    if (FAILED(CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                 RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE))) {
        return query;
    }
    CBstr language(L"WQL");
    CBstr text(L"SELECT * FROM Win32_VideoController");
    CComPtr<IEnumWbemClassObject> objects;
    if (FAILED(services->ExecQuery(language.Get(), text.Get(), WBEM_FLAG_FORWARD_ONLY, nullptr,
                                   objects.Receive()))) {
        return query;
    }
    query.succeeded = true;
    while (query.controllers.size() < kMaxVideoControllers) {
        CComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        HRESULT hr = objects->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.Receive(), &returned);
        if (FAILED(hr) || returned == 0 || !object)
            break;
        query.controllers.push_back(VideoControllerFacts{
            ReadProperty(object.Get(), L"PNPDeviceID"), ReadProperty(object.Get(), L"DriverVersion"),
            ReadProperty(object.Get(), L"Caption"), ReadProperty(object.Get(), L"AdapterRAM"),
            ReadProperty(object.Get(), L"DriverDate")});
    }
    return query;
}

std::vector<DisplayDeviceFacts> CGraphicsFacts::EnumerateDisplayDevices() {
    std::vector<DisplayDeviceFacts> devices;
    for (DWORD index = 0; index < kMaxDisplayDevices; ++index) {
        DISPLAY_DEVICEW device{};
        device.cb = sizeof(device);
        if (!EnumDisplayDevicesW(nullptr, index, &device, 0))
            break;
        DisplayDeviceFacts facts;
        facts.stateFlags = device.StateFlags;
        facts.deviceId = FixedText(device.DeviceID);
        facts.deviceKey = FixedText(device.DeviceKey);
        if (!facts.deviceKey.empty()) {
            CRegKey key;
            if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, DisplayDeviceRegistryPath(facts.deviceKey).c_str(), 0,
                              KEY_QUERY_VALUE, key.Receive()) == ERROR_SUCCESS) {
                facts.keyOpened = true;
                facts.driverVersion = ReadRegistryText(key.Get(), L"DriverVersion");
                facts.releaseVersion = ReadRegistryText(key.Get(), L"ReleaseVersion");
            }
        }
        devices.push_back(std::move(facts));
    }
    return devices;
}

void CBackgroundGraphicsFacts::Prefetch() {
    std::shared_ptr<CGraphicsFacts> shared = facts;
    // Without a thread, Wait gives no answer: the inventory then fails as one not answered in time.
    (void)query.Start([shared] {
        CComInitializer com(COINIT_MULTITHREADED);
        return shared->QueryVideoControllers();
    });
}

VideoControllerQuery CBackgroundGraphicsFacts::QueryVideoControllers() {
    if (!query.Started())
        Prefetch();
    // Not succeeded (no answer in time, or no thread): the inventory fails with -1.
    return query.Wait(limit).value_or(VideoControllerQuery{});
}

} // namespace Velkora

#include "matched_adapter_patch_win32.h"

#include <cstdio>

#include "adapter_platform_win32.h"
#include "scoped_handle_win32.h"

namespace Zentoli {

using Velkora::CRegKey;

namespace {

constexpr std::wstring_view kMachinePrefix = L"\\Registry\\Machine\\";

std::optional<DisplayDeviceRecord> PrimaryDisplayDevice() {
    CWin32AdapterPlatform platform;
    auto devices = platform.DisplayDevices();
    if (!devices)
        return std::nullopt;
    for (const DisplayDeviceRecord& device : *devices)
        if (device.attachedToDesktop && !device.mirroringDriver && !device.deviceKey.empty())
            return device;
    return std::nullopt;
}

std::wstring SubkeyName(HKEY key, DWORD index) {
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return {};
    return std::wstring(name, length);
}

// The PCI device key below Enum whose "Device Parameters" name the display driver's key by its
// VideoID: the key that holds the HardwareID Wine reports as the display device id.
std::optional<std::wstring> EnumInstanceKey(const std::wstring& driverKey) {
    std::size_t end = driverKey.rfind(L'\\');
    std::size_t start = driverKey.rfind(L'\\', end - 1);
    if (end == std::wstring::npos || start == std::wstring::npos)
        return std::nullopt;
    std::wstring videoId = driverKey.substr(start + 1, end - start - 1);
    const std::wstring pci = L"System\\CurrentControlSet\\Enum\\PCI";
    CRegKey devices;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, pci.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, devices.Receive()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    for (DWORD i = 0;; ++i) {
        std::wstring device = SubkeyName(devices.Get(), i);
        if (device.empty())
            break;
        CRegKey instances;
        if (RegOpenKeyExW(devices.Get(), device.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, instances.Receive()) !=
            ERROR_SUCCESS)
            continue;
        for (DWORD k = 0;; ++k) {
            std::wstring instance = SubkeyName(instances.Get(), k);
            if (instance.empty())
                break;
            std::wstring path = pci + L"\\" + device + L"\\" + instance;
            CRegKey parameters;
            if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (path + L"\\Device Parameters").c_str(), 0, KEY_QUERY_VALUE,
                              parameters.Receive()) != ERROR_SUCCESS)
                continue;
            wchar_t value[128] = {};
            DWORD size = sizeof(value) - sizeof(wchar_t);
            if (RegQueryValueExW(parameters.Get(), L"VideoID", nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
                _wcsicmp(value, videoId.c_str()) == 0)
                return path;
        }
    }
    return std::nullopt;
}

} // namespace

bool CMatchedAdapterPatch::Save(const std::wstring& key, const wchar_t* name) {
    CRegKey k;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, k.Receive()) != ERROR_SUCCESS)
        return false;
    SavedValue value{key, name, std::nullopt, REG_SZ};
    DWORD size = 0;
    if (RegQueryValueExW(k.Get(), name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> data(size);
        if (RegQueryValueExW(k.Get(), name, nullptr, &value.type, data.data(), &size) == ERROR_SUCCESS)
            value.data = std::move(data);
    }
    saved.push_back(std::move(value));
    return true;
}

bool CMatchedAdapterPatch::Write(const std::wstring& key, const wchar_t* name, DWORD type, const void* data,
                                 DWORD size) {
    CRegKey k;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_SET_VALUE, k.Receive()) != ERROR_SUCCESS)
        return false;
    return RegSetValueExW(k.Get(), name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool CMatchedAdapterPatch::Apply(const std::wstring& driverVersion, std::wstring& reason) {
    CWin32AdapterPlatform platform;
    std::vector<VideoControllerRecord> controllers;
    if (!platform.QueryVideoControllers(1, controllers) || controllers.empty() ||
        !controllers[0].pnpDeviceId) {
        reason = L"WMI gave no video controller";
        return false;
    }
    pnpDeviceId = *controllers[0].pnpDeviceId;
    // PCI\VEN_xxxx&DEV_xxxx&SUBSYS_xxxxxxxx&REV_xx\instance: the hardware id is all before the instance.
    std::size_t cut = pnpDeviceId.find(L'\\', 4);
    std::wstring hardwareId = pnpDeviceId.substr(0, cut);

    std::optional<DisplayDeviceRecord> device = PrimaryDisplayDevice();
    if (!device || device->deviceKey.compare(0, kMachinePrefix.size(), kMachinePrefix) != 0) {
        reason = L"no display device with a driver key";
        return false;
    }
    std::wstring driverKey = device->deviceKey.substr(kMachinePrefix.size());
    std::optional<std::wstring> instance = EnumInstanceKey(driverKey);
    if (!instance) {
        reason = L"no Enum key for " + driverKey;
        return false;
    }
    if (!Save(*instance, L"HardwareID") || !Save(driverKey, L"DriverVersion") ||
        !Save(driverKey, L"ReleaseVersion")) {
        reason = L"keys cannot be read";
        return false;
    }
    std::wstring multi = hardwareId + L'\0' + L'\0';
    if (!Write(*instance, L"HardwareID", REG_MULTI_SZ, multi.c_str(), static_cast<DWORD>(multi.size() * 2)) ||
        !Write(driverKey, L"DriverVersion", REG_SZ, driverVersion.c_str(),
               static_cast<DWORD>((driverVersion.size() + 1) * 2))) {
        reason = L"keys cannot be written";
        return false;
    }
    return true;
}

void CMatchedAdapterPatch::Restore() {
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
        if (it->data) {
            // Nothing else can put the value back: say so, so that the next run's odd adapter has a cause.
            if (!Write(it->key, it->name.c_str(), it->type, it->data->data(),
                       static_cast<DWORD>(it->data->size())))
                std::fwprintf(stderr, L"matched adapter patch: %ls\\%ls not restored\n", it->key.c_str(),
                              it->name.c_str());
        } else {
            CRegKey k;
            if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, it->key.c_str(), 0, KEY_SET_VALUE, k.Receive()) ==
                ERROR_SUCCESS)
                RegDeleteValueW(k.Get(), it->name.c_str());
        }
    }
    saved.clear();
}

} // namespace Zentoli

// Runs the graphics inventory or the whole graphics sequence on this machine and prints what it
// found as name=value lines (UTF-8). Message boxes become "box=" lines, so nothing ever waits.
//   graphics_probe inventory   the facts WMI and the display devices give, and the record
//   graphics_probe checks      diagnostics, the three checks and the list replacement, in the
//                              current directory
//   graphics_probe timing <n>  milliseconds per inventory and per start of the stand-in (n times)
// With VELKORA_PROBE_DISPLAY_DEVICE_ID set, the primary display device carries that id (where the
// runtime's display device cannot be given WMI's id; see graphics_script_helpers.sh).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "com_objects_win32.h"
#include "graphics_platform_win32.h"

namespace Velkora {
namespace {

void Print(const std::string& name, const std::wstring& value) {
    std::string utf8;
    if (!value.empty()) {
        int size = WideCharToMultiByte(CP_UTF8, 0, value.data(), static_cast<int>(value.size()), nullptr, 0,
                                       nullptr, nullptr);
        utf8.resize(size);
        WideCharToMultiByte(CP_UTF8, 0, value.data(), static_cast<int>(value.size()), utf8.data(), size,
                            nullptr, nullptr);
    }
    for (char& c : utf8) {
        if (c == '\n' || c == '\r')
            c = '|';
    }
    std::printf("%s=%s\n", name.c_str(), utf8.c_str());
    std::fflush(stdout);
}

void Print(const std::string& name, long long value) {
    Print(name, std::to_wstring(value));
}

std::wstring VersionText(const DriverVersionParts& v) {
    return std::to_wstring(v.major) + L"." + std::to_wstring(v.minor) + L"." + std::to_wstring(v.build) +
           L"." + std::to_wstring(v.revision);
}

std::wstring ValueText(const WmiValue& value) {
    switch (value.kind) {
    case WmiValue::Kind::kUnreadable:
        return L"<unreadable>";
    case WmiValue::Kind::kNull:
        return L"<null>";
    case WmiValue::Kind::kText:
        return value.text;
    default:
        return value.number ? std::to_wstring(*value.number) : L"<other>";
    }
}

class CPrintedBoxes : public IMessageBoxes {
  public:
    void ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle) override {
        Print("box", title + L": " + text);
    }
    void ShowNarrow(const std::string& text, const std::string& title) override {
        Print("box",
              std::wstring(title.begin(), title.end()) + L": " + std::wstring(text.begin(), text.end()));
    }
};

// Each text is its number, so the output shows which text a verdict chose.
class CNumberTexts : public ITextSource {
  public:
    std::wstring Text(TextId id) const override { return L"#" + std::to_wstring(id); }
    std::wstring RegisteredText(TextId id) const override { return Text(id); }
};

void PrintRecord(const GraphicsAdapterInfo& info) {
    Print("caption", info.caption);
    Print("memoryBytes", info.memoryBytes);
    Print("driverVersion", VersionText(info.driverVersion));
    Print("driverDate", info.driverDate);
    Print("pnpDeviceId", info.pnpDeviceId);
    Print("adaptersDiffer", info.adaptersDiffer ? 1 : 0);
}

void PrintResult(const std::string& name, const CheckResult& result) {
    Print(name, std::to_wstring(result.severity) + L" " + result.text +
                    (result.reportText != result.text ? L" / " + result.reportText : L""));
}

// Windows' facts, except the primary display device's id when the environment names one.
class CProbeFacts : public IGraphicsFacts {
  public:
    explicit CProbeFacts(IGraphicsFacts& windows) : windows(windows) {
        wchar_t id[512];
        const DWORD length = GetEnvironmentVariableW(L"VELKORA_PROBE_DISPLAY_DEVICE_ID", id, 512);
        if (length > 0 && length < 512)
            deviceId.assign(id, length);
    }
    VideoControllerQuery QueryVideoControllers() override { return windows.QueryVideoControllers(); }
    std::vector<DisplayDeviceFacts> EnumerateDisplayDevices() override {
        std::vector<DisplayDeviceFacts> devices = windows.EnumerateDisplayDevices();
        if (deviceId.empty())
            return devices;
        for (DisplayDeviceFacts& device : devices) {
            if ((device.stateFlags & kDisplayPrimaryDevice) != 0) {
                device.deviceId = deviceId;
                break;
            }
        }
        return devices;
    }

  private:
    IGraphicsFacts& windows;
    std::wstring deviceId;
};

int Inventory() {
    CGraphicsFacts windows;
    CProbeFacts facts(windows);
    VideoControllerQuery query = facts.QueryVideoControllers();
    Print("wmi", query.succeeded ? 1 : 0);
    for (std::size_t i = 0; i < query.controllers.size(); ++i) {
        const VideoControllerFacts& c = query.controllers[i];
        std::string at = "controller" + std::to_string(i) + ".";
        Print(at + "PNPDeviceID", ValueText(c.pnpDeviceId));
        Print(at + "DriverVersion", ValueText(c.driverVersion));
        Print(at + "Caption", ValueText(c.caption));
        Print(at + "AdapterRAM", ValueText(c.adapterRam));
        Print(at + "DriverDate", ValueText(c.driverDate));
    }
    std::vector<DisplayDeviceFacts> devices = facts.EnumerateDisplayDevices();
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const DisplayDeviceFacts& d = devices[i];
        std::string at = "device" + std::to_string(i) + ".";
        Print(at + "StateFlags", d.stateFlags);
        Print(at + "DeviceID", d.deviceId);
        Print(at + "DeviceKey", d.deviceKey);
        Print(at + "keyOpened", d.keyOpened ? 1 : 0);
        Print(at + "DriverVersion", d.driverVersion.value_or(L"<unreadable>"));
        Print(at + "ReleaseVersion", d.releaseVersion.value_or(L"<unreadable>"));
    }
    GraphicsAdapterInfo info;
    Print("result", CollectGraphicsAdapterInfo(info, facts, nullptr));
    PrintRecord(info);
    return 0;
}

int Checks() {
    CPrintedBoxes boxes;
    CGraphicsPlatform platform(&boxes);
    GraphicsServices windows = platform.Services();
    CProbeFacts facts(windows.facts);
    GraphicsServices services{windows.boxes, windows.launcher, facts,
                              windows.files, windows.version,  windows.verbose};
    CNumberTexts texts;
    GraphicsCheckState state;
    CGraphicsChecks checks(state, services, texts, L"Velkora 2018");
    if (auto version = services.version.QueryWindowsVersion()) {
        Print("windows", std::to_wstring(version->major) + L"." + std::to_wstring(version->minor));
    }
    bool run = checks.RunGraphicsDiagnostics();
    Print("run", run ? 1 : 0);
    Print("diagnosticsCode", state.diagnosticsCode);
    Print("noDriverVersion", state.noDriverVersion ? 1 : 0);
    PrintRecord(state.info);
    if (run) {
        CheckResult memory, card, driver, identical;
        checks.CheckVideoMemory(memory);
        checks.CheckCardListVerdict(card, driver);
        checks.CheckAdaptersIdentical(identical);
        PrintResult("memory", memory);
        PrintResult("card", card);
        PrintResult("driver", driver);
        PrintResult("identical", identical);
    }
    Print("replaced", checks.ReplaceCardListForOlderWindows() ? 1 : 0);
    Print("finalDiagnosticsCode", state.diagnosticsCode);
    Print("listInUse", checks.CardListInUse());
    if (run) {
        // The card verdict once more, by the list now in use.
        CheckResult card, driver;
        checks.CheckCardListVerdict(card, driver);
        PrintResult("laterCard", card);
    }
    return 0;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

template <class Step> void Time(const char* name, int times, Step step) {
    double first = 0, rest = 0;
    for (int i = 0; i < times; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        step();
        QueryPerformanceCounter(&end);
        (i == 0 ? first : rest) += Milliseconds(start, end);
    }
    std::printf("%s: first %.1f ms, then %.1f ms on average over %d\n", name, first,
                times > 1 ? rest / (times - 1) : 0.0, times - 1);
    std::fflush(stdout);
}

int Timing(int times) {
    CGraphicsFacts facts;
    GraphicsAdapterInfo info;
    Time("WMI query", times, [&] { facts.QueryVideoControllers(); });
    Time("display devices and registry", times, [&] { facts.EnumerateDisplayDevices(); });
    // Only the times count in this mode: what the calls answer is not looked at.
    Time("whole inventory", times, [&] { (void)CollectGraphicsAdapterInfo(info, facts, nullptr); });
    CPrintedBoxes boxes;
    CProcessLauncher launcher(boxes);
    Time("start hidden in a new console and wait", times, [&] {
        (void)launcher.LaunchProcess(L"diagnostics_standin.exe 3", kHideWindow, kNewConsole, kWaitForExit);
    });
    Time("start without a console window and wait", times, [&] {
        (void)launcher.LaunchProcess(L"diagnostics_standin.exe 3", kHideWindow, kInheritConsole,
                                     kWaitForExit);
    });
    return 0;
}

} // namespace
} // namespace Velkora

int wmain(int argc, wchar_t** argv) {
    Velkora::CComInitializer com;
    std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"inventory")
        return Velkora::Inventory();
    if (mode == L"checks")
        return Velkora::Checks();
    if (mode == L"timing")
        return Velkora::Timing(argc > 2 ? std::max(1, _wtoi(argv[2])) : 10);
    std::fprintf(stderr, "usage: graphics_probe inventory|checks|timing [n]\n");
    return 2;
}

// Diagnostic: what this machine reports to the operating system identification and the five
// hardware checks, and the verdicts they give.
//   hardware_probe <language module>
// Prints key=value lines in UTF-8.
#include <windows.h>

#include <cstdio>
#include <string>

#include "hardware_checks.h"
#include "hardware_checks_win32.h"
#include "hardware_facts_win32.h"
#include "os_display_string_win32.h"
#include "resource_modules_win32.h"

namespace {

void Print(const char* key, const std::wstring& value) {
    int n = WideCharToMultiByte(CP_UTF8, 0, value.c_str(), static_cast<int>(value.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, value.c_str(), static_cast<int>(value.size()), bytes.data(), n, nullptr,
                        nullptr);
    std::printf("%s=%s\n", key, bytes.c_str());
}

std::wstring Hex(unsigned value) {
    wchar_t text[16];
    swprintf(text, 16, L"0x%x", value);
    return text;
}

void PrintVersionFacts() {
    Velkora::Utilities::WindowsOSVersionInfo info{};
    if (!Velkora::Utilities::QueryOSVersionInfo(info)) {
        Print("wmi", L"failed");
        return;
    }
    Print("wmi.version", std::to_wstring(info.majorVersion) + L"." + std::to_wstring(info.minorVersion) +
                             L"." + std::to_wstring(info.buildNumber));
    Print("wmi.caption", info.caption);
    Print("wmi.csdversion", info.csdVersion);
    Print("wmi.servicepack",
          std::to_wstring(info.servicePackMajor) + L"." + std::to_wstring(info.servicePackMinor));
    Print("wmi.producttype", std::to_wstring(info.productType));
    Print("wmi.suitemask", Hex(info.suiteMask));
    DWORD edition = 0;
    GetProductInfo(info.majorVersion, info.minorVersion, 0, 0, &edition);
    Print("edition", Hex(edition));
    SYSTEM_INFO system{};
    GetNativeSystemInfo(&system);
    Print("architecture", std::to_wstring(system.wProcessorArchitecture));
    Print("serverr2", std::to_wstring(GetSystemMetrics(SM_SERVERR2)));
    wchar_t name[256] = {};
    wchar_t code[3] = {};
    Print("display.result", std::to_wstring(GetOSDisplayString(name, code)));
    Print("display.name", name);
    Print("display.code", code);
}

void PrintHardwareFacts() {
    Velkora::ProcessorFacts processor = Velkora::ReadProcessorFacts();
    Print("processor", L"sse=" + std::to_wstring(processor.hasSse) + L" sse2=" +
                           std::to_wstring(processor.hasSse2) + L" logical=" +
                           std::to_wstring(processor.logicalProcessors));
    Velkora::MemoryFacts memory = Velkora::ReadMemoryFacts();
    Print("memory", memory.known ? std::to_wstring(memory.installedKilobytes) + L" KB" : L"unknown");
    Velkora::DriveTable drives = Velkora::ReadDriveTable();
    std::wstring list;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (drives[i].driveType <= 1)
            continue; // unknown or no root
        list += std::wstring(list.empty() ? L"" : L" ") + static_cast<wchar_t>(L'A' + i) + L":type" +
                std::to_wstring(drives[i].driveType) + L":" + std::to_wstring(drives[i].freeBytes);
    }
    Print("drives", list);
    Velkora::ScreenFacts screen = Velkora::ReadScreenFacts();
    Print("screen", std::to_wstring(screen.width) + L"x" + std::to_wstring(screen.height));
}

void PrintVerdicts(const Velkora::ITextSource& texts) {
    using Check = void (*)(const Velkora::ITextSource&, Velkora::CheckResult&);
    const std::pair<const char*, Check> checks[] = {
        {"check.os", Velkora::CheckOperatingSystem}, {"check.processor", Velkora::CheckProcessor},
        {"check.memory", Velkora::CheckMemory},      {"check.disk", Velkora::CheckDiskSpace},
        {"check.screen", Velkora::CheckScreen},
    };
    for (const auto& [key, check] : checks) {
        Velkora::CheckResult result;
        check(texts, result);
        Print(key, std::to_wstring(result.severity) + L" " + result.text);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: hardware_probe <language module>\n");
        return 2;
    }
    HMODULE language = LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!language) {
        std::fprintf(stderr, "cannot load the language module\n");
        return 3;
    }
    Velkora::CResourceModules modules(language);
    Velkora::CModuleTextSource texts(modules);
    PrintVersionFacts();
    PrintHardwareFacts();
    PrintVerdicts(texts);
    std::fflush(stdout);
    return 0;
}

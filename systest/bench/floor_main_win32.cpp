// The floor of a check: the platform work a check needs, one step after the other and with none
// of its decisions. The run's time is what a check that does its steps in sequence cannot go below.
//   systest_bench_floor [-steps]    -steps: the milliseconds of each step on standard output
// The last step starts this program again, hidden as the diagnostics program is started, to make
// an OpenGL context on a hidden window and build two shader programs in it.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "com_objects_win32.h"
#include "diagnostics_launch_win32.h"
#include "file_contents_win32.h"
#include "gl_device_win32.h"
#include "graphics_inventory_win32.h"
#include "hardware_facts_win32.h"
#include "hidden_window_win32.h"
#include "no_message_boxes.h"
#include "scoped_handle_win32.h"
#include "shader_programs_win32.h"
#include "step_clock_win32.h"
#include "wmi_os_query_win32.h"

namespace VelkoraBench {
namespace {

using VelkoraTest::ReadFileBytes;

constexpr int kFailed = 1;
constexpr wchar_t kChildWord[] = L"-child";

std::wstring ProgramFileName() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    return full.substr(full.find_last_of(L"\\/") + 1);
}

// Where the child writes its step lines for the parent to print.
std::wstring ChildLinesPath() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"velkora-floor-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
}

void WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    Velkora::CFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (file)
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The diagnostics program's platform work: a hidden window, a context on it, two shader programs.
int RunChild(const wchar_t* linesPath) {
    CStepClock clock;
    Zentoli::CHiddenWindow window;
    if (!window.Create())
        return kFailed;
    clock.EndStep("child: hidden window");
    Zentoli::CWin32GlDevice device(window.Dc());
    const int format = device.ChoosePixelFormat();
    if (format == 0 || !device.SetPixelFormat(format) || !device.CreateCurrentContext())
        return kFailed;
    clock.EndStep("child: pixel format and WGL context");
    const bool built = BuildShaderPrograms(device);
    clock.EndStep("child: two shader programs");
    device.ReleaseContext();
    window.Destroy();
    clock.EndStep("child: context and window released");
    if (linesPath)
        WriteWholeFile(linesPath, clock.Lines());
    return built ? 0 : kFailed;
}

int RunFloor(bool printSteps) {
    CStepClock clock;
    Velkora::Utilities::WindowsOSVersionInfo os{};
    bool osRead = false;
    Velkora::Utilities::GetWindowsVersionFromWMI(os, osRead);
    clock.EndStep("WMI Win32_OperatingSystem");
    Velkora::VideoControllerQuery controllers;
    {
        Velkora::CComInitializer com(COINIT_MULTITHREADED);
        Velkora::CGraphicsFacts graphics;
        controllers = graphics.QueryVideoControllers();
        clock.EndStep("WMI Win32_VideoController");
        graphics.EnumerateDisplayDevices();
        clock.EndStep("display devices");
    }
    Velkora::ReadOSSupportFacts();
    Velkora::ReadProcessorFacts();
    Velkora::ReadMemoryFacts();
    clock.EndStep("version, processor, memory");
    Velkora::ReadDriveTable();
    clock.EndStep("drives");
    Velkora::ReadScreenFacts();
    clock.EndStep("screen");

    const std::wstring linesPath = ChildLinesPath();
    std::wstring commandLine = ProgramFileName() + L" " + kChildWord;
    if (printSteps)
        commandLine += L" \"" + linesPath + L"\"";
    CNoMessageBoxes boxes;
    Velkora::CProcessLauncher launcher(boxes);
    const std::int32_t childCode = launcher.LaunchProcess(commandLine, Velkora::kHideWindow,
                                                          Velkora::kNewConsole, Velkora::kWaitForExit);
    clock.EndStep("child process, started to ended");

    if (printSteps) {
        char total[96];
        std::snprintf(total, sizeof total, "  %-40s %8.1f ms\n", "whole run", clock.Elapsed());
        WriteOutput(clock.Lines() + ReadFileBytes(linesPath).value_or("") + total);
        DeleteFileW(linesPath.c_str());
    }
    // A floor that skipped work would be no floor: say which part failed.
    if (!osRead || !controllers.succeeded || childCode != 0) {
        char message[160];
        std::snprintf(message, sizeof message,
                      "floor incomplete: WMI OS %s, WMI video %s, child exit code %d\n",
                      osRead ? "read" : "FAILED", controllers.succeeded ? "read" : "FAILED",
                      static_cast<int>(childCode));
        WriteOutput(message);
        return kFailed;
    }
    return 0;
}

} // namespace
} // namespace VelkoraBench

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring first = words && count > 1 ? words[1] : L"";
    int code = 0;
    if (first == VelkoraBench::kChildWord)
        code = VelkoraBench::RunChild(count > 2 ? words[2] : nullptr);
    else
        code = VelkoraBench::RunFloor(first == L"-steps");
    LocalFree(words);
    return code;
}

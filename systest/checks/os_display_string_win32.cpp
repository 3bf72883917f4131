// Runs in two settings: inside our own program, and inside a program that loaded our
// executable as a module, where the C runtime was never started and no static constructor ran.
// So: constant-initialised data only, no C++ runtime objects, memory from the process heap,
// the thread from CreateThread, output through the standard-error handle.
#include "os_display_string_win32.h"

#include <windows.h>

#include "bounded_wide_text.h"
#include "kernel32_lookup_win32.h"
#include "os_display_name.h"
#include "os_version_cache.h"
#include "wmi_os_query_win32.h"

namespace Velkora::Utilities {
namespace {

constinit OSVersionCache versionCache{};
// How long a caller waits for the worker; a run with a time limit sets it.
constinit DWORD queryWaitLimit = INFINITE;
// A worker that did not finish within the limit. While it runs, no second one is started: a
// second query of a WMI that hangs would only make the caller wait as long again.
constinit HANDLE unfinishedWorker = nullptr;

// Shared by the caller and the worker; whoever lets go last frees it, so a caller that gives up
// waiting never leaves the worker writing into freed memory.
struct WorkerBlock {
    LONG references;
    bool ok;
    WindowsOSVersionInfo info;
};

void LetGo(WorkerBlock* block) {
    if (InterlockedDecrement(&block->references) == 0)
        HeapFree(GetProcessHeap(), 0, block);
}

DWORD WINAPI WorkerMain(void* parameter) {
    auto* block = static_cast<WorkerBlock*>(parameter);
    GetWindowsVersionFromWMI(block->info, block->ok);
    LetGo(block);
    return 0;
}

void ReportWorkerFailure(const wchar_t* what, DWORD error) {
    wchar_t line[160] = L"QueryOSVersionInfo: ";
    wchar_t hex[9] = {};
    FormatHex(error, hex);
    AppendBounded(line, 160, what);
    AppendBounded(line, 160, L" Error code = 0x");
    AppendBounded(line, 160, hex);
    CStdErrLines().WriteLine(line);
}

// True when a worker that was given up on is still running.
bool EarlierWorkerStillRuns() {
    if (!unfinishedWorker)
        return false;
    if (WaitForSingleObject(unfinishedWorker, 0) == WAIT_TIMEOUT)
        return true;
    CloseHandle(unfinishedWorker);
    unfinishedWorker = nullptr;
    return false;
}

// Runs the WMI query on a worker thread of its own and waits for it (without a time limit,
// unless one was set).
class CWorkerQuery final : public IOSVersionQuery {
  public:
    bool Run(WindowsOSVersionInfo& info) override {
        if (EarlierWorkerStillRuns()) {
            ReportWorkerFailure(L"The previous query has still not finished.", WAIT_TIMEOUT);
            return false;
        }
        auto* block =
            static_cast<WorkerBlock*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(WorkerBlock)));
        if (!block) {
            ReportWorkerFailure(L"Out of memory.", ERROR_NOT_ENOUGH_MEMORY);
            return false;
        }
        block->references = 2;
        block->info = info;
        HANDLE worker = CreateThread(nullptr, 0, WorkerMain, block, 0, nullptr);
        if (!worker) {
            ReportWorkerFailure(L"Could not start the worker thread.", GetLastError());
            HeapFree(GetProcessHeap(), 0, block);
            return false;
        }
        const DWORD waited = WaitForSingleObject(worker, queryWaitLimit);
        const DWORD error = GetLastError();
        if (waited == WAIT_TIMEOUT) {
            // The worker keeps its half of the block and lets go of it whenever it ends.
            ReportWorkerFailure(L"The query did not finish within the time limit.", WAIT_TIMEOUT);
            unfinishedWorker = worker;
            LetGo(block);
            return false;
        }
        CloseHandle(worker);
        if (waited != WAIT_OBJECT_0) {
            ReportWorkerFailure(L"Could not wait for the worker thread.", error);
            LetGo(block);
            return false;
        }
        info = block->info;
        const bool ok = block->ok;
        LetGo(block);
        return ok;
    }
};

// Looked up by name: older systems do not have them.
using GetNativeSystemInfoFn = void(WINAPI*)(LPSYSTEM_INFO);
using GetProductInfoFn = BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, PDWORD);

std::uint32_t NativeArchitecture() {
    SYSTEM_INFO system{};
    if (auto native = LookUpKernel32<GetNativeSystemInfoFn>("GetNativeSystemInfo")) {
        native(&system);
    } else {
        GetSystemInfo(&system);
    }
    return system.wProcessorArchitecture;
}

std::uint32_t EditionCode(const WindowsOSVersionInfo& info) {
    DWORD edition = 0;
    if (auto productInfo = LookUpKernel32<GetProductInfoFn>("GetProductInfo")) {
        if (!productInfo(info.majorVersion, info.minorVersion, 0, 0, &edition))
            edition = 0;
    }
    return edition;
}

} // namespace

void SetOSQueryTimeLimit(std::uint32_t milliseconds) {
    queryWaitLimit = milliseconds;
}

bool QueryOSVersionInfo(WindowsOSVersionInfo& info) {
    CWorkerQuery query;
    return QueryOSVersionInfo(versionCache, query, info);
}

} // namespace Velkora::Utilities

extern "C" __declspec(dllexport) int __stdcall GetOSDisplayString(wchar_t* name, wchar_t* code) {
    using namespace Velkora::Utilities;
    if (!name || !code)
        return 0;
    WindowsOSVersionInfo info{};
    if (!QueryOSVersionInfo(info))
        return 0;
    OSPlatformFacts facts;
    facts.architecture = NativeArchitecture();
    // The edition and SM_SERVERR2 are only read by the Windows 6 and 5.2 names.
    if (info.majorVersion == 6)
        facts.edition = EditionCode(info);
    if (info.majorVersion == 5 && info.minorVersion == 2)
        facts.serverR2 = GetSystemMetrics(SM_SERVERR2);
    return ComposeOSDisplayString(info, facts, name, code);
}

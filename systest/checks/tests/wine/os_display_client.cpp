// Calls GetOSDisplayString the way another program does: loads VelkoraSysTest.exe as a module
// and calls the export twice. Windows relocates such an executable and binds its imports; Wine 8
// does neither for an executable loaded into a running process, so we do both here, as Windows
// would, and on the way count (and, when asked, fail once) the calls that mark a WMI query:
// CoInitializeEx, CoCreateInstance and CreateThread.
//   os_display_client <exe> [--fail CoInitializeEx|CoCreateInstance|CreateThread]
// Prints key=value lines in UTF-8.
#include <windows.h>

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

LONG coInitializeCalls = 0, coCreateInstanceCalls = 0, createThreadCalls = 0;
std::wstring failOnce; // the hooked function whose first call fails

void Print(const std::string& key, const std::wstring& value) {
    int n = WideCharToMultiByte(CP_UTF8, 0, value.c_str(), static_cast<int>(value.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, value.c_str(), static_cast<int>(value.size()), bytes.data(), n, nullptr,
                        nullptr);
    std::printf("%s=%s\n", key.c_str(), bytes.c_str());
    std::fflush(stdout);
}

HRESULT WINAPI HookCoInitializeEx(LPVOID reserved, DWORD model) {
    if (InterlockedIncrement(&coInitializeCalls) == 1 && failOnce == L"CoInitializeEx")
        return RPC_E_CHANGED_MODE;
    return CoInitializeEx(reserved, model);
}

HRESULT WINAPI HookCoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid,
                                    LPVOID* object) {
    if (InterlockedIncrement(&coCreateInstanceCalls) == 1 && failOnce == L"CoCreateInstance") {
        *object = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
    return CoCreateInstance(clsid, outer, context, iid, object);
}

HANDLE WINAPI HookCreateThread(LPSECURITY_ATTRIBUTES security, SIZE_T stack, LPTHREAD_START_ROUTINE start,
                               LPVOID parameter, DWORD flags, LPDWORD id) {
    if (InterlockedIncrement(&createThreadCalls) == 1 && failOnce == L"CreateThread") {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return CreateThread(security, stack, start, parameter, flags, id);
}

template <class Function> FARPROC AsFarProc(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

FARPROC HookFor(const char* dll, const char* function) {
    if (_stricmp(dll, "ole32.dll") == 0 && std::strcmp(function, "CoInitializeEx") == 0)
        return AsFarProc(&HookCoInitializeEx);
    if (_stricmp(dll, "ole32.dll") == 0 && std::strcmp(function, "CoCreateInstance") == 0)
        return AsFarProc(&HookCoCreateInstance);
    if (_stricmp(dll, "kernel32.dll") == 0 && std::strcmp(function, "CreateThread") == 0)
        return AsFarProc(&HookCreateThread);
    return nullptr;
}

IMAGE_NT_HEADERS64* HeadersOf(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    return reinterpret_cast<IMAGE_NT_HEADERS64*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
}

// Applies the base relocations when the module sits elsewhere than its preferred base and the
// loader left it unrelocated (the header then still names the preferred base).
bool Relocate(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    IMAGE_NT_HEADERS64* nt = HeadersOf(module);
    const ULONGLONG preferred = nt->OptionalHeader.ImageBase;
    const ULONGLONG delta = reinterpret_cast<ULONGLONG>(base) - preferred;
    if (delta == 0)
        return true;
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    if (directory.VirtualAddress == 0 || directory.Size == 0)
        return false;
    BYTE* at = base + directory.VirtualAddress;
    BYTE* end = at + directory.Size;
    while (at + sizeof(IMAGE_BASE_RELOCATION) <= end) {
        auto* block = reinterpret_cast<IMAGE_BASE_RELOCATION*>(at);
        if (block->SizeOfBlock < sizeof(IMAGE_BASE_RELOCATION))
            break;
        const auto* entries = reinterpret_cast<const WORD*>(block + 1);
        const std::size_t count = (block->SizeOfBlock - sizeof(IMAGE_BASE_RELOCATION)) / sizeof(WORD);
        for (std::size_t i = 0; i < count; ++i) {
            const int type = entries[i] >> 12;
            if (type == IMAGE_REL_BASED_ABSOLUTE)
                continue;
            if (type != IMAGE_REL_BASED_DIR64)
                return false;
            auto* target = reinterpret_cast<ULONGLONG*>(base + block->VirtualAddress + (entries[i] & 0xFFF));
            DWORD protection = 0;
            VirtualProtect(target, sizeof *target, PAGE_READWRITE, &protection);
            *target += delta;
            VirtualProtect(target, sizeof *target, protection, &protection);
        }
        at += block->SizeOfBlock;
    }
    DWORD protection = 0;
    VirtualProtect(&nt->OptionalHeader.ImageBase, sizeof(ULONGLONG), PAGE_READWRITE, &protection);
    nt->OptionalHeader.ImageBase = reinterpret_cast<ULONGLONG>(base);
    VirtualProtect(&nt->OptionalHeader.ImageBase, sizeof(ULONGLONG), protection, &protection);
    return true;
}

// Fills the module's import address table as the loader would for a DLL. False when an import
// cannot be found.
bool BindImports(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const IMAGE_DATA_DIRECTORY& directory =
        HeadersOf(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0)
        return true;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name; ++entry) {
        const char* dllName = reinterpret_cast<const char*>(base + entry->Name);
        HMODULE dll = LoadLibraryA(dllName);
        if (!dll) {
            std::printf("unbound=%s\n", dllName);
            return false;
        }
        const DWORD lookupRva = entry->OriginalFirstThunk ? entry->OriginalFirstThunk : entry->FirstThunk;
        auto* lookup = reinterpret_cast<IMAGE_THUNK_DATA64*>(base + lookupRva);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA64*>(base + entry->FirstThunk);
        for (; lookup->u1.AddressOfData != 0; ++lookup, ++slot) {
            FARPROC function = nullptr;
            if (IMAGE_SNAP_BY_ORDINAL64(lookup->u1.Ordinal)) {
                function = GetProcAddress(dll, MAKEINTRESOURCEA(IMAGE_ORDINAL64(lookup->u1.Ordinal)));
            } else {
                const char* name =
                    reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + lookup->u1.AddressOfData)->Name;
                function = HookFor(dllName, name);
                if (!function)
                    function = GetProcAddress(dll, name);
                if (!function) {
                    std::printf("unbound=%s!%s\n", dllName, name);
                    return false;
                }
            }
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            slot->u1.Function = reinterpret_cast<ULONGLONG>(function);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
        }
    }
    return true;
}

// What the executable's embedded manifest declares, as one word per requirement it misses.
std::wstring CheckManifest(HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    if (!found)
        return L"missing";
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    std::string text(data, SizeofResource(module, found));
    std::wstring problems;
    auto need = [&](const char* piece, const wchar_t* name, bool wanted) {
        if ((text.find(piece) != std::string::npos) != wanted)
            problems += std::wstring(problems.empty() ? L"" : L",") + name;
    };
    need("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", L"common-controls-6", true);
    need("level=\"asInvoker\"", L"asInvoker", true);
    need("1f676c76-80e1-4239-95bb-83d0f6d0da78", L"windows-8.1", true);
    need("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a", L"no-windows-10", false);
    return problems.empty() ? L"ok" : problems;
}

std::wstring Number(LONG n) {
    return std::to_wstring(n);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(
            stderr, "usage: os_display_client <exe> [--fail CoInitializeEx|CoCreateInstance|CreateThread]\n");
        return 2;
    }
    if (argc >= 4 && std::wstring(argv[2]) == L"--fail")
        failOnce = argv[3];

    // This program carries the dialog program's manifest: the version functions see what it sees.
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExW(&version);
    Print("getversionex", Number(version.dwMajorVersion) + L"." + Number(version.dwMinorVersion) + L"." +
                              Number(version.dwBuildNumber));

    HMODULE module = LoadLibraryW(argv[1]);
    if (!module) {
        Print("load", L"failed " + Number(GetLastError()));
        return 3;
    }
    Print("manifest", CheckManifest(module));
    if (!Relocate(module)) {
        Print("relocate", L"failed");
        return 4;
    }
    if (!BindImports(module))
        return 4;
    using GetOSDisplayStringFn = int(__stdcall*)(wchar_t*, wchar_t*);
    auto getOSDisplayString = reinterpret_cast<GetOSDisplayStringFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "GetOSDisplayString")));
    if (!getOSDisplayString) {
        Print("export", L"missing");
        return 5;
    }
    for (int call = 1; call <= 2; ++call) {
        wchar_t name[256] = L"untouched";
        wchar_t code[3] = {L'?', L'?', L'?'};
        LARGE_INTEGER frequency{}, before{}, after{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&before);
        const int result = getOSDisplayString(name, code);
        QueryPerformanceCounter(&after);
        const std::string key = "call" + std::to_string(call);
        Print(key, Number(result));
        // A figure for the log only: how long the call took, in microseconds.
        Print(key + ".microseconds",
              std::to_wstring((after.QuadPart - before.QuadPart) * 1000000 / frequency.QuadPart));
        if (result == 1) {
            Print(key + ".name", name);
            Print(key + ".code", code[2] == 0 ? std::wstring(code) : L"<unterminated>");
        } else {
            const bool untouched =
                std::wstring(name) == L"untouched" && code[0] == L'?' && code[1] == L'?' && code[2] == L'?';
            Print(key + ".buffers", untouched ? L"untouched" : L"written");
        }
        Print(key + ".coinitialize", Number(coInitializeCalls));
        Print(key + ".cocreateinstance", Number(coCreateInstanceCalls));
        Print(key + ".createthread", Number(createThreadCalls));
    }
    return 0;
}

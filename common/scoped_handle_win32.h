#pragma once
// One owner template for every Win32 handle both programs hold: released once, never copied,
// moved by handing the handle over. The traits say which value means "none" and how to close.
#include <windows.h>

#include <utility>

namespace Velkora {

template <typename Handle, typename Traits> class CScopedHandle {
  public:
    CScopedHandle() = default;
    explicit CScopedHandle(Handle handle) : handle(handle) {}
    ~CScopedHandle() { Reset(); }
    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;
    CScopedHandle(CScopedHandle&& other) noexcept : handle(std::exchange(other.handle, Traits::Invalid())) {}
    CScopedHandle& operator=(CScopedHandle&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.handle, Traits::Invalid()));
        return *this;
    }

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != Traits::Invalid(); }
    void Reset(Handle replacement = Traits::Invalid()) {
        if (handle != Traits::Invalid())
            Traits::Close(handle);
        handle = replacement;
    }
    Handle Release() { return std::exchange(handle, Traits::Invalid()); }
    // For the out-parameter of the call that opens the handle.
    Handle* Receive() {
        Reset();
        return &handle;
    }

  private:
    Handle handle = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// CreateFileW answers INVALID_HANDLE_VALUE, not null, when it fails.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// FindFirstFileW answers INVALID_HANDLE_VALUE too, and its handle is closed by FindClose.
struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
struct RegistryKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};

// Window stations and desktops that a program made itself (the process's own are never closed).
struct WindowStationTraits {
    static HWINSTA Invalid() { return nullptr; }
    static void Close(HWINSTA h) { CloseWindowStation(h); }
};
struct DesktopTraits {
    static HDESK Invalid() { return nullptr; }
    static void Close(HDESK h) { CloseDesktop(h); }
};

// Processes, threads, events, job objects.
using CHandle = CScopedHandle<HANDLE, KernelHandleTraits>;
// Files opened with CreateFileW.
using CFile = CScopedHandle<HANDLE, FileHandleTraits>;
// A search of FindFirstFileW.
using CFindHandle = CScopedHandle<HANDLE, FindHandleTraits>;
using CModule = CScopedHandle<HMODULE, ModuleTraits>;
using CRegKey = CScopedHandle<HKEY, RegistryKeyTraits>;
using CWindowStation = CScopedHandle<HWINSTA, WindowStationTraits>;
using CDesktop = CScopedHandle<HDESK, DesktopTraits>;

} // namespace Velkora

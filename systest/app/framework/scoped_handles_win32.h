#pragma once
// Owners of Win32 handles: released once, never copied.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <utility>

namespace Velkora {

template <typename Handle, typename Traits>
class CScopedHandle {
public:
    CScopedHandle() = default;
    explicit CScopedHandle(Handle handle) : handle(handle) {}
    ~CScopedHandle() { Reset(); }
    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;
    CScopedHandle(CScopedHandle&& other) noexcept : handle(std::exchange(other.handle, Traits::Invalid())) {}
    CScopedHandle& operator=(CScopedHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle = std::exchange(other.handle, Traits::Invalid());
        }
        return *this;
    }

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != Traits::Invalid(); }
    void Reset(Handle replacement = Traits::Invalid()) {
        if (handle != Traits::Invalid()) Traits::Close(handle);
        handle = replacement;
    }
    Handle Release() { return std::exchange(handle, Traits::Invalid()); }

private:
    Handle handle = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct GdiObjectTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct ImageListTraits {
    static HIMAGELIST Invalid() { return nullptr; }
    static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};

using CHandle = CScopedHandle<HANDLE, KernelHandleTraits>;
using CGdiObject = CScopedHandle<HGDIOBJ, GdiObjectTraits>;
using CIcon = CScopedHandle<HICON, IconTraits>;
using CImageList = CScopedHandle<HIMAGELIST, ImageListTraits>;

// COM for the calling thread, for the lifetime of the object.
class CComInitializer {
public:
    explicit CComInitializer(DWORD apartment = COINIT_APARTMENTTHREADED)
        : initialized(SUCCEEDED(CoInitializeEx(nullptr, apartment))) {}
    ~CComInitializer() {
        if (initialized) CoUninitialize();
    }
    CComInitializer(const CComInitializer&) = delete;
    CComInitializer& operator=(const CComInitializer&) = delete;
    bool Succeeded() const { return initialized; }

private:
    bool initialized;
};

} // namespace Velkora

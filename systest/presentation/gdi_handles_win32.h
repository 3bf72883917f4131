#pragma once
// Typed owners of the list's GDI objects and image lists, and scopes for device contexts;
// copying is deleted, moving hands the handle over.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace Velkora {

// An owned handle of type H (HFONT, HBITMAP ...) with its release function; Get() gives the
// typed handle, so fonts and bitmaps need no casts at their use.
template <typename H, auto Release>
class CGdiHandle {
public:
    CGdiHandle() = default;
    explicit CGdiHandle(H handle) : handle(handle) {}
    CGdiHandle(const CGdiHandle&) = delete;
    CGdiHandle& operator=(const CGdiHandle&) = delete;
    CGdiHandle(CGdiHandle&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    CGdiHandle& operator=(CGdiHandle&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.handle, nullptr));
        return *this;
    }
    ~CGdiHandle() { Reset(); }

    H Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    void Reset(H next = nullptr) {
        if (handle)
            Release(handle);
        handle = next;
    }

private:
    H handle = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DestroyImageList(HIMAGELIST list) { ImageList_Destroy(list); }

using CFontHandle = CGdiHandle<HFONT, DeleteGdiObject>;
using CBitmapHandle = CGdiHandle<HBITMAP, DeleteGdiObject>;
using CBrushHandle = CGdiHandle<HBRUSH, DeleteGdiObject>;
using CImageListHandle = CGdiHandle<HIMAGELIST, DestroyImageList>;

// Selects an object into a DC for one scope.
class CSelection {
public:
    CSelection(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;
    ~CSelection() { SelectObject(dc, previous); }

private:
    HDC dc;
    HGDIOBJ previous;
};

// Saves the DC's state (clip region, origin) for one scope.
class CSavedDc {
public:
    explicit CSavedDc(HDC dc) : dc(dc), saved(SaveDC(dc)) {}
    CSavedDc(const CSavedDc&) = delete;
    CSavedDc& operator=(const CSavedDc&) = delete;
    ~CSavedDc() { RestoreDC(dc, saved); }

private:
    HDC dc;
    int saved;
};

// A window's DC, released at the end of the scope.
class CWindowDc {
public:
    explicit CWindowDc(HWND window) : window(window), dc(GetDC(window)) {}
    CWindowDc(const CWindowDc&) = delete;
    CWindowDc& operator=(const CWindowDc&) = delete;
    ~CWindowDc() {
        if (dc)
            ReleaseDC(window, dc);
    }
    HDC Get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// A memory DC compatible with another one.
class CMemoryDc {
public:
    explicit CMemoryDc(HDC compatible) : dc(CreateCompatibleDC(compatible)) {}
    CMemoryDc(const CMemoryDc&) = delete;
    CMemoryDc& operator=(const CMemoryDc&) = delete;
    ~CMemoryDc() {
        if (dc)
            DeleteDC(dc);
    }
    HDC Get() const { return dc; }

private:
    HDC dc;
};

// BeginPaint and EndPaint.
class CPaintScope {
public:
    explicit CPaintScope(HWND window) : window(window), dc(BeginPaint(window, &paint)) {}
    CPaintScope(const CPaintScope&) = delete;
    CPaintScope& operator=(const CPaintScope&) = delete;
    ~CPaintScope() { EndPaint(window, &paint); }
    HDC Get() const { return dc; }
    const RECT& Area() const { return paint.rcPaint; }

private:
    HWND window;
    PAINTSTRUCT paint{};
    HDC dc;
};

} // namespace Velkora

#pragma once
// Typed owners of GDI objects, icons and image lists, and scopes for device contexts.
#include <windows.h>

#include <commctrl.h>

#include "scoped_handle_win32.h"

namespace Velkora {

template <typename H> struct GdiObjectTraits {
    static H Invalid() { return nullptr; }
    static void Close(H h) { DeleteObject(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct ImageListTraits {
    static HIMAGELIST Invalid() { return nullptr; }
    static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};

// Get() gives the typed handle, so fonts and bitmaps need no casts where they are used.
using CGdiObject = CScopedHandle<HGDIOBJ, GdiObjectTraits<HGDIOBJ>>;
using CFontHandle = CScopedHandle<HFONT, GdiObjectTraits<HFONT>>;
using CBitmapHandle = CScopedHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using CBrushHandle = CScopedHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using CIconHandle = CScopedHandle<HICON, IconTraits>;
using CImageListHandle = CScopedHandle<HIMAGELIST, ImageListTraits>;

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

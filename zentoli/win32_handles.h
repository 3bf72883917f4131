#pragma once
// Small owners for the Win32 and COM resources Zentoli touches; none of them can be copied.
// COM pointers, strings, variants and registry keys come from the shared header.
#include <objbase.h>
#include <windows.h>

#include "com_objects_win32.h"

namespace Zentoli {

using Velkora::CBstr;
using Velkora::CComPtr;
using Velkora::CRegKey;
using Velkora::CVariant;

class CFileHandle {
  public:
    explicit CFileHandle(HANDLE handle) : handle(handle) {}
    ~CFileHandle() {
        if (Valid())
            CloseHandle(handle);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    bool Valid() const { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }

  private:
    HANDLE handle;
};

class CModule {
  public:
    explicit CModule(const wchar_t* name) : module(LoadLibraryW(name)) {}
    ~CModule() {
        if (module)
            FreeLibrary(module);
    }
    CModule(const CModule&) = delete;
    CModule& operator=(const CModule&) = delete;
    HMODULE Get() const { return module; }

  private:
    HMODULE module;
};

// COM for this thread, undone only when this call did it.
class CComInit {
  public:
    explicit CComInit(DWORD model) : result(CoInitializeEx(nullptr, model)) {}
    ~CComInit() {
        if (SUCCEEDED(result))
            CoUninitialize();
    }
    CComInit(const CComInit&) = delete;
    CComInit& operator=(const CComInit&) = delete;

  private:
    HRESULT result;
};

} // namespace Zentoli

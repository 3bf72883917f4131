#pragma once
// Small owners for the Win32 and COM resources Zentoli touches; none of them can be copied.
#include <windows.h>
#include <oleauto.h>
#include <objbase.h>

#include <utility>

namespace Zentoli {

class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey() {
        if (key) RegCloseKey(key);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    HKEY* Receive() { return &key; }
    HKEY Get() const { return key; }

private:
    HKEY key = nullptr;
};

class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle) : handle(handle) {}
    ~CFileHandle() {
        if (Valid()) CloseHandle(handle);
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
        if (module) FreeLibrary(module);
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
        if (SUCCEEDED(result)) CoUninitialize();
    }
    CComInit(const CComInit&) = delete;
    CComInit& operator=(const CComInit&) = delete;

private:
    HRESULT result;
};

template <class T>
class CComPtr {
public:
    CComPtr() = default;
    ~CComPtr() { Reset(); }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;
    T* operator->() const { return ptr; }
    T* Get() const { return ptr; }
    T** Receive() {
        Reset();
        return &ptr;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
    void Reset() {
        if (ptr) ptr->Release();
        ptr = nullptr;
    }

private:
    T* ptr = nullptr;
};

class CBstr {
public:
    explicit CBstr(const wchar_t* text) : text(SysAllocString(text)) {}
    ~CBstr() { SysFreeString(text); }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;
    BSTR Get() const { return text; }

private:
    BSTR text;
};

class CVariant {
public:
    CVariant() { VariantInit(&value); }
    ~CVariant() { VariantClear(&value); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;
    VARIANT* Receive() {
        VariantClear(&value);
        return &value;
    }
    const VARIANT& Get() const { return value; }

private:
    VARIANT value;
};

} // namespace Zentoli

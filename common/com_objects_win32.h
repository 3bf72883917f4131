#pragma once
// Owners for the COM objects, strings and variants of a WMI query, and for registry keys:
// released once, never copied. Header only, for both programs.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

namespace Velkora {

template <class T>
class CComPtr {
public:
    CComPtr() = default;
    ~CComPtr() { Reset(); }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;

    T* operator->() const { return ptr; }
    T* Get() const { return ptr; }
    explicit operator bool() const { return ptr != nullptr; }
    // For the out-parameter of the call that creates the object.
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

} // namespace Velkora

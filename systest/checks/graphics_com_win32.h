#pragma once
// Owners for the COM objects, strings and variants of one WMI query: released once, never copied.
// Still used by the operating system query; new code takes common/com_objects_win32.h.
#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace Velkora {

template <class Interface>
class CComRef {
public:
    CComRef() = default;
    ~CComRef() { Reset(); }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;

    Interface* operator->() const { return object; }
    Interface* Get() const { return object; }
    explicit operator bool() const { return object != nullptr; }
    // For the out-parameter of a call that creates the object.
    Interface** Out() {
        Reset();
        return &object;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    void Reset() {
        if (object) std::exchange(object, nullptr)->Release();
    }

private:
    Interface* object = nullptr;
};

class CBstr {
public:
    explicit CBstr(const wchar_t* text) : text(SysAllocString(text)) {}
    ~CBstr() { SysFreeString(text); }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;
    BSTR Get() const { return text; }
    explicit operator bool() const { return text != nullptr; }

private:
    BSTR text;
};

class CVariant {
public:
    CVariant() { VariantInit(&value); }
    ~CVariant() { VariantClear(&value); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;
    VARIANT* Out() {
        VariantClear(&value);
        return &value;
    }
    const VARIANT& Get() const { return value; }

private:
    VARIANT value;
};

} // namespace Velkora

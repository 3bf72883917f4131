#pragma once
// Owners for COM: the apartment of a thread, objects, strings and variants; released once,
// never copied. Header only, for both programs.
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

namespace Velkora {

template <class T> class CComPtr {
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
        if (ptr)
            ptr->Release();
        ptr = nullptr;
    }

  private:
    T* ptr = nullptr;
};

class CBstr {
  public:
    CBstr() = default;
    explicit CBstr(const wchar_t* text) : text(SysAllocString(text)) {}
    ~CBstr() { SysFreeString(text); }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;
    BSTR Get() const { return text; }
    // For the out-parameter of a call that hands out a string.
    BSTR* Receive() {
        SysFreeString(text);
        text = nullptr;
        return &text;
    }
    // False when the string could not be allocated (or none was handed out).
    explicit operator bool() const { return text != nullptr; }

  private:
    BSTR text = nullptr;
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

// COM for the calling thread, undone at the end of the scope only when this call did it.
class CComInitializer {
  public:
    explicit CComInitializer(DWORD apartment = COINIT_APARTMENTTHREADED)
        : initialized(SUCCEEDED(CoInitializeEx(nullptr, apartment))) {}
    ~CComInitializer() {
        if (initialized)
            CoUninitialize();
    }
    CComInitializer(const CComInitializer&) = delete;
    CComInitializer& operator=(const CComInitializer&) = delete;
    bool Succeeded() const { return initialized; }

  private:
    bool initialized;
};

} // namespace Velkora

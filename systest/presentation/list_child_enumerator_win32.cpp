#include "list_child_enumerator_win32.h"

#include <new>
#include <utility>

namespace Velkora {

void SetI4(VARIANT* variant, long value) {
    VariantInit(variant);
    variant->vt = VT_I4;
    variant->lVal = value;
}

namespace {
// The rows selected, for get_accSelection when there are several.
class CChildEnumerator final : public IEnumVARIANT {
  public:
    explicit CChildEnumerator(std::vector<long> ids) : ids(std::move(ids)) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
        if (!object)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IEnumVARIANT) {
            *object = static_cast<IEnumVARIANT*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG left = InterlockedDecrement(&references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }
    STDMETHODIMP Next(ULONG wanted, VARIANT* out, ULONG* fetched) override {
        if (!out)
            return E_POINTER;
        ULONG got = 0;
        for (; got < wanted && next < ids.size(); ++got)
            SetI4(&out[got], ids[next++]);
        if (fetched)
            *fetched = got;
        return got == wanted ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        next += count;
        if (next > ids.size()) {
            next = ids.size();
            return S_FALSE;
        }
        return S_OK;
    }
    STDMETHODIMP Reset() override {
        next = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumVARIANT** copy) override {
        if (!copy)
            return E_POINTER;
        auto* clone = new (std::nothrow) CChildEnumerator(ids);
        if (!clone)
            return E_OUTOFMEMORY;
        clone->next = next;
        *copy = clone;
        return S_OK;
    }

  private:
    ~CChildEnumerator() = default;
    LONG references = 1;
    std::vector<long> ids;
    std::size_t next = 0;
};
} // namespace

IEnumVARIANT* CreateChildEnumerator(std::vector<long> ids) {
    return new (std::nothrow) CChildEnumerator(std::move(ids));
}

} // namespace Velkora

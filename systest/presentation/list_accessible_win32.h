#pragma once
// The result list for assistive technology: an IAccessible that the list hands out for
// WM_GETOBJECT. The list answers for itself, its rows and its column titles through
// IListAccessModel; its parent and its siblings come from the system's standard object for the
// window where there is one (Wine has none for a window class of its own).
#include <windows.h>

#include <oleacc.h>

#include <string>

#include "com_objects_win32.h"
#include "list_accessibility.h"

namespace Velkora {

// What the accessible object asks the list. Rectangles and points in client coordinates.
class IListAccessModel {
  public:
    virtual HWND AccessWindow() const = 0;
    virtual int AccessRowCount() const = 0;
    virtual int AccessColumnCount() const = 0;
    virtual std::wstring AccessRowName(int row) const = 0;
    virtual std::wstring AccessColumnTitle(int column) const = 0;
    virtual bool AccessRowSelected(int row) const = 0;
    // The row that has the keyboard focus, -1 while the list does not have it.
    virtual int AccessFocusRow() const = 0;
    virtual RECT AccessItemRect(const AccessibleChild& child) const = 0;
    virtual AccessibleChild AccessHitTest(POINT client) const = 0;
    // SELFLAG_* requests of accSelect for one row; false when not supported.
    [[nodiscard]] virtual bool AccessSelect(int row, long flags) = 0;

  protected:
    ~IListAccessModel() = default;
};

class CListAccessible final : public IAccessible {
  public:
    // A new object with one reference.
    static CListAccessible* Create(IListAccessModel& model);
    // The list is going away: every later call answers RPC_E_DISCONNECTED.
    void Disconnect();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDispatch: no type information; clients call IAccessible directly.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(long* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** dispatch) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* child) override;
    STDMETHODIMP get_accSelection(VARIANT* children) override;
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
    STDMETHODIMP accSelect(long flags, VARIANT child) override;
    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override;
    STDMETHODIMP accHitTest(long x, long y, VARIANT* child) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;

  private:
    explicit CListAccessible(IListAccessModel& model) : model(&model) {}
    ~CListAccessible() = default;
    // The child a VARIANT names; Invalid for a bad VARIANT or ID.
    AccessibleChild Resolve(const VARIANT& child) const;

    LONG references = 1;
    IListAccessModel* model;
    CComPtr<IAccessible> standard; // the window's standard client object, when the system has one
};

// Tells assistive technology that something of the list changed (EVENT_OBJECT_*), for the list
// itself (child 0) or a child.
void NotifyListEvent(HWND list, DWORD event, long childId);

} // namespace Velkora

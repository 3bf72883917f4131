#include "list_accessible_win32.h"

#include "list_child_enumerator_win32.h"
#include "oleacc_functions_win32.h"

#include <algorithm>
#include <new>
#include <vector>

namespace Velkora {

namespace {
BSTR MakeBstr(const std::wstring& text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}
} // namespace

void NotifyListEvent(HWND list, DWORD event, long childId) {
    if (list)
        NotifyWinEvent(event, list, OBJID_CLIENT, childId);
}

CListAccessible* CListAccessible::Create(IListAccessModel& model) {
    auto* accessible = new (std::nothrow) CListAccessible(model);
    if (!accessible)
        return nullptr;
    if (FAILED(CreateStandardAccessible(model.AccessWindow(), OBJID_CLIENT, __uuidof(IAccessible),
                                        accessible->standard.ReceiveVoid())))
        accessible->standard.Reset();
    return accessible;
}

void CListAccessible::Disconnect() {
    model = nullptr;
    standard.Reset();
}

AccessibleChild CListAccessible::Resolve(const VARIANT& child) const {
    if (!model || child.vt != VT_I4)
        return {};
    return ResolveChildId(child.lVal, model->AccessRowCount(), model->AccessColumnCount());
}

STDMETHODIMP CListAccessible::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CListAccessible::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references));
}

STDMETHODIMP_(ULONG) CListAccessible::Release() {
    LONG left = InterlockedDecrement(&references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP CListAccessible::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}
STDMETHODIMP CListAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP CListAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}
STDMETHODIMP CListAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

STDMETHODIMP CListAccessible::get_accParent(IDispatch** parent) {
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    if (!model)
        return RPC_E_DISCONNECTED;
    if (standard)
        return standard->get_accParent(parent);
    // The window object of the list's own window is the client object's parent.
    return AccessibleFromWindow(model->AccessWindow(), static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                reinterpret_cast<void**>(parent)) == S_OK
               ? S_OK
               : S_FALSE;
}

STDMETHODIMP CListAccessible::get_accChildCount(long* count) {
    if (!count)
        return E_POINTER;
    if (!model)
        return RPC_E_DISCONNECTED;
    *count = AccessibleChildCount(model->AccessRowCount(), model->AccessColumnCount());
    return S_OK;
}

STDMETHODIMP CListAccessible::get_accChild(VARIANT child, IDispatch** dispatch) {
    if (!dispatch)
        return E_POINTER;
    *dispatch = nullptr;
    if (!model)
        return RPC_E_DISCONNECTED;
    // Rows and titles are simple elements: the client asks this object with their IDs.
    AccessibleChild c = Resolve(child);
    return c.kind == AccessibleKind::kInvalid || c.kind == AccessibleKind::kList ? E_INVALIDARG : S_FALSE;
}

STDMETHODIMP CListAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name)
        return E_POINTER;
    *name = nullptr;
    if (!model)
        return RPC_E_DISCONNECTED;
    AccessibleChild c = Resolve(child);
    switch (c.kind) {
    case AccessibleKind::kList: {
        // The window's text names the list.
        HWND window = model->AccessWindow();
        std::wstring text(static_cast<std::size_t>(std::max(GetWindowTextLengthW(window), 0)) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        *name = MakeBstr(text);
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    case AccessibleKind::kRow:
        *name = MakeBstr(model->AccessRowName(c.index));
        return *name ? S_OK : E_OUTOFMEMORY;
    case AccessibleKind::kColumnHeader:
        *name = MakeBstr(model->AccessColumnTitle(c.index));
        return *name ? S_OK : E_OUTOFMEMORY;
    case AccessibleKind::kInvalid:
        break;
    }
    return E_INVALIDARG;
}

STDMETHODIMP CListAccessible::get_accValue(VARIANT child, BSTR* value) {
    if (!value)
        return E_POINTER;
    *value = nullptr;
    if (!model)
        return RPC_E_DISCONNECTED;
    return Resolve(child).kind == AccessibleKind::kInvalid ? E_INVALIDARG : S_FALSE;
}

STDMETHODIMP CListAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return get_accValue(child, description);
}

STDMETHODIMP CListAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role)
        return E_POINTER;
    VariantInit(role);
    if (!model)
        return RPC_E_DISCONNECTED;
    AccessibleChild c = Resolve(child);
    if (c.kind == AccessibleKind::kInvalid)
        return E_INVALIDARG;
    SetI4(role, RoleOf(c.kind));
    return S_OK;
}

STDMETHODIMP CListAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state)
        return E_POINTER;
    VariantInit(state);
    if (!model)
        return RPC_E_DISCONNECTED;
    AccessibleChild c = Resolve(child);
    RECT client{};
    GetClientRect(model->AccessWindow(), &client);
    auto visible = [&](const RECT& item) {
        RECT common{};
        return IntersectRect(&common, &item, &client) != FALSE;
    };
    switch (c.kind) {
    case AccessibleKind::kList: {
        HWND window = model->AccessWindow();
        long states = STATE_SYSTEM_FOCUSABLE | static_cast<long>(kListSelectionStates);
        if (GetFocus() == window)
            states |= STATE_SYSTEM_FOCUSED;
        if (!IsWindowVisible(window))
            states |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(window))
            states |= STATE_SYSTEM_UNAVAILABLE;
        SetI4(state, states);
        return S_OK;
    }
    case AccessibleKind::kRow:
        SetI4(state, static_cast<long>(RowStates(model->AccessRowSelected(c.index),
                                                 model->AccessFocusRow() == c.index,
                                                 visible(model->AccessItemRect(c)))));
        return S_OK;
    case AccessibleKind::kColumnHeader:
        SetI4(state, static_cast<long>(ColumnHeaderStates(visible(model->AccessItemRect(c)))));
        return S_OK;
    case AccessibleKind::kInvalid:
        break;
    }
    return E_INVALIDARG;
}

STDMETHODIMP CListAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return get_accValue(child, help);
}

STDMETHODIMP CListAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file)
        *file = nullptr;
    if (topic)
        *topic = -1;
    return model ? S_FALSE : RPC_E_DISCONNECTED;
}

STDMETHODIMP CListAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (!shortcut)
        return E_POINTER;
    *shortcut = nullptr;
    if (!model)
        return RPC_E_DISCONNECTED;
    AccessibleChild c = Resolve(child);
    if (c.kind == AccessibleKind::kList && standard)
        return standard->get_accKeyboardShortcut(child, shortcut);
    return c.kind == AccessibleKind::kInvalid ? E_INVALIDARG : S_FALSE;
}

STDMETHODIMP CListAccessible::get_accFocus(VARIANT* child) {
    if (!child)
        return E_POINTER;
    VariantInit(child);
    if (!model)
        return RPC_E_DISCONNECTED;
    if (GetFocus() != model->AccessWindow())
        return S_FALSE; // VT_EMPTY: the focus is elsewhere
    SetI4(child, ChildIdOfRow(model->AccessFocusRow()));
    return S_OK;
}

STDMETHODIMP CListAccessible::get_accSelection(VARIANT* children) {
    if (!children)
        return E_POINTER;
    VariantInit(children);
    if (!model)
        return RPC_E_DISCONNECTED;
    std::vector<long> ids;
    for (int row = 0; row < model->AccessRowCount(); ++row) {
        if (model->AccessRowSelected(row))
            ids.push_back(ChildIdOfRow(row));
    }
    if (ids.empty())
        return S_FALSE;
    if (ids.size() == 1) {
        SetI4(children, ids.front());
        return S_OK;
    }
    IEnumVARIANT* enumerator = CreateChildEnumerator(std::move(ids));
    if (!enumerator)
        return E_OUTOFMEMORY;
    children->vt = VT_UNKNOWN;
    children->punkVal = enumerator;
    return S_OK;
}

STDMETHODIMP CListAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return get_accValue(child, action);
}

STDMETHODIMP CListAccessible::accSelect(long flags, VARIANT child) {
    if (!model)
        return RPC_E_DISCONNECTED;
    AccessibleChild c = Resolve(child);
    if (c.kind == AccessibleKind::kList) {
        if (flags & SELFLAG_TAKEFOCUS)
            SetFocus(model->AccessWindow());
        return S_OK;
    }
    if (c.kind != AccessibleKind::kRow)
        return E_INVALIDARG;
    return model->AccessSelect(c.index, flags) ? S_OK : E_INVALIDARG;
}

STDMETHODIMP CListAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height)
        return E_POINTER;
    if (!model)
        return RPC_E_DISCONNECTED;
    AccessibleChild c = Resolve(child);
    if (c.kind == AccessibleKind::kInvalid)
        return E_INVALIDARG;
    RECT item = model->AccessItemRect(c); // the client area for the list itself
    MapWindowPoints(model->AccessWindow(), nullptr, reinterpret_cast<POINT*>(&item), 2);
    *left = item.left;
    *top = item.top;
    *width = item.right - item.left;
    *height = item.bottom - item.top;
    return S_OK;
}

STDMETHODIMP CListAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end)
        return E_POINTER;
    VariantInit(end);
    if (!model)
        return RPC_E_DISCONNECTED;
    AccessibleChild c = Resolve(start);
    if (c.kind == AccessibleKind::kInvalid)
        return E_INVALIDARG;
    long count = AccessibleChildCount(model->AccessRowCount(), model->AccessColumnCount());
    long id = start.lVal;
    long target = 0;
    if (c.kind == AccessibleKind::kList) {
        if (direction == NAVDIR_FIRSTCHILD)
            target = 1;
        else if (direction == NAVDIR_LASTCHILD)
            target = count;
        else if (standard)
            return standard->accNavigate(direction, start, end); // siblings of the list window
        else
            return S_FALSE;
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
        target = id + 1;
    } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
        target = id - 1;
    } else {
        return S_FALSE;
    }
    if (target < 1 || target > count)
        return S_FALSE;
    SetI4(end, target);
    return S_OK;
}

STDMETHODIMP CListAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (!child)
        return E_POINTER;
    VariantInit(child);
    if (!model)
        return RPC_E_DISCONNECTED;
    POINT point{x, y};
    ScreenToClient(model->AccessWindow(), &point);
    RECT client{};
    GetClientRect(model->AccessWindow(), &client);
    if (!PtInRect(&client, point))
        return standard ? standard->accHitTest(x, y, child) : S_FALSE; // the frame or scroll bars, or outside
    AccessibleChild c = model->AccessHitTest(point);
    long id = c.kind == AccessibleKind::kRow            ? ChildIdOfRow(c.index)
              : c.kind == AccessibleKind::kColumnHeader ? ChildIdOfColumn(c.index, model->AccessRowCount())
                                                        : kChildSelf;
    SetI4(child, id);
    return S_OK;
}

STDMETHODIMP CListAccessible::accDoDefaultAction(VARIANT child) {
    if (!model)
        return RPC_E_DISCONNECTED;
    return Resolve(child).kind == AccessibleKind::kInvalid ? E_INVALIDARG : DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP CListAccessible::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}
STDMETHODIMP CListAccessible::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

} // namespace Velkora

// The result list for keyboard and screen-reader users, under Wine: the focus row's rectangle,
// the accessible object that oleacc hands out, the WinEvents, copying and the context menu, and
// the repaints that keep the screen true to the rows (an interrupted slide, the title tip at the
// screen's edge).
#include "list_test_support_win32.h"

#include <oleacc.h>

#include "com_objects_win32.h"

namespace Velkora {
namespace {

using namespace ListTest;

// The WinEvents of this process, as (event, child ID).
std::vector<std::pair<DWORD, LONG>> events;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT)
        events.emplace_back(event, child);
}

class ResultListAccessTest : public CListTestBase {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        CListTestBase::SetUp();
    }
    void TearDown() override {
        CListTestBase::TearDown();
        CoUninitialize();
    }

    void FillThree() {
        AddColumns();
        list.AppendRow({kImageRedCross, L"Not met", L"Memory: 2 GB installed"});
        list.AppendRow({kImageWarning, L"Warning", L"Disk: 20 GB free"});
        list.AppendRow({kImageGreenTick, L"Met", L"Processor with SSE2"});
        EXPECT_TRUE(list.FitColumnToContent(0));
        EXPECT_TRUE(list.FitColumnToContent(1));
        Pump();
    }

    void Accessible(CComPtr<IAccessible>& accessible) {
        EXPECT_EQ(AccessibleObjectFromWindow(list.Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                             __uuidof(IAccessible), accessible.ReceiveVoid()),
                  S_OK);
    }

    static VARIANT Child(long id) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = id;
        return v;
    }
    static std::wstring Name(IAccessible* accessible, long id) {
        Velkora::CBstr name;
        if (FAILED(accessible->get_accName(Child(id), name.Receive())) || !name)
            return L"<none>";
        return std::wstring(name.Get(), SysStringLen(name.Get()));
    }
    static long IntOf(HRESULT result, const VARIANT& v) {
        return SUCCEEDED(result) && v.vt == VT_I4 ? v.lVal : -999;
    }
    static long Role(IAccessible* accessible, long id) {
        VARIANT v;
        return IntOf(accessible->get_accRole(Child(id), &v), v);
    }
    static long State(IAccessible* accessible, long id) {
        VARIANT v;
        return IntOf(accessible->get_accState(Child(id), &v), v);
    }

    std::wstring ClipboardText() {
        std::wstring text;
        if (!OpenClipboard(nullptr))
            return L"<closed>";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text;
    }
};

TEST_F(ResultListAccessTest, FocusRectangleOnTheFocusRowOrTheFirstRowWhileFocused) {
    FillThree();
    COLORREF background = GetSysColor(COLOR_WINDOW);
    auto dotsOnTopEdge = [&](int row) {
        Picture picture = Render(list.Handle());
        ListRect r = RowRect({.headerHeight = list.HeaderHeight(),
                              .rowHeight = list.RowHeight(),
                              .totalWidth = list.Columns().TotalWidth()},
                             row);
        return picture.CountOther({r.left, r.top, r.right, r.top + 1}, background);
    };
    SetFocus(host);
    ASSERT_NE(GetFocus(), list.Handle());
    EXPECT_EQ(dotsOnTopEdge(0), 0) << "no focus, no rectangle";
    SetFocus(list.Handle());
    ASSERT_EQ(GetFocus(), list.Handle());
    EXPECT_GT(dotsOnTopEdge(0), list.Columns().TotalWidth() / 4)
        << "no focus row yet: the first row shows it";
    EXPECT_EQ(dotsOnTopEdge(2), 0);
    Key(VK_END);
    EXPECT_EQ(dotsOnTopEdge(0), 0);
    // the selected row's top edge is the highlight colour with the dots on it
    EXPECT_GT(dotsOnTopEdge(2), 0);
}

TEST_F(ResultListAccessTest, OleaccReadsRowsTitlesNamesRolesAndStates) {
    FillThree();
    SetWindowTextW(list.Handle(), L"Check results");
    CComPtr<IAccessible> accessible;
    Accessible(accessible);
    ASSERT_TRUE(accessible);
    long count = 0;
    ASSERT_EQ(accessible->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 3 + 2) << "three rows and two column titles";
    EXPECT_EQ(Role(accessible.Get(), CHILDID_SELF), ROLE_SYSTEM_LIST);
    EXPECT_EQ(Name(accessible.Get(), CHILDID_SELF), L"Check results");
    for (int row = 0; row < 3; ++row) {
        const ResultRow& r = list.Rows()[static_cast<std::size_t>(row)];
        EXPECT_EQ(Name(accessible.Get(), row + 1), r.label + L", " + r.description);
        EXPECT_EQ(Role(accessible.Get(), row + 1), ROLE_SYSTEM_LISTITEM);
    }
    EXPECT_EQ(Name(accessible.Get(), 4), L"Status");
    EXPECT_EQ(Name(accessible.Get(), 5), L"Description");
    EXPECT_EQ(Role(accessible.Get(), 5), ROLE_SYSTEM_COLUMNHEADER);
    BSTR none = nullptr;
    EXPECT_EQ(accessible->get_accName(Child(6), &none), E_INVALIDARG);

    const long always = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    EXPECT_EQ(State(accessible.Get(), 2), always);
    SetFocus(list.Handle());
    Click(CellCentre(1, 1));
    EXPECT_EQ(State(accessible.Get(), 2), always | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(State(accessible.Get(), 1), always);
    VARIANT focus;
    EXPECT_EQ(IntOf(accessible->get_accFocus(&focus), focus), 2);
    VARIANT selected;
    EXPECT_EQ(IntOf(accessible->get_accSelection(&selected), selected), 2);
    Click(CellCentre(2, 1), MK_CONTROL);
    ASSERT_EQ(accessible->get_accSelection(&selected), S_OK);
    ASSERT_EQ(selected.vt, VT_UNKNOWN) << "several rows: an enumeration";
    CComPtr<IEnumVARIANT> rows;
    ASSERT_EQ(selected.punkVal->QueryInterface(IID_IEnumVARIANT, rows.ReceiveVoid()), S_OK);
    VariantClear(&selected);
    VARIANT got[3];
    ULONG fetched = 0;
    rows->Next(3, got, &fetched);
    ASSERT_EQ(fetched, 2u);
    EXPECT_EQ(got[0].lVal, 2);
    EXPECT_EQ(got[1].lVal, 3);

    // where a row is, and which row is at a point, on the screen
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(accessible->accLocation(&left, &top, &width, &height, Child(3)), S_OK);
    POINT centre = CellCentre(2, 0);
    ClientToScreen(list.Handle(), &centre);
    EXPECT_TRUE(centre.x >= left && centre.x < left + width && centre.y >= top && centre.y < top + height);
    EXPECT_EQ(height, list.RowHeight());
    VARIANT hit;
    EXPECT_EQ(IntOf(accessible->accHitTest(centre.x, centre.y, &hit), hit), 3);
}

TEST_F(ResultListAccessTest, AnnouncesFocusSelectionAndContentChanges) {
    FillThree();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_SELECTIONWITHIN, nullptr,
                                         RecordEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    auto happened = [&](DWORD event, LONG child) {
        Pump();
        return std::find(events.begin(), events.end(), std::make_pair(event, child)) != events.end();
    };
    events.clear();
    SetFocus(list.Handle());
    EXPECT_TRUE(happened(EVENT_OBJECT_FOCUS, 1)) << "the first row shows the focus";
    events.clear();
    Key(VK_DOWN); // nothing was selected: the first row is
    EXPECT_TRUE(happened(EVENT_OBJECT_SELECTION, 1));
    events.clear();
    Key(VK_DOWN);
    EXPECT_TRUE(happened(EVENT_OBJECT_FOCUS, 2));
    EXPECT_TRUE(happened(EVENT_OBJECT_SELECTION, 2));
    events.clear();
    Key(VK_DOWN, true); // Ctrl: the focus alone moves
    EXPECT_TRUE(happened(EVENT_OBJECT_FOCUS, 3));
    EXPECT_FALSE(happened(EVENT_OBJECT_SELECTION, 3));
    events.clear();
    Key('A', true);
    EXPECT_TRUE(happened(EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF));
    events.clear();
    Click({CellCentre(0, 0).x, list.HeaderHeight() / 2}); // sorts by the status column
    EXPECT_TRUE(happened(EVENT_OBJECT_REORDER, CHILDID_SELF));
    events.clear();
    list.AppendRow({kImageGreenTick, L"Met", L"Screen"});
    EXPECT_TRUE(happened(EVENT_OBJECT_REORDER, CHILDID_SELF));
    UnhookWinEvent(hook);
}

TEST_F(ResultListAccessTest, AnObjectHeldPastTheWindowAnswersDisconnected) {
    FillThree();
    CComPtr<IAccessible> accessible;
    Accessible(accessible);
    ASSERT_TRUE(accessible);
    DestroyWindow(host);
    host = nullptr;
    long count = 0;
    EXPECT_EQ(accessible->get_accChildCount(&count), RPC_E_DISCONNECTED);
    BSTR name = nullptr;
    EXPECT_EQ(accessible->get_accName(Child(1), &name), RPC_E_DISCONNECTED);
}

TEST_F(ResultListAccessTest, CtrlCCopiesTheSelectedRowsOrEveryRowInTheReportsForm) {
    FillThree();
    const std::wstring all =
        L"Not met: Memory: 2 GB installed\r\nWarning: Disk: 20 GB free\r\nMet: Processor with SSE2\r\n";
    Key('C', true);
    EXPECT_EQ(ClipboardText(), all) << "nothing selected: every row";
    Click(CellCentre(2, 0));
    Click(CellCentre(0, 0), MK_CONTROL);
    Key('C', true);
    EXPECT_EQ(ClipboardText(), L"Not met: Memory: 2 GB installed\r\nMet: Processor with SSE2\r\n")
        << "in display order";
    Key('A', true);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));
}

TEST_F(ResultListAccessTest, ContextMenuFromMouseAndKeyboardCopiesAndSelectsAll) {
    FillThree();
    SetForegroundWindow(host);
    SetFocus(list.Handle());
    list.SetContextMenuTexts(L"&Copy\tCtrl+C", L"Select &all\tCtrl+A");
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    // The menu runs its own loop: the key that picks an item waits in the queue for it.
    Click(CellCentre(1, 1));
    PostMessageW(list.Handle(), WM_CHAR, L'c', 0);
    Mouse(WM_RBUTTONDOWN, CellCentre(1, 1), MK_RBUTTON);
    Mouse(WM_RBUTTONUP, CellCentre(1, 1));
    Pump();
    EXPECT_EQ(ClipboardText(), L"Warning: Disk: 20 GB free\r\n") << "a right click's menu, Copy";

    PostMessageW(list.Handle(), WM_CHAR, L'a', 0);
    BYTE state[256]{};
    GetKeyboardState(state);
    state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
    SendMessageW(list.Handle(), WM_SYSKEYDOWN, VK_F10, 0);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
    Pump();
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2})) << "Shift+F10's menu, Select all";

    Click(CellCentre(0, 1));
    PostMessageW(list.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(list.Handle(), WM_KEYDOWN, VK_APPS, 0);
    Pump();
    EXPECT_EQ(Selected(), (std::vector<int>{0})) << "the menu key's menu, closed with Escape";
}

TEST_F(ResultListAccessTest, AnInterruptedSlideIsReplacedByTheRowsAtOnce) {
    FillLongList();
    UpdateWindow(list.Handle());
    SendMessageW(list.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    ASSERT_TRUE(list.IsSliding());
    Key(VK_RIGHT); // ends the slide without moving the rows
    ASSERT_FALSE(list.IsSliding());
    // No message pumped: what the screen shows now is what the list paints for its position.
    Picture screen = Render(list.Handle(), PictureSource::Screen);
    Picture painted = Render(list.Handle());
    ASSERT_EQ(screen.pixels.size(), painted.pixels.size());
    int header = list.HeaderHeight();
    std::size_t from = static_cast<std::size_t>(header) * screen.width;
    EXPECT_TRUE(std::equal(screen.pixels.begin() + from, screen.pixels.end(), painted.pixels.begin() + from))
        << "a stale frame of the slide is still on the screen";
}

TEST_F(ResultListAccessTest, TitleTipStaysInsideTheWorkArea) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(host, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT work = monitor.rcWork;
    // The description column ends 60 pixels before the work area's right edge.
    list.AppendColumn(L"Status", 80);
    list.AppendColumn(L"Description", 200);
    list.AppendRow({kImageWarning, L"Warning", kLongDescription});
    POINT origin{0, 0};
    ClientToScreen(list.Handle(), &origin);
    RECT hostBox{};
    GetWindowRect(host, &hostBox);
    int shift = (work.right - 60) - (origin.x + 280);
    SetWindowPos(host, nullptr, hostBox.left + shift, hostBox.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    Mouse(WM_MOUSEMOVE, CellCentre(0, 1));
    ASSERT_TRUE(list.TitleTip().IsShown());
    RECT tip{};
    GetWindowRect(list.TitleTip().Handle(), &tip);
    EXPECT_LE(tip.right, work.right);
    EXPECT_GE(tip.left, work.left);
    EXPECT_EQ(tip.right - tip.left, TextWidth(list.TitleTip().Font(), kLongDescription) + 11)
        << "moved, not cut";
    SendMessageW(list.TitleTip().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(-5, -5));
}

} // namespace
} // namespace Velkora

// What a user does with the result list, under Wine: clicks, keys, type-ahead, header sorting,
// column resizing, the rubber band, the title tip and smooth scrolling. Mouse and key messages
// go straight to the list window; Ctrl and Shift come from the thread's key state.
#include "list_test_support_win32.h"

namespace Velkora {
namespace {

using namespace ListTest;

class ResultListInputTest : public CListTestBase {
  protected:
    void Fill(std::initializer_list<const wchar_t*> labels) {
        AddColumns();
        int i = 0;
        for (const wchar_t* label : labels)
            list.AppendRow({i % 3, label, L"Check " + std::to_wstring(i++)});
        EXPECT_TRUE(list.FitColumnToContent(0));
        EXPECT_TRUE(list.FitColumnToContent(1));
        Pump();
        notifications.clear();
    }
};

TEST_F(ResultListInputTest, ClicksWithShiftAndCtrlAndThePlainClickThatWaits) {
    Fill({L"a", L"b", L"c", L"d", L"e", L"f", L"g"});
    Click(CellCentre(2, 1));
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    EXPECT_EQ(NotificationCodes(), (std::vector<int>{kListSelectionChanged, kListLeftClick}));
    EXPECT_EQ(notifications.back().row, 2);
    EXPECT_EQ(notifications.back().subItem, 1);
    Click(CellCentre(5, 0), MK_SHIFT);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4, 5}));
    Click(CellCentre(3, 1), MK_CONTROL);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 4, 5}));
    Mouse(WM_LBUTTONDOWN, CellCentre(4, 1), MK_LBUTTON);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 4, 5})) << "waits for the release";
    Mouse(WM_LBUTTONUP, CellCentre(4, 1));
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
    EXPECT_EQ(GetCapture(), nullptr);
    // the right button: a selected row keeps the selection, a release outside the rows clears it;
    // each release also opens the context menu, whose own loop a timer closes again
    UINT_PTR menuCloser = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    notifications.clear();
    Mouse(WM_RBUTTONDOWN, CellCentre(4, 1));
    Mouse(WM_RBUTTONUP, CellCentre(4, 1));
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
    EXPECT_EQ(NotificationCodes(), (std::vector<int>{kListRightClick}));
    Mouse(WM_RBUTTONUP, POINT{20, list.HeaderHeight() + 20 * list.RowHeight()});
    KillTimer(nullptr, menuCloser);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(list.Selection().Focus(), -1);
}

TEST_F(ResultListInputTest, KeysMoveTheFocusAndSelect) {
    Fill({L"a", L"b", L"c", L"d", L"e", L"f", L"g"});
    Click(CellCentre(2, 1));
    Key(VK_DOWN, true);
    Key(VK_DOWN, true);
    EXPECT_EQ(list.Selection().Focus(), 4);
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), (std::vector<int>{3})) << "starts from the first selected row";
    Key(VK_END, false, true);
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5, 6}));
    Key(VK_HOME);
    EXPECT_EQ(Selected(), (std::vector<int>{0}));
    Key('A', true);
    EXPECT_EQ(Selected().size(), 7u);
    notifications.clear();
    Key(VK_TAB);
    EXPECT_EQ(Selected(), (std::vector<int>{0})) << "Tab re-selects the focus row";
    EXPECT_EQ(NotificationCodes(), (std::vector<int>{kListSelectionChanged}));
}

TEST_F(ResultListInputTest, TypeAheadStepsThroughRowsThatBeginWithTheLetter) {
    Fill({L"Warning", L"OK", L"OK too"});
    Key('O');
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
    Key('O');
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    Key('O');
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
    Key('K');
    EXPECT_EQ(Selected(), (std::vector<int>{1})) << "O then K keeps the row that begins with OK";
}

TEST_F(ResultListInputTest, HeaderClicksSortAndShowTheArrows) {
    Fill({L"warning", L"OK", L"Met", L"met"});
    Click(CellCentre(1, 1));
    int header = list.HeaderHeight();
    POINT title0{10, header / 2};
    Click(title0);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Met", L"OK", L"met", L"warning"}));
    EXPECT_EQ(list.SortColumn(), 0);
    EXPECT_TRUE(list.SortDescending());
    EXPECT_TRUE(Selected().empty()) << "sorting clears the selection";

    // The down arrow: its widest line on top; the up arrow: widest at the bottom.
    int width0 = list.Columns().Find(0)->width;
    HeaderCellLayout layout =
        LayOutHeaderCell(ColumnSpan(list.Columns(), 0, 0, 0, header), true, false, false, true);
    auto arrowRowWidth = [&](const Picture& p, int line) {
        return p.Count(
            {layout.arrowLeft, layout.arrowTop + line, layout.arrowLeft + 16, layout.arrowTop + line + 1},
            RGB(90, 90, 90));
    };
    Picture down = Render(list.Handle());
    down.Save("result_list_sorted.bmp");
    ASSERT_GT(width0, 15);
    EXPECT_EQ(arrowRowWidth(down, 1), 9);
    EXPECT_EQ(arrowRowWidth(down, 5), 1);

    Click(title0);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"warning", L"met", L"OK", L"Met"}));
    EXPECT_FALSE(list.SortDescending());
    Picture up = Render(list.Handle());
    EXPECT_EQ(arrowRowWidth(up, 1), 1);
    EXPECT_EQ(arrowRowWidth(up, 5), 9);

    Click(POINT{width0 + 20, header / 2});
    EXPECT_EQ(list.SortColumn(), 1);
    EXPECT_EQ(list.Rows().front().description, L"Check 0");
}

TEST_F(ResultListInputTest, DividerDragDownToZeroAndDoubleClickFits) {
    Fill({L"Not met", L"Met"});
    int fitted = list.Columns().Find(0)->width;
    int header = list.HeaderHeight();
    POINT divider{fitted - 2, header / 2};
    Mouse(WM_LBUTTONDOWN, divider, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, POINT{divider.x - 30, divider.y}, MK_LBUTTON);
    EXPECT_EQ(list.Columns().Find(0)->width, fitted - 30);
    Mouse(WM_MOUSEMOVE, POINT{divider.x - 500, divider.y}, MK_LBUTTON);
    EXPECT_EQ(list.Columns().Find(0)->width, 0);
    Mouse(WM_LBUTTONUP, POINT{divider.x - 500, divider.y});
    EXPECT_EQ(list.SortColumn(), -1) << "a resize is no header click";
    // the 0-wide column's divider is at x 0 now
    Mouse(WM_LBUTTONDBLCLK, POINT{1, header / 2}, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, POINT{1, header / 2});
    EXPECT_EQ(list.Columns().Find(0)->width, fitted);
    EXPECT_EQ(NotificationCodes().back(), kListLeftClick);
}

TEST_F(ResultListInputTest, RubberBandFromBelowTheRowsUpwards) {
    Fill({L"a", L"b", L"c", L"d", L"e"});
    int rh = list.RowHeight(), header = list.HeaderHeight();
    POINT below{40, header + 8 * rh};
    Mouse(WM_LBUTTONDOWN, below, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, POINT{60, header + rh + rh / 2}, MK_LBUTTON);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(list.Selection().Anchor(), 1);
    EXPECT_EQ(list.Selection().Focus(), 4);
    Picture band = Render(list.Handle());
    band.Save("result_list_band.bmp");
    EXPECT_GT(band.Count({40, header + 2 * rh, 60, header + 3 * rh}, RGB(180, 190, 210)), 100);
    Mouse(WM_LBUTTONUP, POINT{60, header + rh + rh / 2});
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4})) << "the release after a band changes nothing";
    Picture after = Render(list.Handle());
    EXPECT_EQ(after.Count({0, header, after.width, after.height}, RGB(180, 190, 210)), 0);
}

TEST_F(ResultListInputTest, TitleTipShowsTheWholeCutTextAndPassesClicksOn) {
    AddColumns();
    list.AppendRow({kImageWarning, L"Warning", kLongDescription});
    list.AppendRow({kImageGreenTick, L"Met", L"short"});
    EXPECT_TRUE(list.FitColumnToContent(0));
    // column 1 stays 1 pixel wide: no tip over it; make it narrow by a drag instead
    int header = list.HeaderHeight();
    int left1 = list.Columns().Find(0)->width;
    Mouse(WM_LBUTTONDOWN, POINT{left1 + 1 - 2, header / 2}, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, POINT{left1 + 200, header / 2}, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, POINT{left1 + 200, header / 2});
    ASSERT_GT(list.Columns().Find(1)->width, 150);

    Mouse(WM_MOUSEMOVE, CellCentre(0, 1));
    ASSERT_TRUE(list.TitleTip().IsShown());
    EXPECT_EQ(list.TitleTip().Text(), kLongDescription);
    RECT tip{};
    GetWindowRect(list.TitleTip().Handle(), &tip);
    EXPECT_EQ(tip.right - tip.left, TextWidth(list.TitleTip().Font(), kLongDescription) + 11);
    EXPECT_EQ(GetCapture(), list.TitleTip().Handle());
    Picture tipPicture = Render(list.TitleTip().Handle());
    tipPicture.Save("result_list_title_tip.bmp");
    EXPECT_EQ(tipPicture.At(0, 0), GetSysColor(COLOR_INFOTEXT)) << "framed";

    // a short text that fits: no tip
    Mouse(WM_MOUSEMOVE, CellCentre(1, 1));
    EXPECT_FALSE(list.TitleTip().IsShown());

    // a click on the tip selects the row under it
    Mouse(WM_MOUSEMOVE, CellCentre(0, 1));
    ASSERT_TRUE(list.TitleTip().IsShown());
    SendMessageW(list.TitleTip().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    SendMessageW(list.TitleTip().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
    EXPECT_FALSE(list.TitleTip().IsShown());
    EXPECT_EQ(Selected(), (std::vector<int>{0}));

    // leaving the tip hides it
    Mouse(WM_MOUSEMOVE, CellCentre(0, 1));
    ASSERT_TRUE(list.TitleTip().IsShown());
    SendMessageW(list.TitleTip().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(-5, -5));
    EXPECT_FALSE(list.TitleTip().IsShown());
    EXPECT_NE(GetCapture(), list.TitleTip().Handle());
}

TEST_F(ResultListInputTest, LineAndPageRequestsSlideOncePerPress) {
    FillLongList();
    int rh = list.RowHeight();
    SendMessageW(list.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(list.VerticalPosition(), 10 * rh) << "the position changes at once";
    EXPECT_TRUE(list.IsSliding());
    // a further request of the same press jumps and ends the slide
    SendMessageW(list.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_FALSE(list.IsSliding());
    EXPECT_EQ(list.VerticalPosition(), 11 * rh);
    SendMessageW(list.Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);

    SendMessageW(list.Handle(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_TRUE(list.IsSliding());
    // A page slides in 17 frames; a loaded machine may take many times their time.
    const DWORD slideLimit = 17 * kSlideFrameMs * 50;
    DWORD start = GetTickCount();
    while (list.IsSliding() && GetTickCount() - start < slideLimit) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Pump();
    }
    EXPECT_FALSE(list.IsSliding()) << "the slide ends";
    EXPECT_EQ(list.VerticalPosition(), rh);
    SendMessageW(list.Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
    // the wheel never slides, and it ends a slide under way
    SendMessageW(list.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_TRUE(list.IsSliding());
    SendMessageW(list.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_FALSE(list.IsSliding());
    EXPECT_EQ(list.VerticalPosition(), 14 * rh);
}

} // namespace
} // namespace Velkora

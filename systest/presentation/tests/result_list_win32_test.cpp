// The result list on a real display under Wine: created in a plain window and attached to a
// dialog's placeholder, filled, fitted, painted through WM_PRINTCLIENT and scrolled.
#include "list_test_support_win32.h"

namespace Velkora {
namespace {

using namespace ListTest;
using ResultListTest = CListTestBase;

TEST_F(ResultListTest, FittedColumnsShowEveryTextAndImage) {
    AddColumns();
    ASSERT_EQ(list.AppendRow({kImageRedCross, L"Not met", L"Memory: 2 GB installed, 8 GB required"}), 0);
    ASSERT_EQ(list.AppendRow({kImageWarning, kCutLabel, kLongDescription}), 1);
    ASSERT_EQ(list.AppendRow({kImageGreenTick, L"Met", L"Processor: 8 cores"}), 2);
    ASSERT_TRUE(list.FitColumnToContent(0));
    ASSERT_TRUE(list.FitColumnToContent(1));
    EXPECT_FALSE(list.FitColumnToContent(2));

    HFONT font = list.Font();
    int status = std::max({TextWidth(font, L"Status") + 20, TextWidth(font, L"Not met") + 36,
                           TextWidth(font, kCutLabel) + 36, TextWidth(font, L"Met") + 36});
    int description = std::max(TextWidth(font, L"Description") + 20, TextWidth(font, kLongDescription) + 20);
    EXPECT_EQ(list.Columns().Find(0)->width, status);
    EXPECT_EQ(list.Columns().Find(1)->width, description);

    Picture picture = Render(list.Handle());
    ASSERT_GT(picture.width, 0);
    picture.Save("result_list_fitted.bmp");
    EXPECT_EQ(picture.Count({0, 0, picture.width, picture.height}, kMagenta), 0)
        << "magenta must be transparent";

    COLORREF images[] = {kCrossRed, kWarningYellow, kTickGreen};
    for (int row = 0; row < 3; ++row) {
        ListRect cell = CellRect(row, 0);
        CellLayout layout = LayOutCell(cell, true, true, false);
        ListRect image{layout.imageLeft, layout.imageTop, layout.imageLeft + 16, layout.imageTop + 16};
        EXPECT_GT(picture.Count(image, images[row]), 20) << "status image of row " << row;
        // its text is drawn in the text rectangle, and nothing right of the cell's text
        EXPECT_GT(picture.Count(layout.text, GetSysColor(COLOR_WINDOWTEXT)), 5) << row;
    }
    // header: background, a title in each column's text rectangle
    int header = list.HeaderHeight();
    EXPECT_EQ(picture.At(status - 8, header / 2), GetSysColor(COLOR_BTNFACE));
    for (int column = 0; column < 2; ++column) {
        HeaderCellLayout layout = LayOutHeaderCell(ColumnSpan(list.Columns(), column, 0, 0, header),
                                                   column == 0, false, false, false);
        EXPECT_GT(picture.Count(layout.text, GetSysColor(COLOR_WINDOWTEXT)), 10)
            << "title of column " << column;
    }
    // the frame's dark bottom line and the columns' dividers
    EXPECT_EQ(picture.At(status / 2, header - 1), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(status - 1, header / 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(status, header / 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    // below the last row only the background
    ListRect below{0, header + 3 * list.RowHeight(), picture.width, picture.height};
    EXPECT_EQ(picture.CountOther(below, GetSysColor(COLOR_WINDOW)), 0);
}

TEST_F(ResultListTest, NarrowColumnCutsItsTextInsideTheCell) {
    list.AppendColumn(L"Status", 60);
    list.AppendColumn(L"Description", 150);
    list.AppendRow({kImageWarning, kCutLabel, kLongDescription});
    Picture picture = Render(list.Handle());
    picture.Save("result_list_narrow.bmp");
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    for (int column = 0; column < 2; ++column) {
        ListRect cell = CellRect(0, column);
        CellLayout layout = LayOutCell(cell, column == 0, column == 0, false);
        ListRect beyond{layout.text.right, cell.top, picture.width, cell.bottom};
        if (column == 0)
            beyond.right = cell.right + 3; // the next column's text starts 7 pixels in
        EXPECT_EQ(picture.Count(beyond, text), 0) << "nothing beyond the text rectangle, column " << column;
        // the ellipsis ends near the right edge: within what one cut can leave free in this font
        const std::wstring& whole = column == 0 ? kCutLabel : kLongDescription;
        int lastInk = layout.text.left - 1;
        for (int x = layout.text.left; x < layout.text.right; ++x)
            if (picture.Count({x, cell.top, x + 1, cell.bottom}, text) > 0)
                lastInk = x;
        EXPECT_GE(lastInk, layout.text.right - CutSlack(list.Font(), whole))
            << "column " << column << ": text from " << layout.text.left << " to " << layout.text.right
            << ", ink ends at " << lastInk;
    }
}

TEST_F(ResultListTest, OnePixelColumnsDrawOnlyTheirDividers) {
    AddColumns();
    list.AppendRow({kImageRedCross, L"Not met", L"Disk"});
    Picture picture = Render(list.Handle());
    int header = list.HeaderHeight();
    ListRect rows{0, header, picture.width, picture.height};
    EXPECT_EQ(picture.CountOther(rows, GetSysColor(COLOR_WINDOW)), 0);
    // column 1 spans x 1: dark line at 1, light line at 2
    EXPECT_EQ(picture.At(1, header / 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(2, header / 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(2, 2), GetSysColor(COLOR_BTNFACE)); // lines stop 4 pixels below the top
}

TEST_F(ResultListTest, EmptyListShowsHeaderAndBackgroundWithoutBars) {
    AddColumns();
    EXPECT_TRUE(list.FitColumnToContent(0));
    EXPECT_TRUE(list.FitColumnToContent(1));
    EXPECT_FALSE(HasStyle(list.Handle(), WS_VSCROLL));
    EXPECT_FALSE(HasStyle(list.Handle(), WS_HSCROLL));
    Picture picture = Render(list.Handle());
    int header = list.HeaderHeight();
    EXPECT_EQ(picture.CountOther({0, header, picture.width, picture.height}, GetSysColor(COLOR_WINDOW)), 0);
    EXPECT_EQ(picture.At(picture.width - 3, header / 2), GetSysColor(COLOR_BTNFACE));
}

// A switch to a high-contrast scheme reaches the list as WM_SYSCOLORCHANGE (forwarded by its
// dialog): it paints at once in the new system colours, nothing in the old ones.
TEST_F(ResultListTest, SystemColourChangeRepaintsInTheNewColours) {
    CSystemColoursChange colours(
        {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT}, list.Handle());
    // Colours no scheme of the test bed uses, so that a stale brush cannot pass for a new one.
    const std::vector<COLORREF> contrast = {RGB(0, 0, 1), RGB(255, 255, 1), RGB(1, 0, 128), RGB(0, 255, 1),
                                            RGB(1, 0, 0)};

    AddColumns();
    ASSERT_EQ(list.AppendRow({kImageGreenTick, L"Met", L"Processor: 8 cores"}), 0);
    ASSERT_EQ(list.AppendRow({kImageWarning, L"Warning", L"Screen: 1280 x 720"}), 1);
    EXPECT_TRUE(list.FitColumnToContent(0));
    EXPECT_TRUE(list.FitColumnToContent(1));
    Render(list.Handle()); // painted once in the old colours

    ASSERT_TRUE(colours.Set(contrast));
    SendMessageW(list.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    Picture picture = Render(list.Handle());
    picture.Save("result_list_high_contrast.bmp");
    const int header = list.HeaderHeight();
    ListRect below{0, header + 2 * list.RowHeight(), picture.width, picture.height};
    EXPECT_EQ(picture.CountOther(below, contrast[0]), 0) << "background";
    EXPECT_EQ(picture.At(picture.width - 3, header / 2), contrast[2]) << "header";
    for (int row = 0; row < 2; ++row) {
        CellLayout layout = LayOutCell(CellRect(row, 1), false, false, false);
        EXPECT_GT(picture.Count(layout.text, contrast[1]), 5) << "text of row " << row;
        EXPECT_EQ(picture.Count(layout.text, colours.Saved(1)), 0) << "old text colour in row " << row;
    }
}

TEST_F(ResultListTest, WheelAndScrollBarMoveWholeRows) {
    FillLongList();
    EXPECT_TRUE(HasStyle(list.Handle(), WS_VSCROLL));
    EXPECT_FALSE(HasStyle(list.Handle(), WS_HSCROLL)) << "the columns fit the width";

    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ASSERT_EQ(lines, 3u) << "the test bed's default";
    int rh = list.RowHeight();
    SendMessageW(list.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(list.VerticalPosition(), 3 * rh);
    EXPECT_EQ(GetScrollPos(list.Handle(), SB_VERT), 3 * rh);

    // the top row is now row 3, whose image is the red cross
    Picture picture = Render(list.Handle());
    picture.Save("result_list_scrolled.bmp");
    CellLayout top = LayOutCell(CellRect(3, 0), true, true, false);
    EXPECT_EQ(top.imageTop, list.HeaderHeight() + (rh - 16) / 2);
    EXPECT_GT(picture.Count({top.imageLeft, top.imageTop, top.imageLeft + 16, top.imageTop + 16}, kCrossRed),
              20);

    SendMessageW(list.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(list.VerticalPosition(), 0) << "never above the first row";

    SendMessageW(list.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(list.VerticalPosition(), rh);
    // the range is header plus rows: with a row area of exactly 10 rows the end shows an empty
    // row below the last one
    SendMessageW(list.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(list.VerticalPosition(), 21 * rh);
    SendMessageW(list.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(list.VerticalPosition(), 21 * rh) << "never past the end";
    SendMessageW(list.Handle(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(list.VerticalPosition(), 11 * rh);

    // the last row is fully visible at the end
    SendMessageW(list.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    picture = Render(list.Handle());
    ListRect lastCell = CellRect(29, 0);
    EXPECT_EQ(lastCell.bottom, picture.height - rh);
    CellLayout last = LayOutCell(lastCell, true, true, false);
    EXPECT_GT(
        picture.Count({last.imageLeft, last.imageTop, last.imageLeft + 16, last.imageTop + 16}, kTickGreen),
        20);
}

TEST_F(ResultListTest, NarrowWindowScrollsSideways) {
    AddColumns();
    list.AppendRow({kImageWarning, L"Warning", kLongDescription + kLongDescription});
    EXPECT_TRUE(list.FitColumnToContent(0));
    EXPECT_TRUE(list.FitColumnToContent(1));
    Pump();
    ASSERT_TRUE(HasStyle(list.Handle(), WS_HSCROLL));
    EXPECT_FALSE(HasStyle(list.Handle(), WS_VSCROLL));
    SendMessageW(list.Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(list.HorizontalPosition(), 5);
    SendMessageW(list.Handle(), WM_HSCROLL, SB_RIGHT, 0);
    RECT client{};
    GetClientRect(list.Handle(), &client);
    EXPECT_EQ(list.HorizontalPosition(), list.Columns().TotalWidth() - client.right);
    SendMessageW(list.Handle(), WM_HSCROLL, SB_PAGELEFT, 0);
    EXPECT_EQ(list.HorizontalPosition(), std::max<int>(list.Columns().TotalWidth() - 2 * client.right, 0));
}

TEST_F(ResultListTest, RowsWithoutWindowAreKeptButAnswerMinusOne) {
    CListUserData detached;
    EXPECT_EQ(detached.AppendRow({kImageGreenTick, L"Met", L"Memory"}), -1);
    EXPECT_EQ(detached.CountRows(), 1);
}

TEST(ResultListResources, ModuleWithoutThePicturesFailsToLoad) {
    ListResources resources;
    EXPECT_FALSE(LoadListResources(GetModuleHandleW(L"kernel32.dll"), resources));
    EXPECT_TRUE(LoadListResources(GetModuleHandleW(nullptr), resources));
    IMAGEINFO info{};
    ASSERT_EQ(ImageList_GetImageCount(resources.rowImages.Get()), 4)
        << "65 pixels: four images, one spare column";
    ASSERT_TRUE(ImageList_GetImageInfo(resources.rowImages.Get(), 0, &info));
    EXPECT_EQ(info.rcImage.right - info.rcImage.left, 16);
    EXPECT_EQ(ImageList_GetImageCount(resources.glyphs.Get()), 2);
}

INT_PTR CALLBACK AttachingDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* list = reinterpret_cast<CListUserData*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, list->AttachResultList(dialog, 1001) ? 1 : 0);
    return TRUE;
}

TEST(ResultListDialog, AttachesToTheDialogPlaceholder) {
    ASSERT_TRUE(RegisterUserListClass(GetModuleHandleW(nullptr)));
    CListUserData list;
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kTestDialogId), nullptr,
                                     AttachingDialogProc, reinterpret_cast<LPARAM>(&list));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_USER), 1) << "attached";
    HWND placeholder = GetDlgItem(dialog, 1001);
    EXPECT_EQ(list.Handle(), placeholder);
    EXPECT_FALSE(HasStyle(placeholder, WS_BORDER));
    EXPECT_TRUE(HasStyle(placeholder, WS_CLIPCHILDREN | WS_TABSTOP | WS_CHILD | WS_VISIBLE));
    EXPECT_TRUE(GetWindowLongPtrW(placeholder, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_EQ(SendMessageW(placeholder, WM_GETDLGCODE, 0, 0), 0x83);
    list.AppendColumn(L"Status", 1);
    list.AppendColumn(L"Description", 1);
    list.AppendRow({kImageGreenTick, L"Met", L"Screen: 1920 x 1080"});
    EXPECT_TRUE(list.FitColumnToContent(0));
    EXPECT_TRUE(list.FitColumnToContent(1));
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    UpdateWindow(dialog);
    Pump();
    Picture picture = Render(placeholder);
    CellLayout first = LayOutCell(
        {0, list.HeaderHeight(), list.Columns().Find(0)->width, list.HeaderHeight() + list.RowHeight()}, true,
        true, false);
    EXPECT_GT(picture.Count({first.imageLeft, first.imageTop, first.imageLeft + 16, first.imageTop + 16},
                            kTickGreen),
              20);
    DestroyWindow(dialog);
    EXPECT_EQ(list.Handle(), nullptr) << "the object lets go of the destroyed window";
    Pump();
}

} // namespace
} // namespace Velkora

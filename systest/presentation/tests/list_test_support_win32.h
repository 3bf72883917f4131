#pragma once
// Helpers of the result list's Wine tests: a host window that records the list's notifications,
// rendering through WM_PRINTCLIENT, pixel counting, text measuring.
#include "list_user_data_win32.h"
#include "user_list_class_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

namespace Velkora {
namespace ListTest {

constexpr int kTestDialogId = 200;
constexpr wchar_t kHostClass[] = L"ResultListTestHost";

// Colours of the status images as drawn in res/.
constexpr COLORREF kCrossRed = RGB(220, 30, 30);
constexpr COLORREF kWarningYellow = RGB(250, 205, 0);
constexpr COLORREF kTickGreen = RGB(40, 180, 40);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, top-down

    COLORREF At(int x, int y) const {
        std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const ListRect& r, COLORREF colour) const {
        int n = 0;
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, width); ++x)
                n += At(x, y) == colour;
        return n;
    }
    int CountOther(const ListRect& r, COLORREF colour) const {
        return r.Width() * r.Height() - Count(r, colour);
    }

    void Save(const char* path) const {
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER info{};
        info.biSize = sizeof(info);
        info.biWidth = width;
        info.biHeight = -height;
        info.biPlanes = 1;
        info.biBitCount = 32;
        DWORD bytes = static_cast<DWORD>(pixels.size() * 4);
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(file) + sizeof(info);
        file.bfSize = file.bfOffBits + bytes;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof(file));
        out.write(reinterpret_cast<const char*>(&info), sizeof(info));
        out.write(reinterpret_cast<const char*>(pixels.data()), bytes);
    }
};

// System colours a test changes, put back when it ends, pass or fail; the window that hears of
// changes (the list, or its dialog) is told again then.
class CSystemColoursChange {
  public:
    CSystemColoursChange(std::vector<int> elements, HWND told) : elements(std::move(elements)), told(told) {
        for (int element : this->elements)
            saved.push_back(GetSysColor(element));
    }
    ~CSystemColoursChange() {
        SetSysColors(static_cast<int>(elements.size()), elements.data(), saved.data());
        SendMessageW(told, WM_SYSCOLORCHANGE, 0, 0);
    }
    CSystemColoursChange(const CSystemColoursChange&) = delete;
    CSystemColoursChange& operator=(const CSystemColoursChange&) = delete;

    // One colour per element, in their order.
    bool Set(const std::vector<COLORREF>& colours) const {
        return colours.size() == elements.size() &&
               SetSysColors(static_cast<int>(elements.size()), elements.data(), colours.data());
    }
    COLORREF Saved(std::size_t index) const { return saved[index]; }

  private:
    std::vector<int> elements;
    std::vector<COLORREF> saved;
    HWND told;
};

enum class PictureSource {
    PrintClient, // as the window paints it for WM_PRINTCLIENT
    Screen,      // as the screen shows it now
};

// The window's client area.
inline Picture Render(HWND window, PictureSource source = PictureSource::PrintClient) {
    RECT client{};
    GetClientRect(window, &client);
    Picture picture;
    picture.width = client.right;
    picture.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    CBitmapHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CMemoryDc dc(nullptr);
    if (!dib || !dc.Get())
        return picture;
    {
        CSelection selected(dc.Get(), dib.Get());
        if (source == PictureSource::PrintClient) {
            SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        } else {
            CWindowDc screen(window);
            BitBlt(dc.Get(), 0, 0, picture.width, picture.height, screen.Get(), 0, 0, SRCCOPY);
        }
        GdiFlush();
    }
    auto* first = static_cast<const std::uint32_t*>(bits);
    picture.pixels.assign(first, first + picture.width * picture.height);
    for (std::uint32_t& p : picture.pixels)
        p &= 0x00FFFFFF;
    return picture;
}

inline int TextWidth(HFONT font, const std::wstring& text) {
    CWindowDc dc(nullptr);
    CSelection selected(dc.Get(), font);
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The most room that cutting a text with an end ellipsis can leave unused in this font: the
// widest of its characters and the ellipsis itself (DrawText may cut one character more than fits).
inline int CutSlack(HFONT font, const std::wstring& text) {
    int widest = 0;
    for (wchar_t c : text)
        widest = std::max(widest, TextWidth(font, std::wstring(1, c)));
    return 2 * widest + TextWidth(font, L"...");
}

// The notifications that the list sent to the host window, oldest first.
inline std::vector<ListNotification> notifications;

inline LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY)
        notifications.push_back(*reinterpret_cast<const ListNotification*>(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

inline std::vector<int> NotificationCodes() {
    std::vector<int> codes;
    for (const ListNotification& n : notifications)
        codes.push_back(static_cast<int>(n.header.code));
    return codes;
}

inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

inline bool HasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

inline const std::wstring kLongDescription =
    L"The graphics adapter NVIDIA Quadro P2000 with 5120 MB of video memory meets the requirements of "
    L"Velkora 2018, but its driver from 12.03.2016 is older than the recommended one";
inline const std::wstring kCutLabel(49, L'L'); // the longest label a row can hold

class CListTestBase : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(RegisterUserListClass(GetModuleHandleW(nullptr)));
        WNDCLASSEXW host{};
        host.cbSize = sizeof(host);
        host.lpfnWndProc = HostProc;
        host.hInstance = GetModuleHandleW(nullptr);
        host.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        host.lpszClassName = kHostClass;
        RegisterClassExW(&host);
    }

    void SetUp() override {
        host = CreateWindowExW(0, kHostClass, L"Result list", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40,
                               760, 360, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(host, nullptr);
        ShowWindow(host, SW_SHOWNOACTIVATE);
        ASSERT_TRUE(list.Create(host, RECT{10, 10, 730, 300}, 1001));
        Pump();
        notifications.clear();
    }
    void TearDown() override {
        if (host)
            DestroyWindow(host);
        Pump();
    }

    // Makes the client area exactly the header and `rows` rows high.
    void SizeForRows(int rows, int clientWidth) {
        RECT window{}, client{};
        GetWindowRect(list.Handle(), &window);
        GetClientRect(list.Handle(), &client);
        int frameWidth = (window.right - window.left) - client.right;
        int frameHeight = (window.bottom - window.top) - client.bottom;
        // Both bars hidden while measuring, so the frame is the border alone.
        ASSERT_FALSE(HasStyle(list.Handle(), WS_VSCROLL));
        ASSERT_FALSE(HasStyle(list.Handle(), WS_HSCROLL));
        SetWindowPos(list.Handle(), nullptr, 0, 0, clientWidth + frameWidth,
                     list.HeaderHeight() + rows * list.RowHeight() + frameHeight, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
    }

    void AddColumns() {
        list.AppendColumn(L"Status", 1);
        list.AppendColumn(L"Description", 1);
    }

    // 30 rows in a list 10 rows high, columns fitted.
    void FillLongList() {
        AddColumns();
        SizeForRows(10, 600);
        for (int i = 0; i < 30; ++i)
            list.AppendRow({i % 3, L"Row " + std::to_wstring(i), L"Check " + std::to_wstring(i)});
        EXPECT_TRUE(list.FitColumnToContent(0));
        EXPECT_TRUE(list.FitColumnToContent(1));
        Pump();
    }

    ListRect CellRect(int row, int column) const {
        ListRect r = RowRect({.headerHeight = list.HeaderHeight(),
                              .rowHeight = list.RowHeight(),
                              .verticalPosition = list.VerticalPosition(),
                              .horizontalPosition = list.HorizontalPosition(),
                              .totalWidth = list.Columns().TotalWidth()},
                             row);
        return ColumnSpan(list.Columns(), column, list.HorizontalPosition(), r.top, r.bottom);
    }

    POINT CellCentre(int row, int column) const {
        ListRect r = CellRect(row, column);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    void Mouse(UINT message, POINT client, WPARAM keys = 0) {
        SendMessageW(list.Handle(), message, keys, MAKELPARAM(client.x, client.y));
    }
    void Click(POINT client, WPARAM keys = 0) {
        Mouse(WM_LBUTTONDOWN, client, keys | MK_LBUTTON);
        Mouse(WM_LBUTTONUP, client, keys);
    }
    // A key press with Ctrl and Shift as given: the list reads them from the thread's key state.
    void Key(UINT key, bool ctrl = false, bool shift = false) {
        BYTE state[256]{};
        GetKeyboardState(state);
        BYTE saved[256];
        std::copy(std::begin(state), std::end(state), std::begin(saved));
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageW(list.Handle(), WM_KEYDOWN, key, 0);
        SetKeyboardState(saved);
    }
    std::vector<int> Selected() const {
        const std::set<int>& rows = list.Selection().SelectedRows();
        return {rows.begin(), rows.end()};
    }
    std::vector<std::wstring> Labels() const {
        std::vector<std::wstring> labels;
        for (const ResultRow& row : list.Rows())
            labels.push_back(row.label);
        return labels;
    }

    HWND host = nullptr;
    CListUserData list;
};

} // namespace ListTest
} // namespace Velkora

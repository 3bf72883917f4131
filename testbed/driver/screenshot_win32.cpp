#include "screenshot_win32.h"

#include <vector>

#include "gdi_objects_win32.h"
#include "scoped_handle_win32.h"

namespace VelkoraTest {

bool SaveWindowScreenshot(HWND window, const std::wstring& path) {
    RECT box{};
    if (!GetWindowRect(window, &box))
        return false;
    int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return false;
    Velkora::CWindowDc screen(nullptr);
    Velkora::CMemoryDc memory(screen.Get());
    Velkora::CBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        Velkora::CSelection selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), box.left, box.top, SRCCOPY);
    }

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory.Get(), bitmap.Get(), 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    Velkora::CFile out(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out)
        return false;
    DWORD written = 0;
    return WriteFile(out.Get(), &file, sizeof file, &written, nullptr) &&
           WriteFile(out.Get(), &info, sizeof info, &written, nullptr) &&
           WriteFile(out.Get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
}

} // namespace VelkoraTest

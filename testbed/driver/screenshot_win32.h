#pragma once
// Saves what the screen shows of a window as a 24-bit BMP file.
#include <windows.h>

#include <string>

namespace VelkoraTest {

bool SaveWindowScreenshot(HWND window, const std::wstring& path);

} // namespace VelkoraTest

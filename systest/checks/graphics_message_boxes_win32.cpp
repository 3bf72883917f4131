#include "graphics_message_boxes_win32.h"

#include <windows.h>

namespace Velkora {

void CMessageBoxes::ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle style) {
    UINT flags = style == MessageBoxStyle::kStartFailure ? MB_ICONWARNING | MB_TASKMODAL | MB_SETFOREGROUND : MB_OK;
    MessageBoxW(nullptr, text.c_str(), title.c_str(), flags);
}

void CMessageBoxes::ShowNarrow(const std::string& text, const std::string& title) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK);
}

} // namespace Velkora

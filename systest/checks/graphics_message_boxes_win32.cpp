#include "graphics_message_boxes_win32.h"

namespace Velkora {

void CMessageBoxes::ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle style) {
    UINT flags = MB_OK;
    if (style == MessageBoxStyle::kStartFailure)
        flags = MB_ICONWARNING | MB_SETFOREGROUND | (owner ? MB_APPLMODAL : MB_TASKMODAL);
    MessageBoxW(owner, text.c_str(), title.c_str(), flags);
}

void CMessageBoxes::ShowNarrow(const std::string& text, const std::string& title) {
    MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK);
}

} // namespace Velkora

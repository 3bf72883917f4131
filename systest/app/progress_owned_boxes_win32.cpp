#include "progress_owned_boxes_win32.h"

#include "graphics_message_boxes_win32.h"

namespace Velkora {

void CProgressOwnedBoxes::ShowWide(const std::wstring& text, const std::wstring& title,
                                   MessageBoxStyle style) {
    Show([&](IMessageBoxes& boxes) { boxes.ShowWide(text, title, style); });
}

void CProgressOwnedBoxes::ShowNarrow(const std::string& text, const std::string& title) {
    Show([&](IMessageBoxes& boxes) { boxes.ShowNarrow(text, title); });
}

void CProgressOwnedBoxes::Show(const std::function<void(IMessageBoxes&)>& show) {
    HWND owner = progress.Handle();
    if (!owner) {
        CMessageBoxes unowned;
        show(unowned);
        return;
    }
    // Returns once the window's thread has closed the box (or skipped it after a cancel).
    ProgressBoxRequest request{show};
    SendMessageW(owner, kMessageShowBox, 0, reinterpret_cast<LPARAM>(&request));
}

} // namespace Velkora

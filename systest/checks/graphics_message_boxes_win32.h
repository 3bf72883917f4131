#pragma once
// The real message boxes.
#include <windows.h>

#include "graphics_message_boxes.h"

namespace Velkora {

class CMessageBoxes : public IMessageBoxes {
  public:
    // owner: the window the boxes are modal to; without one a warning is modal to the whole task.
    explicit CMessageBoxes(HWND owner = nullptr) : owner(owner) {}
    void ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle style) override;
    void ShowNarrow(const std::string& text, const std::string& title) override;

  private:
    HWND owner;
};

} // namespace Velkora

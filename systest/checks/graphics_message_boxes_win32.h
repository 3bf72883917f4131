#pragma once
// The real message boxes.
#include "graphics_message_boxes.h"

namespace Velkora {

class CMessageBoxes : public IMessageBoxes {
public:
    void ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle style) override;
    void ShowNarrow(const std::string& text, const std::string& title) override;
};

} // namespace Velkora

#pragma once
// The message boxes of a silent run: each becomes one line on standard error and returns at once.
#include <string>

#include "graphics_message_boxes.h"

namespace Velkora {

class CStandardErrorBoxes : public IMessageBoxes {
  public:
    void ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle style) override;
    void ShowNarrow(const std::string& text, const std::string& title) override;
};

// The fatal start-up message as a line (a FatalMessageSink).
void WriteFatalMessageLine(const std::wstring& message, const std::wstring& title);

} // namespace Velkora

#pragma once
// Message boxes that show nothing: a benchmark has no one to show them to, and tells a failed
// program start by the launcher's outcome instead.
#include "graphics_message_boxes.h"

namespace VelkoraBench {

class CNoMessageBoxes : public Velkora::IMessageBoxes {
  public:
    void ShowWide(const std::wstring&, const std::wstring&, Velkora::MessageBoxStyle) override {}
    void ShowNarrow(const std::string&, const std::string&) override {}
};

} // namespace VelkoraBench

#pragma once
// Boxes kept back to be shown later, in the order they were asked for: work that runs early may
// not show its boxes before those that a one-step-after-the-other run shows first.
#include <string>
#include <vector>

#include "graphics_message_boxes.h"

namespace Velkora {

class CDeferredMessageBoxes : public IMessageBoxes {
  public:
    void ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle style) override {
        kept.push_back({text, {}, title, {}, false, style});
    }
    void ShowNarrow(const std::string& text, const std::string& title) override {
        kept.push_back({{}, text, {}, title, true, MessageBoxStyle::kInformation});
    }
    // Shows every kept box, then forgets them.
    void ShowAll(IMessageBoxes& boxes) {
        for (const Kept& box : kept) {
            if (box.narrow) {
                boxes.ShowNarrow(box.narrowText, box.narrowTitle);
            } else {
                boxes.ShowWide(box.wideText, box.wideTitle, box.style);
            }
        }
        kept.clear();
    }

  private:
    struct Kept {
        std::wstring wideText;
        std::string narrowText;
        std::wstring wideTitle;
        std::string narrowTitle;
        bool narrow = false;
        MessageBoxStyle style = MessageBoxStyle::kInformation;
    };
    std::vector<Kept> kept;
};

} // namespace Velkora

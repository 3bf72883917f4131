#pragma once
// The message boxes of the graphics checks: the diagnosis boxes of verbose mode and the box of a
// failed program start. Behind an interface so that the checks can be tested, and so that a
// quiet mode can turn each box into a line of text instead.
#include <string>

namespace Velkora {

enum class MessageBoxStyle {
    kInformation,  // OK button only
    kStartFailure, // warning icon, task-modal, brought to the foreground
};

class IMessageBoxes {
  public:
    virtual ~IMessageBoxes() = default;
    // A box; returns when it has been dismissed.
    virtual void ShowWide(const std::wstring& text, const std::wstring& title,
                          MessageBoxStyle style = MessageBoxStyle::kInformation) = 0;
    // The same for the 8-bit boxes (OK button only).
    virtual void ShowNarrow(const std::string& text, const std::string& title) = 0;
};

} // namespace Velkora

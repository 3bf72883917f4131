#pragma once
// The title tip: a small top-most popup that shows the whole text of a cut cell over the cell.
// It is never activated and never appears in the task bar. While shown it holds the mouse
// capture: leaving it hides it, and button presses on it go on to the list beneath.
#include <string>

#include "double_buffer_win32.h"
#include "gdi_objects_win32.h"
#include "message_window_win32.h"

namespace Velkora {

inline constexpr wchar_t kTitleTipClass[] = L"TitleTip";

class CTitleTip : public CMessageWindow, public CDoubleBufferImpl<CTitleTip> {
  public:
    ~CTitleTip() override;

    // Creates the hidden popup for a list window; false when the window cannot be made.
    [[nodiscard]] bool Create(HWND list, int dpi = 0);
    void Destroy();

    HFONT Font() const { return font.Get(); }
    // Shows the text in a window of the given screen rectangle, without activating it, and
    // takes the mouse capture.
    void Show(const RECT& screenRect, const std::wstring& text);
    void Hide();
    bool IsShown() const;
    const std::wstring& Text() const { return text; }

    LRESULT ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The whole tip, whatever part of it the system asks for.
    void DoPaint(HDC dc, const RECT& area);

  private:
    void Paint(HDC dc, const RECT& client);
    void OnMouseMove(LPARAM lParam);
    void PassButtonToList(UINT message, WPARAM wParam, LPARAM lParam);

    HWND list = nullptr;
    CFontHandle font;
    std::wstring text;
};

} // namespace Velkora

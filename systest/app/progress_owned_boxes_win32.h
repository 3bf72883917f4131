#pragma once
// The message boxes of a dialog run. While the progress window exists they belong to it and are
// modal to it, whichever thread asks: the run's thread hands each box to the window's thread.
// Before and after, they are ordinary boxes.
#include <functional>
#include <string>

#include "graphics_message_boxes.h"
#include "progress_dlg_win32.h"

namespace Velkora {

class CProgressOwnedBoxes : public IMessageBoxes {
  public:
    explicit CProgressOwnedBoxes(const CProgressDlg& progress) : progress(progress) {}

    void ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle style) override;
    void ShowNarrow(const std::string& text, const std::string& title) override;

  private:
    void Show(const std::function<void(IMessageBoxes&)>& show);

    const CProgressDlg& progress;
};

} // namespace Velkora

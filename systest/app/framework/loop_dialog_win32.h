#pragma once
// A modeless dialog that is also the message filter and idle handler of the thread's message
// loop, and that ends the loop with a value when it closes.
#include "dialog_base_win32.h"
#include "message_loop_win32.h"

namespace Velkora {

// The values with which a loop dialog ends the loop: OK, Cancel.
inline constexpr int kLoopResultOk = 1;
inline constexpr int kLoopResultCancel = 2;

class CLoopDialog : public CDialogBase, public IMessageFilter, public IIdleHandler {
  public:
    // The dialog-key handling: Tab, Enter, Escape, arrow keys.
    bool PreTranslateMessage(MSG& message) override;
    void OnIdle() override {}

  protected:
    // The dispatch every loop dialog shares: first the class's own messages, then
    // initialisation, destruction (it leaves the loop), the class's own commands, OK and Cancel.
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) final;
    // The class's own messages; true when handled, with the dialog procedure's answer in result.
    virtual bool ProcessDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // WM_INITDIALOG: the system sets the default focus afterwards.
    virtual void OnInitDialog() = 0;
    // A WM_COMMAND the class handles itself; true when handled.
    virtual bool OnCommand(WORD id, WORD notification);

    void RegisterWithLoop();
    void UnregisterFromLoop();
    // Destroys the window first (which unregisters it), then asks the loop to quit with the code.
    void CloseWithCode(int code);
};

} // namespace Velkora

#pragma once
// A modeless dialog that is also the message filter and idle handler of the thread's message
// loop, and that ends the loop with a value when it closes.
#include "dialog_base_win32.h"
#include "message_loop_win32.h"

namespace Velkora {

class CLoopDialog : public CDialogBase, public IMessageFilter, public IIdleHandler {
  public:
    // The dialog-key handling: Tab, Enter, Escape, arrow keys.
    bool PreTranslateMessage(MSG& message) override { return IsDialogMessageW(Handle(), &message) != FALSE; }
    void OnIdle() override {}

  protected:
    void RegisterWithLoop() {
        if (CMessageLoop* loop = AppModule().GetMessageLoop()) {
            loop->AddMessageFilter(this);
            loop->AddIdleHandler(this);
        }
    }
    void UnregisterFromLoop() {
        if (CMessageLoop* loop = AppModule().GetMessageLoop()) {
            loop->RemoveMessageFilter(this);
            loop->RemoveIdleHandler(this);
        }
    }
    // Destroys the window first (which unregisters it), then asks the loop to quit with the code.
    void CloseWithCode(int code) {
        DestroyWindow(Handle());
        PostQuitMessage(code);
    }
};

} // namespace Velkora

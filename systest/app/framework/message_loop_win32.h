#pragma once
// The thread's message loop: message filters get each message first (newest first), and idle
// handlers run when the queue has run dry.
#include <windows.h>

#include <vector>

namespace Velkora {

class IMessageFilter {
  public:
    virtual ~IMessageFilter() = default;
    // True when the message was consumed and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& message) = 0;
};

class IIdleHandler {
  public:
    virtual ~IIdleHandler() = default;
    virtual void OnIdle() = 0;
};

class CMessageLoop {
  public:
    void AddMessageFilter(IMessageFilter* filter) { filters.push_back(filter); }
    void RemoveMessageFilter(IMessageFilter* filter);
    void AddIdleHandler(IIdleHandler* handler) { idleHandlers.push_back(handler); }
    void RemoveIdleHandler(IIdleHandler* handler);

    // Runs until WM_QUIT; gives the value passed to PostQuitMessage.
    int Run();

  private:
    bool PreTranslate(MSG& message);
    void RunIdleHandlers();

    std::vector<IMessageFilter*> filters;
    std::vector<IIdleHandler*> idleHandlers;
};

// The module object: keeps the message loop of the thread so that windows can find it.
class CAppModule {
  public:
    void Init(HINSTANCE instance) { this->instance = instance; }
    void Term() { loop = nullptr; }
    HINSTANCE Instance() const { return instance; }
    void AddMessageLoop(CMessageLoop* messageLoop) { loop = messageLoop; }
    void RemoveMessageLoop() { loop = nullptr; }
    CMessageLoop* GetMessageLoop() const { return loop; }

  private:
    HINSTANCE instance = nullptr;
    CMessageLoop* loop = nullptr;
};

// The one module object of the program.
CAppModule& AppModule();

} // namespace Velkora

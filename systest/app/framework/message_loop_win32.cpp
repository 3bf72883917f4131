#include "message_loop_win32.h"

#include <algorithm>

namespace Velkora {

CAppModule& AppModule() {
    static CAppModule module;
    return module;
}

void CMessageLoop::RemoveMessageFilter(IMessageFilter* filter) {
    filters.erase(std::remove(filters.begin(), filters.end(), filter), filters.end());
}

void CMessageLoop::RemoveIdleHandler(IIdleHandler* handler) {
    idleHandlers.erase(std::remove(idleHandlers.begin(), idleHandlers.end(), handler), idleHandlers.end());
}

bool CMessageLoop::PreTranslate(MSG& message) {
    // Newest first; a copy, because a filter may remove itself while it runs.
    std::vector<IMessageFilter*> current(filters.rbegin(), filters.rend());
    for (IMessageFilter* filter : current) {
        if (filter->PreTranslateMessage(message))
            return true;
    }
    return false;
}

void CMessageLoop::RunIdleHandlers() {
    std::vector<IIdleHandler*> current(idleHandlers);
    for (IIdleHandler* handler : current)
        handler->OnIdle();
}

int CMessageLoop::Run() {
    MSG message{};
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
            RunIdleHandlers();
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            continue;
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (!PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace Velkora

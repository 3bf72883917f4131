#pragma once
// The window classes of the result list, registered once at start-up before any dialog that
// contains a "UserList" control is created.
#include <windows.h>

namespace Velkora {

inline constexpr wchar_t kUserListClass[] = L"UserList";

// Registers "UserList" and the title tip's class; true also when they are registered already.
[[nodiscard]] bool RegisterUserListClass(HINSTANCE instance);

} // namespace Velkora

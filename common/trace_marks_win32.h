#pragma once
// Marks for timing a run from outside: each is a debug string, which a debugger or a debug-output
// viewer shows as it is written (under Wine 8: WINEDEBUG=-all,+timestamp,warn+seh). Nothing else
// is written anywhere, so the marks cost next to nothing when nobody listens.
#include <windows.h>

namespace Velkora {

inline void TraceMark(const wchar_t* what) {
    OutputDebugStringW(what);
}

} // namespace Velkora

#pragma once
// Marks for timing a run from outside: each is a debug string, which a debugger, a debug-output
// viewer or Wine's +debugstr channel (with +timestamp) shows as it is written. Nothing else is
// written anywhere, so the marks cost next to nothing when nobody listens.
#include <windows.h>

namespace Velkora {

inline void TraceMark(const wchar_t* what) { OutputDebugStringW(what); }

} // namespace Velkora

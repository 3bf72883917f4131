#pragma once
// The calls of oleacc.dll the list makes, through the system folder's oleacc.dll loaded by its
// full path (a static import would take a planted oleacc.dll from the program's folder first).
// Without it the list has no accessible object: the calls answer as failures.
#include <windows.h>

#include <oleacc.h>

namespace Velkora {

LRESULT LresultFromAccessible(REFIID interfaceId, WPARAM wParam, IUnknown* object);
HRESULT CreateStandardAccessible(HWND window, LONG objectId, REFIID interfaceId, void** object);
HRESULT AccessibleFromWindow(HWND window, DWORD objectId, REFIID interfaceId, void** object);

} // namespace Velkora

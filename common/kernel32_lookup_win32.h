#pragma once
// Functions of kernel32.dll looked up by name at run time, for those older systems lack.
#include <windows.h>

namespace Velkora {

// The function, or nullptr when kernel32.dll does not have it.
template <class Function> Function LookUpKernel32(const char* name) {
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (!kernel32)
        return nullptr;
    // Through the generic function pointer type: the cast that says the signature is known.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(kernel32, name)));
}

} // namespace Velkora

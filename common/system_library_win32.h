#pragma once
// DLLs that Windows does not always take from the system folder (they are not among its
// KnownDLLs) are loaded by their full path there, in place of a static import: by a bare name
// Windows looks in the program's folder first, where a planted DLL of that name (left in a
// Downloads folder, say) would run its code inside our programs.
#include <windows.h>

#include <string>

#include "kernel32_lookup_win32.h"
#include "scoped_handle_win32.h"

namespace Velkora {

class CSystemLibrary {
  public:
    // fileName: a bare name such as L"oleacc.dll"; not loaded when the system folder is unknown.
    explicit CSystemLibrary(const wchar_t* fileName) {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return;
        const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
        // Its own dependencies are looked for in the system folder first too.
        module.Reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    }
    bool IsLoaded() const { return static_cast<bool>(module); }

    // The function, or nullptr when the library is not loaded or lacks it.
    template <class Function> Function Find(const char* name) const {
        if (!module)
            return nullptr;
        // Through the generic function pointer type: the cast that says the signature is known.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module.Get(), name)));
    }

  private:
    CModule module;
};

// From now on a DLL loaded by a bare name, by us or by a system DLL for us, comes from the system
// folder only. Windows 7 without its update KB2533623 lacks the call; there nothing changes.
inline void LimitDllSearchToSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = LookUpKernel32<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories");
    if (setDefault)
        setDefault(0x00000800); // LOAD_LIBRARY_SEARCH_SYSTEM32
}

} // namespace Velkora

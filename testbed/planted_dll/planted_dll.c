// A planted DLL for the tests: when loaded, it leaves a mark file beside itself (its own path + ".ran").
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved; // the signature is the system's; whether the load is static tells nothing here
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH + 8] = {0};
        DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
        lstrcpyW(path + n, L".ran");
        HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (f != INVALID_HANDLE_VALUE)
            CloseHandle(f);
    }
    return TRUE;
}

#pragma once
// Helpers of the graphics tests under Wine: the test program's folder and a temporary working
// directory that is removed again.
#include <windows.h>

#include <string>

namespace Velkora {

inline std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

// Makes a fresh folder the current directory for the object's lifetime.
class CTemporaryWorkingDirectory {
public:
    CTemporaryWorkingDirectory() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        wchar_t previousDir[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, previousDir);
        previous = previousDir;
        folder = std::wstring(temp) + L"velkora-graphics-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(GetTickCount64());
        CreateDirectoryW(folder.c_str(), nullptr);
        SetCurrentDirectoryW(folder.c_str());
    }
    ~CTemporaryWorkingDirectory() {
        SetCurrentDirectoryW(previous.c_str());
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                    DeleteFileW((folder + L"\\" + found.cFileName).c_str());
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(folder.c_str());
    }
    CTemporaryWorkingDirectory(const CTemporaryWorkingDirectory&) = delete;
    CTemporaryWorkingDirectory& operator=(const CTemporaryWorkingDirectory&) = delete;

    const std::wstring& Path() const { return folder; }

private:
    std::wstring previous;
    std::wstring folder;
};

} // namespace Velkora

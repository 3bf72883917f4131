#pragma once
// Helpers of the graphics tests under Wine: the test program's folder and a temporary working
// directory that is removed again.
#include <windows.h>

#include <string>

#include "temp_folder_win32.h"

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
        wchar_t previousDir[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, previousDir);
        previous = previousDir;
        SetCurrentDirectoryW(folder.Path().c_str());
    }
    ~CTemporaryWorkingDirectory() { SetCurrentDirectoryW(previous.c_str()); } // the folder goes after this
    CTemporaryWorkingDirectory(const CTemporaryWorkingDirectory&) = delete;
    CTemporaryWorkingDirectory& operator=(const CTemporaryWorkingDirectory&) = delete;

    // Without its final backslash.
    std::wstring Path() const { return folder.Path().substr(0, folder.Path().size() - 1); }

  private:
    VelkoraTest::CTempFolder folder{L"velkora-graphics"};
    std::wstring previous;
};

} // namespace Velkora

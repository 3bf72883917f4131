#pragma once
// A fresh folder under the temporary folder, removed with everything in it on destruction.
#include <windows.h>

#include <string>
#include <vector>

namespace VelkoraTest {

class CTempFolder {
  public:
    explicit CTempFolder(const std::wstring& prefix);
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    bool IsValid() const { return valid; }
    const std::wstring& Path() const { return path; } // ends with a backslash

  private:
    std::wstring path;
    bool valid = false;
};

// A Unix path of the build as Wine sees it (the Z: drive is the host's root).
std::wstring WinePathOf(std::wstring unixPath);

// The names in a folder (path ending with a backslash) that match the pattern, sorted; "." and ".."
// are left out.
std::vector<std::wstring> FilesIn(const std::wstring& folder, const std::wstring& pattern = L"*");

// Removes a folder with everything in it, read-only files and paths longer than MAX_PATH
// included, never following a link out of it; false when something is left. Only a full path
// below a drive's or share's root is taken (anything else: false, nothing removed).
bool DeleteFolderTree(const std::wstring& folder);

// Copies a file; false when it failed.
bool CopyInto(const std::wstring& file, const std::wstring& folder, const std::wstring& name);

} // namespace VelkoraTest

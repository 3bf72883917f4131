#pragma once
// A fresh folder under the temporary folder, removed with everything in it on destruction.
#include <windows.h>

#include <string>

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

// Copies a file; false when it failed.
bool CopyInto(const std::wstring& file, const std::wstring& folder, const std::wstring& name);

} // namespace VelkoraTest

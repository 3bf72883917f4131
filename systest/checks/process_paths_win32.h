#pragma once
// Paths of the running process, read from the platform: the program file, and texts of the calls
// that answer with the length they need (current folder, system folders, environment, full paths).
#include <windows.h>

#include <string>
#include <vector>

namespace Velkora {

// call(buffer, size) answers the text's length without its NUL when it fits, the size it needs
// (with the NUL) when it does not, and 0 on failure. Empty on failure.
template <class Call> std::wstring ReadSizedText(Call call) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(length + 1);
    }
    return {};
}

// The path names a file (not a folder). A bare name is looked up in the current folder.
inline bool IsFilePath(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The full path of the program file, read into 260 characters.
inline std::wstring ReadProgramPath() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length < MAX_PATH ? length : MAX_PATH - 1);
}

} // namespace Velkora

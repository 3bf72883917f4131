#include "temp_folder_win32.h"

#include <algorithm>

#include "scoped_handle_win32.h"

namespace VelkoraTest {
namespace {

// Wine gives out process ids again soon, and a folder a crashed test left behind keeps its name.
constexpr int kNameAttempts = 100;

// The full path (see IsDeletableFolder) in the form that is not held to MAX_PATH.
std::wstring LongForm(const std::wstring& path) {
    if (path.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

// Only a full path below a drive's or a share's root: never the current directory (what a relative
// or empty path would name) and never a whole drive.
bool IsDeletableFolder(const std::wstring& folder) {
    std::wstring rest;
    if (folder.size() > 3 && folder[1] == L':' && folder[2] == L'\\') {
        rest = folder.substr(3);
    } else if (folder.rfind(L"\\\\", 0) == 0 && folder.rfind(L"\\\\?\\", 0) != 0) {
        const std::size_t server = folder.find(L'\\', 2);
        if (server == std::wstring::npos)
            return false;
        const std::size_t share = folder.find(L'\\', server + 1);
        if (share == std::wstring::npos)
            return false;
        rest = folder.substr(share + 1);
    } else {
        return false;
    }
    while (!rest.empty() && rest.back() == L'\\')
        rest.pop_back();
    return !rest.empty() && rest.find(L"..") == std::wstring::npos;
}

bool DeleteTreeBelow(const std::wstring& folder) { // folder in long form, ending with a backslash
    bool whole = true;
    for (const std::wstring& name : FilesIn(folder)) {
        const std::wstring path = folder + name;
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            continue;
        if (attributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            whole = DeleteTreeBelow(path + L"\\") && whole;
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            whole = RemoveDirectoryW(path.c_str()) && whole;
        } else {
            whole = DeleteFileW(path.c_str()) && whole;
        }
    }
    return RemoveDirectoryW(folder.c_str()) && whole;
}

} // namespace

CTempFolder::CTempFolder(const std::wstring& prefix) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static LONG counter = 0;
    for (int attempt = 0; attempt < kNameAttempts && !valid; ++attempt) {
        path = std::wstring(temp) + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(InterlockedIncrement(&counter)) + L"\\";
        valid = CreateDirectoryW(path.c_str(), nullptr) != FALSE;
        if (!valid && GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
}

// Not SHFileOperationW: in Wine 8, given a folder that holds a path beyond MAX_PATH, it empties the
// current directory instead (following symbolic links out of it) and leaves the folder.
CTempFolder::~CTempFolder() {
    if (valid)
        DeleteFolderTree(path);
}

std::vector<std::wstring> FilesIn(const std::wstring& folder, const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    Velkora::CFindHandle search(FindFirstFileW((folder + pattern).c_str(), &found));
    if (!search)
        return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search.Get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

bool DeleteFolderTree(const std::wstring& folder) {
    if (!IsDeletableFolder(folder))
        return false;
    std::wstring longForm = LongForm(folder);
    if (longForm.back() != L'\\' && longForm.back() != L'/')
        longForm += L'\\';
    return DeleteTreeBelow(longForm);
}

std::wstring WinePathOf(std::wstring unixPath) {
    for (auto& c : unixPath)
        if (c == L'/')
            c = L'\\';
    return L"Z:" + unixPath;
}

bool CopyInto(const std::wstring& file, const std::wstring& folder, const std::wstring& name) {
    return CopyFileW(file.c_str(), (folder + name).c_str(), FALSE) != FALSE;
}

} // namespace VelkoraTest

#include "temp_folder_win32.h"

#include <shellapi.h>

namespace VelkoraTest {

CTempFolder::CTempFolder(const std::wstring& prefix) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static LONG counter = 0;
    path = std::wstring(temp) + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(InterlockedIncrement(&counter)) + L"\\";
    valid = CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

CTempFolder::~CTempFolder() {
    if (!valid) return;
    std::wstring from = path.substr(0, path.size() - 1);
    from.append(2, L'\0'); // the list of paths ends with two zeros
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

std::wstring WinePathOf(std::wstring unixPath) {
    for (auto& c : unixPath) if (c == L'/') c = L'\\';
    return L"Z:" + unixPath;
}

bool CopyInto(const std::wstring& file, const std::wstring& folder, const std::wstring& name) {
    return CopyFileW(file.c_str(), (folder + name).c_str(), FALSE) != FALSE;
}

} // namespace VelkoraTest

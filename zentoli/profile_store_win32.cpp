#include "profile_store_win32.h"

#include <windows.h>

#include <vector>

namespace Zentoli {

std::wstring CWin32ProfileStore::ReadString(const std::wstring& section, const std::wstring& key,
                                            const std::wstring& defaultText, const std::wstring& path) {
    std::vector<wchar_t> buffer(kSettingsValueCapacity, L'\0');
    DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultText.c_str(), buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path.c_str());
    return std::wstring(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1));
}

bool CWin32ProfileStore::WriteString(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& value, const std::wstring& path) {
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

} // namespace Zentoli

#include "profile_store_win32.h"

#include <windows.h>

namespace Zentoli {
namespace {

// The section is read into a buffer that grows to this many characters at most; a larger section
// (no settings file of ours is near it) is not read.
constexpr DWORD kSectionCapacityLimit = 1u << 20;

} // namespace

std::wstring CWin32ProfileStore::ReadString(const std::wstring& section, const std::wstring& key,
                                            const std::wstring& defaultText, const std::wstring& path) {
    std::vector<wchar_t> buffer(kSettingsValueCapacity, L'\0');
    DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultText.c_str(), buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path.c_str());
    return std::wstring(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1));
}

std::optional<std::vector<std::wstring>> CWin32ProfileStore::ReadSection(const std::wstring& section,
                                                                         const std::wstring& path) {
    for (DWORD capacity = 4096; capacity <= kSectionCapacityLimit; capacity *= 2) {
        std::vector<wchar_t> buffer(capacity, L'\0');
        const DWORD length =
            GetPrivateProfileSectionW(section.c_str(), buffer.data(), capacity, path.c_str());
        if (length + 2 >= capacity)
            continue; // cut at the buffer's end: read again with more room
        // "key=value\0key=value\0\0"
        std::vector<std::wstring> lines;
        for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line;
             line += wcslen(line) + 1)
            lines.emplace_back(line);
        return lines;
    }
    return std::nullopt;
}

bool CWin32ProfileStore::WriteSection(const std::wstring& section, const std::vector<std::wstring>& lines,
                                      const std::wstring& path) {
    std::wstring block;
    for (const std::wstring& line : lines) {
        block += line;
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return WritePrivateProfileSectionW(section.c_str(), block.c_str(), path.c_str()) != FALSE;
}

} // namespace Zentoli

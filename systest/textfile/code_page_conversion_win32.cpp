#include "code_page_conversion.h"

#include <windows.h>

#include <climits>

namespace Velkora {

bool MultiByteToWide(std::uint32_t codePage, std::string_view in, std::wstring& out) {
    out.clear();
    // The system refuses an empty input; its conversion is empty all the same.
    if (in.empty())
        return true;
    if (in.size() > INT_MAX)
        return false;
    const int inLength = static_cast<int>(in.size());
    // No code page gives more UTF-16 units than it has bytes, so one call is enough.
    out.resize(in.size());
    const int length = MultiByteToWideChar(codePage, 0, in.data(), inLength, out.data(), inLength);
    if (length <= 0) {
        out.clear();
        return false;
    }
    out.resize(static_cast<std::size_t>(length));
    return true;
}

bool WideToMultiByte(std::uint32_t codePage, std::wstring_view in, char replacement, std::string& out,
                     bool& usedReplacement) {
    out.clear();
    if (in.empty())
        return true;
    if (in.size() > INT_MAX)
        return false;
    const int inLength = static_cast<int>(in.size());
    // UTF-7 and UTF-8 (also as the ANSI page of a system set to UTF-8) take no replacement
    // character and no lost-data flag: with them the call fails, so it is repeated without.
    BOOL usedDefault = FALSE;
    const char* defaultChar = replacement != 0 ? &replacement : nullptr;
    BOOL* usedDefaultFlag = &usedDefault;
    if (codePage == CP_UTF7 || codePage == CP_UTF8) {
        defaultChar = nullptr;
        usedDefaultFlag = nullptr;
    }
    int length =
        WideCharToMultiByte(codePage, 0, in.data(), inLength, nullptr, 0, defaultChar, usedDefaultFlag);
    if (length <= 0 && usedDefaultFlag != nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        defaultChar = nullptr;
        usedDefaultFlag = nullptr;
        length = WideCharToMultiByte(codePage, 0, in.data(), inLength, nullptr, 0, nullptr, nullptr);
    }
    if (length <= 0)
        return false;
    out.resize(static_cast<std::size_t>(length));
    if (WideCharToMultiByte(codePage, 0, in.data(), inLength, out.data(), length, defaultChar,
                            usedDefaultFlag) != length) {
        out.clear();
        return false;
    }
    if (usedDefault)
        usedReplacement = true;
    return true;
}

} // namespace Velkora

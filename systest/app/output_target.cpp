#include "output_target.h"

#include <cwchar>

namespace Velkora {

bool IsStandardOutputTarget(const std::wstring& target) {
    return target == L"-";
}

std::wstring TemporaryPathBeside(const std::wstring& target, std::uint32_t unique) {
    // The folder part ends at the last separator, or after a drive letter such as "C:".
    std::size_t cut = target.find_last_of(L"\\/");
    if (cut == std::wstring::npos && target.size() >= 2 && target[1] == L':')
        cut = 1;
    std::wstring folder = cut == std::wstring::npos ? std::wstring() : target.substr(0, cut + 1);
    std::wstring name = cut == std::wstring::npos ? target : target.substr(cut + 1);
    wchar_t suffix[16];
    std::swprintf(suffix, 16, L"%08X", static_cast<unsigned>(unique));
    // Hidden from a script that waits for the target: another name, and a leading "~".
    return folder + L"~" + name + L"." + suffix + L".tmp";
}

} // namespace Velkora

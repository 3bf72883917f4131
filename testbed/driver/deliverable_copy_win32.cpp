#include "deliverable_copy_win32.h"

#include <windows.h>

#include <vector>

#include "temp_folder_win32.h"

namespace VelkoraTest {

std::wstring UserLanguageCode() {
    wchar_t code[30] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, code, 30);
    return code;
}

std::wstring CopyDeliverable(const std::wstring& deliverable, const std::wstring& folder, bool withLicence) {
    std::vector<std::wstring> names{L"VelkoraSysTest.exe",
                                    L"Zentoli.exe",
                                    L"VelkoraSystest_En.Dll",
                                    L"VelkoraSystest_De.Dll",
                                    L"GraphicsCardGBList.txt",
                                    L"Lines.vert",
                                    L"Lines.frag",
                                    L"HiddenEdges.vert",
                                    L"HiddenEdges.frag"};
    if (withLicence)
        names.push_back(L"Lic_En.Txt");
    for (const std::wstring& name : names) {
        if (!CopyInto(deliverable + name, folder, name))
            return name;
    }
    std::wstring module = L"VelkoraSystest_" + UserLanguageCode() + L".Dll";
    if (GetFileAttributesW((folder + module).c_str()) == INVALID_FILE_ATTRIBUTES &&
        !CopyInto(deliverable + L"VelkoraSystest_En.Dll", folder, module))
        return module;
    return {};
}

} // namespace VelkoraTest

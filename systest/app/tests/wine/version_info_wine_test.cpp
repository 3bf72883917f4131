// The version information of what we ship, as inventory tools read it: both programs and both
// language modules carry the same version, from the one place that holds it.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "product_version.h"
#include "temp_folder_win32.h"

namespace {

const std::wstring kDeliverable = VelkoraTest::WinePathOf(VELKORA_DELIVERABLE_DIR) + L"\\";

std::wstring Wide(const char* text) {
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

class VersionInfo : public testing::TestWithParam<const wchar_t*> {};

TEST_P(VersionInfo, CarriesTheProductVersion) {
    const std::wstring path = kDeliverable + GetParam();
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version information";
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD high = MAKELONG(VELKORA_VERSION_MINOR, VELKORA_VERSION_MAJOR);
    const DWORD low = MAKELONG(VELKORA_VERSION_BUILD, VELKORA_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);

    // The texts, in the language the file names in its translation table.
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    wchar_t prefix[64];
    swprintf(prefix, 64, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT chars = 0;
        if (!VerQueryValueW(block.data(), (prefix + std::wstring(name)).c_str(),
                            reinterpret_cast<void**>(&value), &chars) ||
            !value)
            return std::wstring();
        return std::wstring(value, wcsnlen(value, chars));
    };
    EXPECT_EQ(text(L"FileVersion"), Wide(VELKORA_VERSION_TEXT));
    EXPECT_EQ(text(L"ProductVersion"), Wide(VELKORA_VERSION_TEXT));
    EXPECT_EQ(text(L"ProductName"), Wide(VELKORA_PRODUCT_NAME_TEXT));
    EXPECT_EQ(text(L"LegalCopyright"), Wide(VELKORA_COPYRIGHT_TEXT));
    EXPECT_EQ(text(L"OriginalFilename"), GetParam());
    EXPECT_FALSE(text(L"FileDescription").empty());
}

INSTANTIATE_TEST_SUITE_P(Shipped, VersionInfo,
                         testing::Values(L"VelkoraSysTest.exe", L"Zentoli.exe", L"VelkoraSystest_En.Dll",
                                         L"VelkoraSystest_De.Dll"));

} // namespace

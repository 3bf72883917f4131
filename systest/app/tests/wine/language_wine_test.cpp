// The language selection for real: prepared program folders, working directories and locales.
#include <windows.h>

#include <gtest/gtest.h>

#include "driven_process_win32.h"
#include "temp_folder_win32.h"
#include "window_probe_win32.h"

namespace {

using VelkoraTest::CDrivenProcess;

const std::wstring kDeliverable = VelkoraTest::WinePathOf(VELKORA_DELIVERABLE_DIR) + L"\\";
const std::wstring kProbe = VelkoraTest::WinePathOf(VELKORA_PROBE);

// A fresh folder tree under the temporary folder, removed afterwards.
class LanguageLayout : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.IsValid());
        program = root.Path() + L"prog\\";
        work = root.Path() + L"work\\";
        ASSERT_TRUE(CreateDirectoryW(program.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(work.c_str(), nullptr));
        ASSERT_TRUE(VelkoraTest::CopyInto(kProbe, program, L"probe.exe"));
    }
    void Ship(const std::wstring& name, const std::wstring& folder) {
        ASSERT_TRUE(VelkoraTest::CopyInto(kDeliverable + name, folder, name)) << name.c_str();
    }
    // Runs a program of the layout (in the test's own locale: Wine hands a child the locale of
    // its parent, not the one of the environment block); gives its output, or fails the test.
    std::string Run(const std::wstring& exe, DWORD* exitCode) {
        CDrivenProcess process;
        EXPECT_TRUE(process.Start({L"\"" + program + exe + L"\"", work, {}}));
        auto code = process.WaitForExit(30000);
        EXPECT_TRUE(code.has_value());
        if (!code)
            process.Terminate();
        *exitCode = code.value_or(0xFFFF);
        return process.Output();
    }

    VelkoraTest::CTempFolder root{L"velkora-lang"};
    std::wstring program, work;
};

// The user's language code, as the programs under test will read it.
std::wstring LanguageCode() {
    wchar_t code[30] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, code, 30);
    return code;
}

std::string Line(const std::string& output, const std::string& key) {
    std::size_t at = output.find(key + "=");
    if (at == std::string::npos)
        return "<missing>";
    std::size_t end = output.find_first_of("\r\n", at);
    return output.substr(at + key.size() + 1, end - at - key.size() - 1);
}

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    out.pop_back();
    return out;
}

TEST_F(LanguageLayout, GermanLocaleUsesTheGermanModuleBesideTheProgram) {
    if (LanguageCode() != L"de") {
        GTEST_SKIP() << "runs in a German locale";
    }
    Ship(L"VelkoraSystest_De.Dll", program);
    Ship(L"VelkoraSystest_En.Dll", work);
    DWORD code = 0;
    std::string out = Run(L"probe.exe", &code);
    EXPECT_EQ(code, 0u) << out;
    EXPECT_EQ(Line(out, "code"), "de");
    EXPECT_EQ(Line(out, "licence"), Utf8(program + L"Lic_de.Txt"));
    EXPECT_EQ(Line(out, "module"), Utf8(program + L"VelkoraSystest_de.Dll"));
    EXPECT_EQ(Line(out, "loaded"), "1");
    EXPECT_EQ(Line(out, "text902"), "Beschreibung");
}

TEST_F(LanguageLayout, MissingLocaleModuleFallsBackToEnglishBesideTheProgram) {
    if (LanguageCode() == L"en") {
        GTEST_SKIP() << "runs in a locale other than English";
    }
    Ship(L"VelkoraSystest_En.Dll", program);
    // One in the working folder is not the program's and is not taken.
    ASSERT_TRUE(
        VelkoraTest::CopyInto(kDeliverable + L"VelkoraSystest_De.Dll", work, L"VelkoraSystest_En.Dll"));
    // A licence for the locale beside the program does not matter.
    ASSERT_TRUE(
        VelkoraTest::CopyInto(kDeliverable + L"Lic_De.Txt", program, L"Lic_" + LanguageCode() + L".Txt"));
    DWORD code = 0;
    std::string out = Run(L"probe.exe", &code);
    EXPECT_EQ(code, 0u) << out;
    EXPECT_EQ(Line(out, "licence"), Utf8(program + L"Lic_En.Txt"));
    EXPECT_EQ(Line(out, "module"), Utf8(program + L"VelkoraSystest_En.Dll"));
    EXPECT_EQ(Line(out, "loaded"), "1");
    EXPECT_EQ(Line(out, "text902"), "Description");
}

TEST_F(LanguageLayout, DirectoryNamedLikeTheModuleCountsAsMissing) {
    ASSERT_TRUE(CreateDirectoryW((program + L"VelkoraSystest_" + LanguageCode() + L".Dll").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((work + L"VelkoraSystest_En.Dll").c_str(), nullptr));
    DWORD code = 0;
    std::string out = Run(L"probe.exe", &code);
    EXPECT_EQ(code, 1u) << out;
    EXPECT_EQ(Line(out, "fatal"), "Fatal Error|Can't initialize language Dll / " +
                                      Utf8(program + L"VelkoraSystest_" + LanguageCode()) + ".Dll");
}

TEST_F(LanguageLayout, NoModuleShowsTheFatalMessageAndEndsWithMinusOne) {
    Ship(L"VelkoraSysTest.exe", program);
    CDrivenProcess process;
    ASSERT_TRUE(process.Start({L"\"" + program + L"VelkoraSysTest.exe\"", work, {}}));
    HWND box = process.WaitForWindow(L"#32770", L"Fatal Error", 20000);
    ASSERT_NE(box, nullptr);
    HWND message = GetDlgItem(box, 0xFFFF); // the message box's text control
    std::wstring text = message ? VelkoraTest::TextOf(message) : L"";
    EXPECT_EQ(text,
              L"Can't initialize language Dll / " + program + L"VelkoraSystest_" + LanguageCode() + L".Dll");
    VelkoraTest::PostCommand(box, IDOK);
    auto code = process.WaitForExit(20000);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(static_cast<int>(*code), -1);
}

} // namespace

#include "language_selection.h"

#include <set>

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct LanguageCase {
    const char* name;
    const wchar_t* code;
    const wchar_t* programPath;
    std::set<std::wstring> usable; // files that exist (not directories)
    LanguageOutcome outcome;
    const wchar_t* moduleToLoad;
    const wchar_t* licencePath;
    const wchar_t* fatalMessage;
};

class LanguageSelectionTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageSelectionTest, Plans) {
    const LanguageCase& c = GetParam();
    LanguagePlan plan = PlanLanguageSelection(c.code, c.programPath,
                                              [&](const std::wstring& p) { return c.usable.count(p) > 0; });
    EXPECT_EQ(plan.outcome, c.outcome);
    EXPECT_EQ(plan.moduleToLoad, c.moduleToLoad);
    EXPECT_EQ(plan.licencePath, c.licencePath);
    EXPECT_EQ(plan.fatalMessage, c.fatalMessage);
    EXPECT_EQ(plan.Succeeded(), std::wstring(c.fatalMessage).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageSelectionTest,
    testing::Values(LanguageCase{"GermanBesideProgram",
                                 L"de",
                                 L"C:\\Prog\\VelkoraSysTest.exe",
                                 {L"C:\\Prog\\VelkoraSystest_de.Dll", L"VelkoraSystest_En.Dll"},
                                 LanguageOutcome::kLocaleModule,
                                 L"C:\\Prog\\VelkoraSystest_de.Dll",
                                 L"C:\\Prog\\Lic_de.Txt",
                                 L""},
                    LanguageCase{"MissingLocaleFallsBackToEnglishBesideProgram",
                                 L"fr",
                                 L"C:\\Prog\\VelkoraSysTest.exe",
                                 {L"C:\\Prog\\VelkoraSystest_En.Dll", L"C:\\Prog\\Lic_fr.Txt"},
                                 LanguageOutcome::kEnglishFallback,
                                 L"C:\\Prog\\VelkoraSystest_En.Dll",
                                 L"C:\\Prog\\Lic_En.Txt",
                                 L""},
                    // An English module only in the working folder is not the program's.
                    LanguageCase{"EnglishInWorkingDirOnlyIsNoModule",
                                 L"fr",
                                 L"C:\\Prog\\VelkoraSysTest.exe",
                                 {L"VelkoraSystest_En.Dll"},
                                 LanguageOutcome::kNoModule,
                                 L"",
                                 L"C:\\Prog\\Lic_fr.Txt",
                                 L"Can't initialize language Dll / C:\\Prog\\VelkoraSystest_fr.Dll"},
                    LanguageCase{"NoModuleNamesTheLocaleModule",
                                 L"fr",
                                 L"C:\\Prog\\VelkoraSysTest.exe",
                                 {L"C:\\Other\\VelkoraSystest_En.Dll"},
                                 LanguageOutcome::kNoModule,
                                 L"",
                                 L"C:\\Prog\\Lic_fr.Txt",
                                 L"Can't initialize language Dll / C:\\Prog\\VelkoraSystest_fr.Dll"},
                    LanguageCase{"NoBackslash",
                                 L"en",
                                 L"VelkoraSysTest.exe",
                                 {L"VelkoraSystest_En.Dll"},
                                 LanguageOutcome::kNoProgramFolder,
                                 L"",
                                 L"",
                                 L"Can't initialize language directory / VelkoraSysTest.exe"},
                    LanguageCase{"BackslashOnlyFirst",
                                 L"en",
                                 L"\\VelkoraSysTest.exe",
                                 {},
                                 LanguageOutcome::kNoProgramFolder,
                                 L"",
                                 L"",
                                 L"Can't initialize language directory / \\VelkoraSysTest.exe"},
                    LanguageCase{"BackslashSecondCounts",
                                 L"en",
                                 L"C\\x.exe",
                                 {L"C\\VelkoraSystest_en.Dll"},
                                 LanguageOutcome::kLocaleModule,
                                 L"C\\VelkoraSystest_en.Dll",
                                 L"C\\Lic_en.Txt",
                                 L""},
                    LanguageCase{"CodeKeptAsGiven",
                                 L"pt",
                                 L"D:\\a\\b\\p.exe",
                                 {L"D:\\a\\b\\VelkoraSystest_pt.Dll"},
                                 LanguageOutcome::kLocaleModule,
                                 L"D:\\a\\b\\VelkoraSystest_pt.Dll",
                                 L"D:\\a\\b\\Lic_pt.Txt",
                                 L""}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace Velkora

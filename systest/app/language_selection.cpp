#include "language_selection.h"

namespace Velkora {

std::wstring ProgramFolderOf(std::wstring_view programPath) {
    for (std::size_t i = programPath.size(); i-- > 1;) {
        if (programPath[i] == L'\\')
            return std::wstring(programPath.substr(0, i + 1));
    }
    return {};
}

LanguagePlan PlanLanguageSelection(std::wstring_view languageCode, std::wstring_view programPath,
                                   const PathUsable& isUsable) {
    LanguagePlan plan;
    plan.programFolder = ProgramFolderOf(programPath);
    if (plan.programFolder.empty()) {
        plan.outcome = LanguageOutcome::kNoProgramFolder;
        plan.fatalMessage = L"Can't initialize language directory / " + std::wstring(programPath);
        return plan;
    }
    plan.licencePath = plan.programFolder + L"Lic_" + std::wstring(languageCode) + L".Txt";
    plan.modulePath = plan.programFolder + L"VelkoraSystest_" + std::wstring(languageCode) + L".Dll";
    if (isUsable(plan.modulePath)) {
        plan.outcome = LanguageOutcome::kLocaleModule;
        plan.moduleToLoad = plan.modulePath;
        return plan;
    }
    // Beside the program, like every file it ships with: a shortcut's "Start in" folder must not
    // decide which texts a run shows.
    const std::wstring englishModule = plan.programFolder + std::wstring(kEnglishModuleName);
    if (!isUsable(englishModule)) {
        plan.outcome = LanguageOutcome::kNoModule;
        plan.fatalMessage = L"Can't initialize language Dll / " + plan.modulePath;
        return plan;
    }
    plan.outcome = LanguageOutcome::kEnglishFallback;
    plan.moduleToLoad = englishModule;
    plan.licencePath = plan.programFolder + std::wstring(kEnglishLicenceName);
    return plan;
}

} // namespace Velkora
